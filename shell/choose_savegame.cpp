#include "shell/choose_savegame.h"

#include <string.h>

#include "core/viewer_state.h"
#include "savegame/load_savegame.h"
#include "shell/platform/win32.h"

// One filter entry, in the dialog's form: description, zero, pattern, and
// two zeros that end the list (the literal's own terminator is the second).
static const char kSavegameFilter[] = "Hollowmarrane Savegames\0*.b\0";

int ChooseSavegame(char* path)
{
    // The file name field starts empty each time; the last choice is not
    // offered again.
    char fileName[MAX_PATH];
    fileName[0] = '\0';

    OPENFILENAMEA request;
    memset(&request, 0, sizeof request);
    // The layout without the later extension fields.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = g_state.hWnd;
    request.hInstance = g_state.hInstance;
    request.lpstrFilter = kSavegameFilter;
    request.nFilterIndex = 0;
    request.lpstrFile = fileName;
    request.nMaxFile = MAX_PATH;
    request.lpstrTitle = "Open a File";
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;

    if (!GetOpenFileNameA(&request)) {
        return 0;
    }
    memcpy(path, fileName, MAX_PATH);
    LoadSavegame();
    return 1;
}
