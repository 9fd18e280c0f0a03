// The DIB converter of the SDL2 layer: turns the rows of a device-independent
// bitmap into the 24-bit pixels of a DIB section.
//
// Implements: 1-, 2-, 4- and 8-bit palette pictures, 16- and 32-bit pictures
// with the default channels or with bit fields, 24-bit pictures, RLE8 and
// RLE4 streams (runs, absolute runs, end of line, delta, end of picture);
// bottom-up and top-down sources and sections.
// Does not implement: top-down run-length pictures (Win32 refuses them too),
// JPEG or PNG payloads, alpha, DIB_PAL_COLORS.
//
// The converter never reads outside the source its caller describes and never
// writes outside the section: pixels that fall beyond the section are dropped,
// and a run-length stream that ends early or runs past the picture stops.
#include <stdint.h>
#include <string.h>

#include "shell/platform/sdl/dib_section.h"
#include "shell/platform/win32.h"

// Where the converted rows go: the section's memory row of each picture row,
// and the pixels of a row that fit in both picture and section.
struct DibTarget {
    HBITMAP__* section;
    int64_t rows;     // picture rows the section holds
    int64_t width;    // pixels written per row
};

// The section row that shows picture row `row`, counted from the bottom, or
// NULL when the section has no such row.
static BYTE* TargetRow(const DibTarget* target, int64_t row)
{
    if (row < 0 || row >= target->rows) {
        return NULL;
    }
    int64_t memoryRow = target->section->height > 0 ? row : target->rows - 1 - row;
    return target->section->bits + (size_t)memoryRow * target->section->stride;
}

// One channel of a bit-field pixel: where it sits and how to widen it to 8
// bits, round(v * 255 / (2^n - 1)).
struct Channel {
    uint32_t mask;
    int shift;
    uint64_t maxValue;
};

static Channel MakeChannel(uint32_t mask)
{
    Channel channel = {mask, 0, 0};
    if (mask == 0) {
        return channel;
    }
    while (((mask >> channel.shift) & 1u) == 0) {
        channel.shift++;
    }
    int top = 31;
    while (((mask >> top) & 1u) == 0) {
        top--;
    }
    channel.maxValue = ((uint64_t)1 << (top - channel.shift + 1)) - 1;
    return channel;
}

static BYTE ScaleChannel(const Channel* channel, uint32_t pixel)
{
    if (channel->maxValue == 0) {
        return 0;
    }
    uint64_t value = (pixel & channel->mask) >> channel->shift;
    return (BYTE)((value * 255 + channel->maxValue / 2) / channel->maxValue);
}

// Everything a row decoder needs about the source's pixels.
struct SourceFormat {
    int bitCount;
    BYTE palette[256][3];  // blue, green, red; unused entries black
    uint32_t words[256];   // the palette as little-endian words blue, green, red, 0
    Channel channels[3];   // red, green, blue
    bool plainBytes;       // 32-bit pixels whose channels are whole bytes B, G, R
};

static uint32_t ReadMask(const BITMAPINFO* info, int index)
{
    uint32_t mask;
    memcpy(&mask, (const BYTE*)info->bmiColors + 4 * index, 4);
    return mask;
}

static void ReadFormat(const BITMAPINFO* info, SourceFormat* format)
{
    const BITMAPINFOHEADER* header = &info->bmiHeader;
    format->bitCount = header->biBitCount;
    format->plainBytes = false;
    memset(format->palette, 0, sizeof format->palette);
    if (header->biBitCount <= 8) {
        uint32_t limit = 1u << header->biBitCount;
        uint32_t count = header->biClrUsed != 0 && header->biClrUsed < limit ? header->biClrUsed : limit;
        const BYTE* colors = (const BYTE*)info->bmiColors;
        for (uint32_t i = 0; i < count; i++) {
            format->palette[i][0] = colors[4 * i];
            format->palette[i][1] = colors[4 * i + 1];
            format->palette[i][2] = colors[4 * i + 2];
        }
        for (int i = 0; i < 256; i++) {
            format->words[i] = (uint32_t)format->palette[i][0] |
                               ((uint32_t)format->palette[i][1] << 8) |
                               ((uint32_t)format->palette[i][2] << 16);
        }
        return;
    }
    uint32_t masks[3] = {0, 0, 0};
    if (header->biCompression == BI_BITFIELDS) {
        masks[0] = ReadMask(info, 0);
        masks[1] = ReadMask(info, 1);
        masks[2] = ReadMask(info, 2);
    } else if (header->biBitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
    }
    for (int i = 0; i < 3; i++) {
        format->channels[i] = MakeChannel(masks[i]);
    }
    format->plainBytes = header->biBitCount == 32 && masks[0] == 0x00FF0000 &&
                         masks[1] == 0x0000FF00 && masks[2] == 0x000000FF;
}

