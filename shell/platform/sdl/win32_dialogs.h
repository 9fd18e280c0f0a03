// Win32 dialog services of the SDL2 layer: message boxes, focus and the
// bounded string formatter of the viewer's reports.
//
// Two forms exist, chosen at link time: the desktop form (dialogs_sdl.cpp)
// shows real modal boxes; the console form (dialogs_console.cpp) writes
// "CAPTION: TEXT" to standard error and returns at once, for the command-line
// tool and the unit tests.
#ifndef HM_SHELL_PLATFORM_SDL_WIN32_DIALOGS_H
#define HM_SHELL_PLATFORM_SDL_WIN32_DIALOGS_H

#include "shell/platform/sdl/win32_base.h"

#define MB_OK 0x00000000u
#define MB_ICONERROR 0x00000010u
#define IDOK 1

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

// The file-open dialog. The layer shows the desktop's own file chooser.
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_EXPLORER 0x00080000u

typedef uintptr_t(CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagOFNA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    // Later extension fields.
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
} OPENFILENAMEA, *LPOPENFILENAMEA;

// The structure's size without the later extension fields.
#define OPENFILENAME_SIZE_VERSION_400A (offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR))

static_assert(sizeof(void*) != 8 || OPENFILENAME_SIZE_VERSION_400A == 136, "OPENFILENAMEA layout");
static_assert(sizeof(void*) != 4 || OPENFILENAME_SIZE_VERSION_400A == 76, "OPENFILENAMEA layout");

// Shows the dialog; TRUE with the chosen path in lpstrFile, FALSE when the
// user cancelled, the path does not fit nMaxFile, or no dialog could be shown.
BOOL GetOpenFileNameA(LPOPENFILENAMEA lpofn);
HWND GetFocus(void);

// Like Win32's wsprintfA: at most 1024 characters, terminator included, are
// written; %s, %c, %d, %i, %u, %x, %X with flags, width and precision.
// Returns the number of characters stored, without the terminator.
int wsprintfA(LPSTR buffer, LPCSTR format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

#endif
