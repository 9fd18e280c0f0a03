// wsprintfA on top of the C library's bounded formatter.
#include <stdarg.h>
#include <stdio.h>

#include "shell/platform/win32.h"

// Win32 stores at most 1024 characters, terminator included.
static const int kWsprintfLimit = 1024;

int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    int written = vsnprintf(buffer, kWsprintfLimit, format, args);
    va_end(args);
    if (written < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return written < kWsprintfLimit ? written : kWsprintfLimit - 1;
}