static void DecodeRow(const SourceFormat* format, const BYTE* src, BYTE* dst, int64_t width)
{
    switch (format->bitCount) {
    case 24:
        memcpy(dst, src, (size_t)width * 3);
        return;
    case 8:
        // Whole words per pixel, each overwriting the next pixel's first
        // byte before that pixel is written; the last pixel goes bytewise so
        // nothing lands past the row.
        for (int64_t x = 0; x + 1 < width; x++) {
            memcpy(dst + 3 * x, &format->words[src[x]], 4);
        }
        memcpy(dst + 3 * (width - 1), format->palette[src[width - 1]], 3);
        return;
    case 1:
    case 2:
    case 4: {
        int bits = format->bitCount;
        unsigned indexMask = (1u << bits) - 1;
        for (int64_t x = 0; x < width; x++) {
            int64_t bitPos = x * bits;
            unsigned index = (src[bitPos >> 3] >> (8 - bits - (bitPos & 7))) & indexMask;
            memcpy(dst + 3 * x, format->palette[index], 3);
        }
        return;
    }
    case 16:
        for (int64_t x = 0; x < width; x++) {
            uint32_t pixel = (uint32_t)src[2 * x] | ((uint32_t)src[2 * x + 1] << 8);
            dst[3 * x] = ScaleChannel(&format->channels[2], pixel);
            dst[3 * x + 1] = ScaleChannel(&format->channels[1], pixel);
            dst[3 * x + 2] = ScaleChannel(&format->channels[0], pixel);
        }
        return;
    case 32:
        if (format->plainBytes) {
            for (int64_t x = 0; x < width; x++) {
                dst[3 * x] = src[4 * x];
                dst[3 * x + 1] = src[4 * x + 1];
                dst[3 * x + 2] = src[4 * x + 2];
            }
            return;
        }
        for (int64_t x = 0; x < width; x++) {
            uint32_t pixel;
            memcpy(&pixel, src + 4 * x, 4);
            dst[3 * x] = ScaleChannel(&format->channels[2], pixel);
            dst[3 * x + 1] = ScaleChannel(&format->channels[1], pixel);
            dst[3 * x + 2] = ScaleChannel(&format->channels[0], pixel);
        }
        return;
    }
}

// Uncompressed rows, each padded to 4 bytes.
static int ConvertRows(const DibTarget* target, const SourceFormat* format, const BYTE* bits,
                       const BITMAPINFOHEADER* header, UINT start, UINT lines)
{
    int64_t pictureRows = header->biHeight < 0 ? -(int64_t)header->biHeight : header->biHeight;
    if ((int64_t)start >= pictureRows) {
        return 0;
    }
    int64_t count = (int64_t)lines < pictureRows - start ? (int64_t)lines : pictureRows - start;
    size_t stride = (size_t)((((int64_t)header->biWidth * header->biBitCount + 31) / 32) * 4);
    for (int64_t i = 0; i < count; i++) {
        int64_t row = header->biHeight > 0 ? start + i : pictureRows - 1 - (start + i);
        BYTE* dst = TargetRow(target, row);
        if (dst != NULL) {
            DecodeRow(format, bits + (size_t)i * stride, dst, target->width);
        }
    }
    return (int)count;
}

