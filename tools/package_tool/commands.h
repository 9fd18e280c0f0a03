// The subcommands of hm-package-tool. Each takes the arguments after its own
// name and returns the process's exit status.
#ifndef HM_TOOLS_PACKAGE_TOOL_COMMANDS_H
#define HM_TOOLS_PACKAGE_TOOL_COMMANDS_H

int RunListCommand(int argc, char** argv);
int RunImageCommand(int argc, char** argv);

// Prints a usage error for the tool and returns the status for it (2).
int UsageError(const char* format, const char* detail);

// An option of a command that takes a value: "--name VALUE" or
// "--name=VALUE".
struct CommandOption {
    const char* name;
    const char** value;
};

// What a command's command line is: its name, its options, what its one
// operand is called in messages ("savegame", "picture") and its help.
struct CommandSyntax {
    const char* command;
    const CommandOption* options;
    int optionCount;
    const char* operandName;
    void (*printHelp)(void);
};

// Reads a command's arguments: the option values and the one operand ("--"
// ends the options). Returns -1 when the command should go on, or the exit
// status to end with: 0 after --help, 2 after a usage error.
int ParseCommandLine(const CommandSyntax* syntax, int argc, char** argv, const char** operand);

#endif
