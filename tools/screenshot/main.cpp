// Writes a PNG of the viewer's window with a savegame loaded, for the
// README: the viewer's own window procedure, pictures, savegame reader and
// frame, without the open dialog.
//
//   hm-screenshot SAVEGAME OUTPUT.png
//
// Runs in the directory of the pictures (the build directory) on a display.
// The frame is read from the back buffer before any swap, so nothing else
// on the screen can get into the picture.
#include <stdio.h>
#include <string.h>

#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "core/viewer_state.h"
#include "savegame/load_savegame.h"
#include "tools/viewer_window/viewer_window.h"

namespace {

bool WriteFrame(const char* path)
{
    int w = g_state.clientWidth;
    int h = g_state.clientHeight;
    std::vector<unsigned char> rows((size_t)w * h * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    // GL's rows run bottom-up; the picture's top-down.
    stbi_flip_vertically_on_write(1);
    return stbi_write_png(path, w, h, 3, rows.data(), w * 3) != 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || strlen(argv[1]) >= sizeof g_state.savegamePath) {
        fprintf(stderr, "usage: hm-screenshot SAVEGAME OUTPUT.png\n");
        return 2;
    }
    if (OpenViewerWindow(0, 0, kInitialClientWidth, kInitialClientHeight) == NULL ||
        g_state.hGLRC == NULL) {
        fprintf(stderr, "hm-screenshot: no window with OpenGL on this display\n");
        return 1;
    }

    strcpy(g_state.savegamePath, argv[1]);
    LoadSavegame();
    if (g_state.packages.entries == NULL) {
        CloseViewerWindow();
        return 1;  // no list came in place of none: the reader has said why
    }

    // Past the first frame, whose panel is drawn opaque, to the steady look.
    for (int i = 0; i < 3; i++) {
        DrawFrameWithoutSwap();
    }
    bool written = WriteFrame(argv[2]);
    if (!written) {
        fprintf(stderr, "hm-screenshot: cannot write %s\n", argv[2]);
    }

    CloseViewerWindow();
    return written ? 0 : 1;
}
