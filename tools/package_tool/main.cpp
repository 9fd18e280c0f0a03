// hm-package-tool: the viewer's companion on the command line.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "tools/package_tool/binary_output.h"
#include "tools/package_tool/commands.h"

static void PrintHelp(FILE* out)
{
    fprintf(out,
            "usage: hm-package-tool COMMAND [OPTIONS] FILE\n"
            "\n"
            "Commands:\n"
            "  list [--format text|csv|json] SAVEGAME\n"
            "      print the packages still lying in a savegame\n"
            "  image [--ppm OUT] PICTURE\n"
            "      check a BMP picture as the viewer would load it\n"
            "\n"
            "  hm-package-tool COMMAND --help   tells more about a command\n"
            "  hm-package-tool --version        prints the version\n");
}

int UsageError(const char* format, const char* detail)
{
    fprintf(stderr, "hm-package-tool: ");
    fprintf(stderr, format, detail);
    fprintf(stderr, "\nTry 'hm-package-tool --help'.\n");
    return 2;
}

int main(int argc, char** argv)
{
    SetBinaryOutput();
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    const char* command = argv[1];
    if (strcmp(command, "--help") == 0 || strcmp(command, "-h") == 0 ||
        strcmp(command, "help") == 0) {
        PrintHelp(stdout);
        return 0;
    }
    if (strcmp(command, "--version") == 0) {
        printf("hm-package-tool %s\n", HM_VERSION);
        return 0;
    }
    if (strcmp(command, "list") == 0) {
        return RunListCommand(argc - 2, argv + 2);
    }
    if (strcmp(command, "image") == 0) {
        return RunImageCommand(argc - 2, argv + 2);
    }
    return UsageError("unknown command '%s'", command);
}
