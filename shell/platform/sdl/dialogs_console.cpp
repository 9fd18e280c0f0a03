// Console form of the dialog services, for the command-line tool and the
// unit tests: a box becomes one line "CAPTION: TEXT" on standard error and
// returns at once as if OK had been pressed, so nothing ever waits on a
// window. There is no window, so nothing has the keyboard focus.
#include <stdio.h>

#include "shell/platform/win32.h"

int MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT)
{
    fprintf(stderr, "%s: %s\n", lpCaption ? lpCaption : "Error", lpText ? lpText : "");
    fflush(stderr);
    return IDOK;
}

HWND GetFocus(void)
{
    return NULL;
}
