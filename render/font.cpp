// The bitmap font: one display list per character code, each drawing its
// 16 x 16 cell of the font picture and moving 16 pixels to the right.
#include <string.h>

#include "core/viewer_state.h"
#include "render/render.h"

static const int kGlyphCount = 256;
static const int kGlyphSize = 16;
static const int kCellsPerRow = 16;

void BuildFontLists(void)
{
    g_state.fontListBase = glGenLists(kGlyphCount);
    for (int i = 0; i < kGlyphCount; i++) {
        // Cell rows count from the picture's top; the v values are 0 or
        // negative and reach the right row through the repeat wrap. Every
        // value is a multiple of 1/16 and exact.
        float uLeft = (float)(i % kCellsPerRow) / 16.0f;
        float uRight = uLeft + 1.0f / 16.0f;
        float vTop = -(float)(i / kCellsPerRow) / 16.0f;
        float vBottom = vTop - 1.0f / 16.0f;

        glNewList(g_state.fontListBase + i, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(uLeft, vTop);
        glVertex2i(0, 0);
        glTexCoord2f(uLeft, vBottom);
        glVertex2i(0, kGlyphSize);
        glTexCoord2f(uRight, vBottom);
        glVertex2i(kGlyphSize, kGlyphSize);
        glTexCoord2f(uRight, vTop);
        glVertex2i(kGlyphSize, 0);
        glEnd();
        glTranslated(kGlyphSize, 0, 0);
        glEndList();
    }
}

void DrawHudText(GLuint x, GLuint y, const char* text)
{
    glEnable(GL_BLEND);
    glLoadIdentity();
    glTranslated((double)x, (double)y, 0.0);
    glListBase(g_state.fontListBase);
    // Signed bytes: codes above 127 are negative offsets that select none of
    // the font's lists, so they draw nothing.
    glCallLists((GLsizei)strlen(text), GL_BYTE, text);
    glDisable(GL_BLEND);
}
