// One frame: for now the background colour only, then the swap.
#include "core/viewer_state.h"
#include "render/render.h"

void RenderFrame(void)
{
    glClearColor(0.05f, 0.05f, 0.1f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SwapBuffers(g_state.hDC);
}
