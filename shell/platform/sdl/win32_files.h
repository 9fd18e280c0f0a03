// Win32 file and local-memory declarations of the SDL2 layer: opening a file
// read-only, mapping it whole into memory, and the local heap.
//
// Implements: CreateFileA for reading existing regular files, GetFileSize,
// CreateFileMappingA and MapViewOfFile for read-only views of a whole file,
// UnmapViewOfFile, CloseHandle for files and mappings, LocalAlloc and
// LocalFree.
// Does not implement: writing, creating or sharing files, named mappings,
// views of part of a file, security attributes, templates.
#ifndef HM_SHELL_PLATFORM_SDL_WIN32_FILES_H
#define HM_SHELL_PLATFORM_SDL_WIN32_FILES_H

#include "shell/platform/sdl/win32_base.h"

#define GENERIC_READ 0x80000000u
#define FILE_SHARE_READ 0x00000001u
#define OPEN_EXISTING 3u
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define INVALID_FILE_SIZE 0xFFFFFFFFu
#define PAGE_READONLY 0x02u
#define FILE_MAP_READ 0x0004u
#define LMEM_FIXED 0x0000u
#define LMEM_ZEROINIT 0x0040u

typedef DWORD* LPDWORD;
// Never filled in by the viewer; only ever passed as NULL.
typedef struct _SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh);
HANDLE CreateFileMappingA(HANDLE hFile, LPSECURITY_ATTRIBUTES lpFileMappingAttributes,
                          DWORD flProtect, DWORD dwMaximumSizeHigh, DWORD dwMaximumSizeLow,
                          LPCSTR lpName);
LPVOID MapViewOfFile(HANDLE hFileMappingObject, DWORD dwDesiredAccess, DWORD dwFileOffsetHigh,
                     DWORD dwFileOffsetLow, SIZE_T dwNumberOfBytesToMap);
BOOL UnmapViewOfFile(LPCVOID lpBaseAddress);
BOOL CloseHandle(HANDLE hObject);

HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes);
// Returns NULL on success, the block itself on failure, as Win32 does.
HLOCAL LocalFree(HLOCAL hMem);

#endif
