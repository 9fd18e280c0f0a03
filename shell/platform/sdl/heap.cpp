// The process heap of the SDL2 layer: the C heap behind Win32's names.
//
// Implements: GetProcessHeap, HeapAlloc (with HEAP_ZERO_MEMORY), HeapFree.
// Does not implement: private heaps, HeapReAlloc, HeapSize.
#include <stdlib.h>

#include "shell/platform/win32.h"

static int g_processHeap;

HANDLE GetProcessHeap(void)
{
    return &g_processHeap;
}

LPVOID HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes)
{
    if (hHeap != &g_processHeap) {
        return NULL;
    }
    // Like Win32, a request of 0 bytes yields a valid block.
    SIZE_T size = dwBytes > 0 ? dwBytes : 1;
    return (dwFlags & HEAP_ZERO_MEMORY) != 0 ? calloc(1, size) : malloc(size);
}

BOOL HeapFree(HANDLE hHeap, DWORD, LPVOID lpMem)
{
    if (hHeap != &g_processHeap) {
        return FALSE;
    }
    free(lpMem);
    return TRUE;
}
