// The per-pass input step. For now only ESC: held at the time of a pass,
// it ends the main loop after that pass's frame.
#include "core/input_step.h"

#include "core/viewer_state.h"

void InputStep(void)
{
    if (g_state.keyDown[VK_ESCAPE]) {
        g_state.running = 0;
    }
}
