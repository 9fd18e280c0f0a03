// hm-package-tool list [--format text|csv|json] SAVEGAME
//
// Loads the savegame through the viewer's own reader and prints the packages
// still lying in it. Failures come from the reader's box, which the console
// form of the dialog services prints on standard error.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "core/viewer_state.h"
#include "savegame/load_savegame.h"
#include "tools/package_tool/commands.h"

enum ListFormat { kFormatText, kFormatCsv, kFormatJson };

static void PrintText(const char* path, const PackageList* list)
{
    printf("%s: %d package%s left\n", path, list->packageCount,
           list->packageCount == 1 ? "" : "s");
    if (list->packageCount == 0) {
        return;
    }
    printf("%6s  %12s  %12s  %10s\n", "#", "x", "y", "z");
    for (int i = 0; i < list->packageCount; i++) {
        const PackageEntry* e = &list->entries[i];
        printf("%6d  %12.2f  %12.2f  %10.2f\n", i + 1, e->x, e->y, e->z);
    }
}

// Nine significant digits read back as the same float.
static void PrintCsv(const PackageList* list)
{
    printf("x,y,z\n");
    for (int i = 0; i < list->packageCount; i++) {
        const PackageEntry* e = &list->entries[i];
        printf("%.9g,%.9g,%.9g\n", e->x, e->y, e->z);
    }
}

// JSON has no infinities or NaNs; the reader copies the floats unchecked, so
// such values are written as null.
static void PrintJsonNumber(float value)
{
    if (isfinite(value)) {
        printf("%.9g", value);
    } else {
        printf("null");
    }
}

static void PrintJson(const PackageList* list)
{
    printf("{\"count\": %d, \"packages\": [", list->packageCount);
    for (int i = 0; i < list->packageCount; i++) {
        const PackageEntry* e = &list->entries[i];
        printf("%s\n  {\"x\": ", i == 0 ? "" : ",");
        PrintJsonNumber(e->x);
        printf(", \"y\": ");
        PrintJsonNumber(e->y);
        printf(", \"z\": ");
        PrintJsonNumber(e->z);
        printf("}");
    }
    printf("%s]}\n", list->packageCount > 0 ? "\n" : "");
}

static void PrintListHelp(void)
{
    printf("usage: hm-package-tool list [--format text|csv|json] SAVEGAME\n"
           "\n"
           "Prints the packages still lying in a Hollowmarrane savegame (*.b).\n"
           "  --format text   a readable table with the count (default)\n"
           "  --format csv    a header line x,y,z and one line per package\n"
           "  --format json   an object with the count and the list\n");
}

int RunListCommand(int argc, char** argv)
{
    const char* formatName = "text";
    const CommandOption options[] = {{"--format", &formatName}};
    const CommandSyntax syntax = {"list", options, 1, "savegame", PrintListHelp};
    const char* path = NULL;
    int status = ParseCommandLine(&syntax, argc, argv, &path);
    if (status >= 0) {
        return status;
    }
    ListFormat format;
    if (strcmp(formatName, "text") == 0) {
        format = kFormatText;
    } else if (strcmp(formatName, "csv") == 0) {
        format = kFormatCsv;
    } else if (strcmp(formatName, "json") == 0) {
        format = kFormatJson;
    } else {
        return UsageError("list: unknown format '%s' (text, csv or json)", formatName);
    }
    if (strlen(path) >= sizeof(g_state.savegamePath)) {
        fprintf(stderr, "hm-package-tool: path too long (at most %d characters): %s\n",
                (int)sizeof(g_state.savegamePath) - 1, path);
        return 1;
    }

    ResetViewerState();
    strcpy(g_state.savegamePath, path);
    LoadSavegame();
    // Each successful load puts a fresh array in place of the old one; a
    // failure has shown its box and left the list as it was, with none.
    if (g_state.packages.entries == NULL) {
        return 1;
    }

    switch (format) {
    case kFormatText:
        PrintText(path, &g_state.packages);
        break;
    case kFormatCsv:
        PrintCsv(&g_state.packages);
        break;
    case kFormatJson:
        PrintJson(&g_state.packages);
        break;
    }
    ResetViewerState();
    return fflush(stdout) == 0 ? 0 : 1;
}
