// The dialog services on Windows, chosen at link time as on Linux.
//
// Viewer code calls MessageBoxA and GetFocus; on Windows this header sends
// both names to HmMessageBoxA and HmGetFocus. The viewer links the desktop
// form (dialogs_desktop.cpp), which hands the calls on to user32; the
// command-line tool links the console form, which prints "CAPTION: TEXT" on
// standard error and never opens a window. So the savegame reader and the
// image loader are compiled once and serve both programs.
//
// Included by shell/platform/win32.h after <windows.h>, whose declarations
// of the two calls stay as they are for the desktop form to use.
#ifndef HM_SHELL_PLATFORM_WINDOWS_WIN32_DIALOGS_H
#define HM_SHELL_PLATFORM_WINDOWS_WIN32_DIALOGS_H

#define MessageBoxA HmMessageBoxA
#define GetFocus HmGetFocus

int HmMessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
HWND HmGetFocus(void);

#endif
