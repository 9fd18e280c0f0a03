// Runs a command-line program and collects its exit status and output.
#ifndef HM_TESTS_TOOLS_TOOL_RUNNER_H
#define HM_TESTS_TOOLS_TOOL_RUNNER_H

#include <string>
#include <vector>

struct ToolResult {
    int status;
    std::string out;
    std::string err;
};

ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args);

#endif
