// Feeds arbitrary files to the savegame reader. The reader reads a path, so
// each input is written to a file first.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "core/viewer_state.h"
#include "savegame/load_savegame.h"

static char g_path[64];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (g_path[0] == '\0') {
        snprintf(g_path, sizeof g_path, "/tmp/hm-fuzz-savegame-%d.b", (int)getpid());
        ResetViewerState();
    }
    FILE* f = fopen(g_path, "wb");
    if (f == NULL) {
        return 0;
    }
    fwrite(data, 1, size, f);
    fclose(f);

    strcpy(g_state.savegamePath, g_path);
    LoadSavegame();
    // Whatever came in, the list must be whole: walk every entry.
    volatile float sum = 0;
    for (int i = 0; i < g_state.packages.packageCount; i++) {
        sum = sum + g_state.packages.entries[i].x;
    }
    if (g_state.packages.packageCount < 0 ||
        (g_state.packages.entries == NULL && g_state.packages.packageCount != 0)) {
        abort();
    }
    return 0;
}
