#include <string.h>

#include "image/load_dib_image.h"

static WORD ColorsForBitCount(WORD bitCount)
{
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

WORD DibColorCount(const void* header)
{
    // The header may sit at any byte of a mapped file, so its fields are
    // copied out rather than read through a structure pointer.
    const BYTE* bytes = (const BYTE*)header;
    DWORD size;
    WORD bitCount;
    memcpy(&size, bytes, 4);
    if (size == 12) {
        memcpy(&bitCount, bytes + 10, 2);
        return ColorsForBitCount(bitCount);
    }
    DWORD colorsUsed;
    memcpy(&colorsUsed, bytes + 32, 4);
    if (colorsUsed != 0) {
        return (WORD)(colorsUsed & 0xFFFF);
    }
    memcpy(&bitCount, bytes + 14, 2);
    return ColorsForBitCount(bitCount);
}