static void PutPixel(const DibTarget* target, const SourceFormat* format, int64_t x, int64_t y,
                     unsigned index)
{
    if (x >= target->width) {
        return;
    }
    BYTE* dst = TargetRow(target, y);
    if (dst != NULL) {
        memcpy(dst + 3 * x, format->palette[index], 3);
    }
}

// A run-length stream of exactly `length` bytes, RLE8 (bitCount 8) or RLE4
// (bitCount 4). Pixels that the stream skips keep the section's colour.
static void ConvertRunLength(const DibTarget* target, const SourceFormat* format, const BYTE* bits,
                             size_t length, int64_t pictureRows)
{
    bool four = format->bitCount == 4;
    size_t pos = 0;
    int64_t x = 0;
    int64_t y = 0;
    while (y < pictureRows && length - pos >= 2) {
        unsigned first = bits[pos];
        unsigned second = bits[pos + 1];
        pos += 2;
        if (first > 0) {
            // A run: `first` pixels of one index, or of two alternating ones.
            for (unsigned i = 0; i < first; i++) {
                unsigned index = four ? ((i & 1) ? second & 0x0F : second >> 4) : second;
                PutPixel(target, format, x + i, y, index);
            }
            x += first;
        } else if (second == 0) {
            x = 0;
            y++;
        } else if (second == 1) {
            return;
        } else if (second == 2) {
            if (length - pos < 2) {
                return;
            }
            x += bits[pos];
            y += bits[pos + 1];
            pos += 2;
        } else {
            // Absolute: `second` indices as they stand, padded to a 16-bit word.
            size_t bytes = four ? (second + 1) / 2 : second;
            size_t available = length - pos < bytes ? length - pos : bytes;
            for (unsigned i = 0; i < second; i++) {
                size_t byte = four ? i / 2 : i;
                if (byte >= available) {
                    return;
                }
                unsigned value = bits[pos + byte];
                unsigned index = four ? ((i & 1) ? value & 0x0F : value >> 4) : value;
                PutPixel(target, format, x + i, y, index);
            }
            x += second;
            pos += bytes + (bytes & 1);
            if (pos > length) {
                return;
            }
        }
    }
}

int ConvertDibToSection(HBITMAP__* section, UINT start, UINT lines, const BYTE* bits,
                        const BITMAPINFO* info)
{
    const BITMAPINFOHEADER* header = &info->bmiHeader;
    if (header->biSize != sizeof(BITMAPINFOHEADER) || header->biWidth <= 0 ||
        header->biHeight == 0 || header->biHeight == INT32_MIN || header->biPlanes != 1) {
        return 0;
    }
    int bitCount = header->biBitCount;
    bool runLength = false;
    switch (header->biCompression) {
    case BI_RGB:
        if (bitCount != 1 && bitCount != 2 && bitCount != 4 && bitCount != 8 && bitCount != 16 &&
            bitCount != 24 && bitCount != 32) {
            return 0;
        }
        break;
    case BI_RLE8:
    case BI_RLE4:
        if (bitCount != (header->biCompression == BI_RLE8 ? 8 : 4) || header->biHeight < 0 ||
            header->biSizeImage == 0 || start != 0) {
            return 0;
        }
        runLength = true;
        break;
    case BI_BITFIELDS:
        if (bitCount != 16 && bitCount != 32) {
            return 0;
        }
        break;
    default:
        return 0;
    }

    SourceFormat format;
    ReadFormat(info, &format);
    DibTarget target;
    target.section = section;
    target.rows = section->height < 0 ? -(int64_t)section->height : section->height;
    target.width = header->biWidth < section->width ? header->biWidth : section->width;

    if (runLength) {
        if (lines == 0) {
            return 0;
        }
        ConvertRunLength(&target, &format, bits, header->biSizeImage, header->biHeight);
        return (int)((int64_t)lines < header->biHeight ? lines : (UINT)header->biHeight);
    }
    return ConvertRows(&target, &format, bits, header, start, lines);
}
