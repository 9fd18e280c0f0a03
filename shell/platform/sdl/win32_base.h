// Win32 base types for the SDL2 layer: integer types with Win32's widths,
// strict handle types and the calling-convention macros (empty here).
//
// Implements: the types every other part of the layer builds on.
// Does not implement: wide-character types, anything the viewer never names.
#ifndef HM_SHELL_PLATFORM_SDL_WIN32_BASE_H
#define HM_SHELL_PLATFORM_SDL_WIN32_BASE_H

#include <stddef.h>
#include <stdint.h>

#define WINAPI
#define CALLBACK

#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif
#define MAX_PATH 260

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;  // 32 bits as on Windows, unlike a Linux long
typedef int32_t LONG;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t SIZE_T;
typedef void* HANDLE;

// Distinct handle types, so that passing one kind of handle for another is a
// compile error, as under Win32's STRICT.
#define HM_DECLARE_HANDLE(name) \
    struct name##__;            \
    typedef struct name##__* name
HM_DECLARE_HANDLE(HWND);
HM_DECLARE_HANDLE(HDC);
HM_DECLARE_HANDLE(HGLRC);
HM_DECLARE_HANDLE(HINSTANCE);
HM_DECLARE_HANDLE(HICON);
HM_DECLARE_HANDLE(HBRUSH);
HM_DECLARE_HANDLE(HMENU);
HM_DECLARE_HANDLE(HPALETTE);
HM_DECLARE_HANDLE(HBITMAP);
#undef HM_DECLARE_HANDLE
typedef HICON HCURSOR;
typedef void* HGDIOBJ;
typedef HANDLE HLOCAL;

#define LOWORD(l) ((WORD)(((uintptr_t)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((uintptr_t)(l)) >> 16) & 0xffff))

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

// Releases a GDI object of any kind (bitmap, palette).
BOOL DeleteObject(HGDIOBJ handle);

static_assert(sizeof(WORD) == 2 && sizeof(DWORD) == 4 && sizeof(LONG) == 4,
              "Win32 integer widths");
static_assert(sizeof(RECT) == 16, "RECT layout");

#endif
