// The subcommands of hm-package-tool. Each takes the arguments after its own
// name and returns the process's exit status.
#ifndef HM_TOOLS_PACKAGE_TOOL_COMMANDS_H
#define HM_TOOLS_PACKAGE_TOOL_COMMANDS_H

int RunListCommand(int argc, char** argv);
int RunImageCommand(int argc, char** argv);

// Prints a usage error for the tool and returns the status for it (2).
int UsageError(const char* format, const char* detail);

#endif
