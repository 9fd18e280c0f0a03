// The real viewer process on a display: its window's title and client
// size, and its exit status when the window is closed.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "core/win_main.h"

// Xlib's macros clash with GoogleTest's names; it comes last.
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

const int kWaitSteps = 200;  // of 50 ms: 10 s
const useconds_t kStep = 50000;

// Other tests make and destroy windows on the same display meanwhile; a
// window that vanishes during the search is an error to ignore, not a
// reason for Xlib to end the test program.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// The process that owns a window, as it declares itself; 0 when unknown.
pid_t WindowPid(Display* display, Window window)
{
    Atom type;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = NULL;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1,
                           False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data != NULL && count == 1 && format == 32) {
        pid = (pid_t)*(unsigned long*)data;
    }
    if (data != NULL) XFree(data);
    return pid;
}

// The window of the given process with the given title, looked for in the
// whole tree (other tests may show windows of the same title meanwhile).
Window FindWindowNamed(Display* display, Window parent, const char* title, pid_t pid)
{
    char* name = NULL;
    if (XFetchName(display, parent, &name) && name != NULL) {
        bool match = strcmp(name, title) == 0 && WindowPid(display, parent) == pid;
        XFree(name);
        if (match) return parent;
    }
    Window root;
    Window up;
    Window* children = NULL;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; i++) {
        found = FindWindowNamed(display, children[i], title, pid);
    }
    if (children != NULL) XFree(children);
    return found;
}

// Asks the window to close, as a window manager's close button does.
void SendClose(Display* display, Window window)
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits for the process to end; -1 when it did not end in time.
int WaitForExit(pid_t pid)
{
    for (int i = 0; i < kWaitSteps; i++) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        usleep(kStep);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    return -1;
}

class ViewerProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (getenv("DISPLAY") == NULL) {
            GTEST_SKIP() << "needs a display";
        }
        XSetErrorHandler(IgnoreXError);
        display = XOpenDisplay(NULL);
        ASSERT_NE(display, nullptr);
        // The viewer's own leak check, in sanitizer builds, ignores the same
        // library allocations as the window tests' does.
        setenv("LSAN_OPTIONS", "suppressions=" HM_LSAN_DISPLAY_SUPPRESSIONS, 0);
        char* argv[] = {(char*)HM_VIEWER_PATH, NULL};
        ASSERT_EQ(posix_spawn(&pid, HM_VIEWER_PATH, NULL, NULL, argv, environ), 0);
        // The window exists, titled, before it is shown: wait for both.
        bool shown = false;
        for (int i = 0; i < kWaitSteps && !shown; i++) {
            usleep(kStep);
            window = FindWindowNamed(display, DefaultRootWindow(display), HM_VIEWER_TITLE, pid);
            XWindowAttributes attributes;
            shown = window != 0 && XGetWindowAttributes(display, window, &attributes) &&
                    attributes.map_state == IsViewable;
        }
        ASSERT_TRUE(shown) << "no window titled " << HM_VIEWER_TITLE << " was shown";
    }

    void TearDown() override
    {
        if (pid > 0 && waitpid(pid, NULL, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
        }
        if (display != NULL) XCloseDisplay(display);
    }

    Display* display = NULL;
    pid_t pid = 0;
    Window window = 0;
};

TEST_F(ViewerProcessTest, WindowHasTheTitleAndA640By480ClientArea)
{
    EXPECT_EQ(std::string(HM_VIEWER_TITLE).rfind("Hollowmarrane  Package Viewer", 0), 0u);
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
    EXPECT_EQ(attributes.width, 640);
    EXPECT_EQ(attributes.height, 480);
    EXPECT_EQ(attributes.map_state, IsViewable);
}

TEST_F(ViewerProcessTest, ClosingTheWindowEndsTheProcessWithStatus1)
{
    SendClose(display, window);
    EXPECT_EQ(WaitForExit(pid), 1);
    pid = 0;
}

}  // namespace
