// The one header through which viewer code reaches the window system.
//
// On Windows it is the real Win32 API. Elsewhere it is our own subset on top
// of SDL2 and POSIX (shell/platform/sdl/), which declares exactly the calls,
// messages and structures the viewer uses, with Win32's numeric values and
// layouts. A call the layer does not offer fails to compile.
#ifndef HM_SHELL_PLATFORM_WIN32_H
#define HM_SHELL_PLATFORM_WIN32_H

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commdlg.h>
#include "shell/platform/windows/win32_dialogs.h"
#else
#include "shell/platform/sdl/win32_base.h"
#include "shell/platform/sdl/win32_bitmaps.h"
#include "shell/platform/sdl/win32_dialogs.h"
#include "shell/platform/sdl/win32_files.h"
#include "shell/platform/sdl/win32_surface.h"
#include "shell/platform/sdl/win32_window.h"
#endif

#endif
