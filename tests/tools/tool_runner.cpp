#include "tests/tools/tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "tests/support/temp_dir.h"

static std::string ReadAll(const std::string& path)
{
    std::string text;
    FILE* f = fopen(path.c_str(), "rb");
    if (f == NULL) {
        return text;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, f)) > 0) {
        text.append(buffer, got);
    }
    fclose(f);
    return text;
}

ToolResult RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    TempDir dir;
    std::string outPath = dir.File("out");
    std::string errPath = dir.File("err");
    ToolResult result = {-1, "", ""};
    pid_t pid = fork();
    if (pid == 0) {
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(NULL);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.out = ReadAll(outPath);
    result.err = ReadAll(errPath);
    return result;
}
