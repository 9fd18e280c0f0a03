// The local heap of the SDL2 layer, on the C heap.
//
// Implements: LocalAlloc with LMEM_FIXED (the block is its own handle) and
// LMEM_ZEROINIT, LocalFree.
// Does not implement: movable blocks (LMEM_MOVEABLE), LocalLock, LocalReAlloc.
#include <stdlib.h>

#include "shell/platform/win32.h"

HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes)
{
    if ((uFlags & ~LMEM_ZEROINIT) != LMEM_FIXED) {
        return NULL;
    }
    // malloc(0) may return NULL; Win32 hands out a block of zero bytes.
    size_t bytes = uBytes > 0 ? uBytes : 1;
    return (uFlags & LMEM_ZEROINIT) ? calloc(1, bytes) : malloc(bytes);
}

HLOCAL LocalFree(HLOCAL hMem)
{
    free(hMem);
    return NULL;
}
