// GetOpenFileNameA on the desktop's own file chooser: zenity, or kdialog on
// KDE desktops, run as a child process. While it is up, a modal loop keeps
// the owner window painted and gives it no input, as a modal dialog does.
//
// Implements: the title, one or more filter entries, the file name buffer
// and its size, cancel and failure as FALSE.
// Does not implement: initial folder, multiple selection, hooks, templates,
// custom filters, file titles, default extensions (the viewer asks for none).
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "shell/platform/sdl/modal_loop.h"
#include "shell/platform/win32.h"

extern char** environ;

static const char kNoChooserText[] =
    "No file chooser program was found, so no savegame can be opened.\n"
    "Please install zenity (on KDE desktops: kdialog) and try again.";

// The chooser program's full path, or empty when it is not on PATH.
static std::string FindOnPath(const char* program)
{
    const char* path = getenv("PATH");
    std::string dirs = path != NULL ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) {
            end = dirs.size();
        }
        std::string dir = dirs.substr(start, end - start);
        std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + program;
        struct stat info;
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return std::string();
}

struct FilterEntry {
    std::string description;
    std::string patterns;  // ';'-separated, as in the Win32 filter
};

// The Win32 filter: pairs of zero-terminated strings, ended by an empty one.
static std::vector<FilterEntry> ParseFilter(LPCSTR filter)
{
    std::vector<FilterEntry> entries;
    while (filter != NULL && filter[0] != '\0') {
        FilterEntry entry;
        entry.description = filter;
        filter += entry.description.size() + 1;
        entry.patterns = filter;
        filter += entry.patterns.size() + 1;
        entries.push_back(entry);
    }
    return entries;
}

static std::string Replace(std::string text, char from, char to)
{
    for (char& c : text) {
        if (c == from) {
            c = to;
        }
    }
    return text;
}

static std::vector<std::string> ZenityArguments(const std::string& program,
                                                const OPENFILENAMEA* request)
{
    std::vector<std::string> args = {program, "--file-selection"};
    if (request->lpstrTitle != NULL) {
        args.push_back(std::string("--title=") + request->lpstrTitle);
    }
    for (const FilterEntry& f : ParseFilter(request->lpstrFilter)) {
        args.push_back("--file-filter=" + f.description + " | " + Replace(f.patterns, ';', ' '));
    }
    return args;
}

static std::vector<std::string> KdialogArguments(const std::string& program,
                                                 const OPENFILENAMEA* request)
{
    std::string filter;
    for (const FilterEntry& f : ParseFilter(request->lpstrFilter)) {
        if (!filter.empty()) {
            filter += "\n";
        }
        filter += Replace(f.patterns, ';', ' ') + "|" + f.description;
    }
    std::vector<std::string> args = {program, "--getopenfilename", ".", filter};
    if (request->lpstrTitle != NULL) {
        args.push_back("--title");
        args.push_back(request->lpstrTitle);
    }
    return args;
}

// Starts the chooser with its standard output on a pipe. Returns its
// process id, or -1.
static pid_t StartChooser(const std::vector<std::string>& args, int* outputFd)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return -1;
    }
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(NULL);

    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, NULL, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (pid == -1) {
        close(fds[0]);
        return -1;
    }
    *outputFd = fds[0];
    return pid;
}

// Runs the modal loop until the chooser has closed its output and ended.
// Returns its exit status (or -1) and what it printed.
static int WaitForChooser(HWND owner, pid_t pid, int outputFd, std::string* output)
{
    int open = 1;
    while (open) {
        struct pollfd p = {outputFd, POLLIN, 0};
        int ready = poll(&p, 1, kModalPollMilliseconds);
        if (ready > 0) {
            char buffer[512];
            ssize_t got = read(outputFd, buffer, sizeof buffer);
            if (got > 0) {
                output->append(buffer, (size_t)got);
            } else if (got == 0 || errno != EINTR) {
                open = 0;
            }
        }
        PumpModalMessages(owner);
    }
    close(outputFd);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

BOOL GetOpenFileNameA(LPOPENFILENAMEA request)
{
    if (request == NULL || request->lpstrFile == NULL || request->nMaxFile == 0) {
        return FALSE;
    }
    std::vector<std::string> args;
    std::string program = FindOnPath("zenity");
    if (!program.empty()) {
        args = ZenityArguments(program, request);
    } else if (!(program = FindOnPath("kdialog")).empty()) {
        args = KdialogArguments(program, request);
    } else {
        MessageBoxA(request->hwndOwner, kNoChooserText, "Open a File", MB_OK);
        return FALSE;
    }

    int outputFd = -1;
    pid_t pid = StartChooser(args, &outputFd);
    if (pid == -1) {
        return FALSE;
    }
    std::string chosen;
    int status = WaitForChooser(request->hwndOwner, pid, outputFd, &chosen);

    // The chooser prints the path and a line end; cancel ends with status 1.
    while (!chosen.empty() && (chosen.back() == '\n' || chosen.back() == '\r')) {
        chosen.pop_back();
    }
    if (status != 0 || chosen.empty() || chosen.find('\n') != std::string::npos) {
        return FALSE;
    }
    // A path that does not fit is a failure, never a cut-off path.
    if (chosen.size() + 1 > request->nMaxFile) {
        return FALSE;
    }
    memcpy(request->lpstrFile, chosen.c_str(), chosen.size() + 1);
    return TRUE;
}
