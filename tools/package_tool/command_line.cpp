// The command-line rules every subcommand of hm-package-tool shares.
#include <stdio.h>
#include <string.h>

#include "tools/package_tool/commands.h"

// A usage error that names the command: "list: unknown option '-x'".
static int CommandError(const CommandSyntax* syntax, const char* format, const char* detail)
{
    char message[512];
    int used = snprintf(message, sizeof message, "%s: ", syntax->command);
    snprintf(message + used, sizeof message - (size_t)used, format, detail);
    return UsageError("%s", message);
}

// The option `arg` names, or NULL; *inlineValue points after "=" when the
// value came with the option itself.
static const CommandOption* FindOption(const CommandSyntax* syntax, const char* arg,
                                       const char** inlineValue)
{
    for (int i = 0; i < syntax->optionCount; i++) {
        const CommandOption* option = &syntax->options[i];
        size_t length = strlen(option->name);
        if (strncmp(arg, option->name, length) == 0) {
            if (arg[length] == '\0') {
                *inlineValue = NULL;
                return option;
            }
            if (arg[length] == '=') {
                *inlineValue = arg + length + 1;
                return option;
            }
        }
    }
    return NULL;
}

int ParseCommandLine(const CommandSyntax* syntax, int argc, char** argv, const char** operand)
{
    *operand = NULL;
    int optionsEnded = 0;
    for (int i = 0; i < argc; i++) {
        const char* arg = argv[i];
        if (!optionsEnded && arg[0] == '-' && arg[1] != '\0') {
            if (strcmp(arg, "--") == 0) {
                optionsEnded = 1;
                continue;
            }
            if (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0) {
                syntax->printHelp();
                return 0;
            }
            const char* value = NULL;
            const CommandOption* option = FindOption(syntax, arg, &value);
            if (option == NULL) {
                return CommandError(syntax, "unknown option '%s'", arg);
            }
            if (value == NULL && i + 1 < argc) {
                value = argv[++i];
            }
            if (value == NULL || value[0] == '\0') {
                return CommandError(syntax, "%s needs a value", option->name);
            }
            *option->value = value;
            continue;
        }
        if (*operand != NULL) {
            return CommandError(syntax, "more than one %s given", syntax->operandName);
        }
        *operand = arg;
    }
    if (*operand == NULL) {
        return CommandError(syntax, "no %s given", syntax->operandName);
    }
    return -1;
}
