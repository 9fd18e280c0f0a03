// Desktop form of the dialog services on Windows: the real modal box and
// focus of user32. Implements HmMessageBoxA and HmGetFocus (see
// win32_dialogs.h); nothing else.
#include "shell/platform/win32.h"

// Here the names mean user32's own calls again.
#undef MessageBoxA
#undef GetFocus

int HmMessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType)
{
    return MessageBoxA(hWnd, lpText, lpCaption, uType);
}

HWND HmGetFocus(void)
{
    return GetFocus();
}
