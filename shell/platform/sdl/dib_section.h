// The SDL2 layer's private record behind a DIB section, and the converter
// that SetDIBits runs on it.
#ifndef HM_SHELL_PLATFORM_SDL_DIB_SECTION_H
#define HM_SHELL_PLATFORM_SDL_DIB_SECTION_H

#include "shell/platform/sdl/gdi_object.h"

// A 24-bit DIB section: rows of `stride` bytes (a multiple of 4), pixels
// stored blue, green, red; the first row in memory is the bottom row when
// `height` is positive, the top row when it is negative.
struct HBITMAP__ {
    GdiObject header;
    LONG width;
    LONG height;
    size_t stride;
    BYTE* bits;
    void* memory;          // what holds `bits`, for the release
    size_t memoryLength;   // 0: from the C heap; else the length of a mapping
};

// Converts `lines` rows of the source that `info` describes, starting at row
// `start` counted from the bottom, into the section. Uncompressed sources
// hold whole rows padded to 4 bytes; run-length sources hold exactly
// `biSizeImage` bytes, and never more are read. Colour tables hold
// biClrUsed entries (2^bits when 0) for pictures of up to 8 bits, and the
// three channel masks for bit-field pictures. Returns the number of rows
// converted, or 0 when the source is one the converter does not take.
int ConvertDibToSection(HBITMAP__* section, UINT start, UINT lines, const BYTE* bits,
                        const BITMAPINFO* info);

#endif
