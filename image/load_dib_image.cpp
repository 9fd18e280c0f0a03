// The BMP loader. The file is mapped read-only and used in place: the info
// header is brought to the 40-byte layout with its palette widened, the
// platform's converter turns the rows into a 24-bit DIB section, and the
// section's rows are repacked into tight RGB rows.
//
// Every length the file states is compared with the file's real length
// before anything is read or allocated, so the converter is only ever handed
// rows that are really there; pictures are always returned bottom row first
// with a positive height, top-down ones included.
#include "image/load_dib_image.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

static const char kCaption[] = "Error";
static const char kOpenFailed[] = "Failed to open DIB file %.229s.\n";
static const char kUnknownFormat[] = "Unknown DIB file format.";
static const char kOutOfMemory[] = "Out of memory.";
static const char kConversionError[] = "Image file conversion error.";

static const DWORD kFileHeaderSize = 14;
static const DWORD kCoreHeaderSize = 12;
static const DWORD kInfoHeaderSize = 40;
static const DWORD kMaskBytes = 12;

// A 24-bit section past this size is refused before it is made; it keeps the
// section's and the picture's byte counts inside 32-bit signed arithmetic.
static const uint64_t kMaxSectionBytes = (uint64_t)1 << 30;
// Run-length pictures may describe far more pixels than they have bytes,
// but not without limit: this many pixels are always allowed, and beyond it
// as many as 256 per byte of the stream.
static const uint64_t kRunLengthFreePixels = (uint64_t)1 << 22;
static const uint64_t kRunLengthPixelsPerByte = 256;

// Everything one call makes, so that one release path can undo it.
struct DibLoad {
    HANDLE file;
    HANDLE mapping;
    const BYTE* view;
    uint64_t fileSize;
    BITMAPINFO* source;  // the normalised record
    BITMAPINFO* target;  // the 24-bit section's record
    HDC memoryDc;
    HBITMAP section;
    BYTE* sectionBits;
    unsigned char* data;
    RgbImage* image;
};

static void Report(const char* text)
{
    MessageBoxA(GetFocus(), text, kCaption, MB_OK);
}

static DWORD ReadDword(const BYTE* bytes)
{
    DWORD value;
    memcpy(&value, bytes, 4);
    return value;
}

static WORD ReadWord(const BYTE* bytes)
{
    WORD value;
    memcpy(&value, bytes, 2);
    return value;
}

static int OpenView(DibLoad* load, const char* fileName)
{
    load->file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (load->file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD high = 0;
    DWORD low = GetFileSize(load->file, &high);
    if (low == INVALID_FILE_SIZE && high == 0) {
        return 0;
    }
    load->fileSize = ((uint64_t)high << 32) | low;
    load->mapping = CreateFileMappingA(load->file, NULL, PAGE_READONLY, 0, 0, NULL);
    if (load->mapping == NULL) {
        return 0;
    }
    load->view = (const BYTE*)MapViewOfFile(load->mapping, FILE_MAP_READ, 0, 0, 0);
    return load->view != NULL;
}

// Whether the converter takes this combination of bit count and encoding.
static int IsKnownEncoding(WORD bitCount, DWORD compression)
{
    switch (compression) {
    case BI_RGB:
        return bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8 ||
               bitCount == 16 || bitCount == 24 || bitCount == 32;
    case BI_RLE8:
        return bitCount == 8;
    case BI_RLE4:
        return bitCount == 4;
    case BI_BITFIELDS:
        return bitCount == 16 || bitCount == 32;
    default:
        return 0;
    }
}

// Checks the normalised header against the bytes the file holds from the
// first row on, and the picture's size against what may be allocated.
// Reports and returns 0 when the picture cannot be taken.
static int CheckPicture(const BITMAPINFOHEADER* header, WORD colorCount, uint64_t rowBytes)
{
    LONG width = header->biWidth;
    LONG height = header->biHeight;
    if (width <= 0 || height == 0 || height == INT32_MIN ||
        !IsKnownEncoding(header->biBitCount, header->biCompression) ||
        (header->biBitCount <= 8 && colorCount == 0) ||
        ((header->biCompression == BI_RLE8 || header->biCompression == BI_RLE4) && height < 0)) {
        Report(kConversionError);
        return 0;
    }
    uint64_t rows = height < 0 ? (uint64_t)(-(int64_t)height) : (uint64_t)height;
    uint64_t bitsPerRow = (uint64_t)width * header->biBitCount;
    uint64_t need;
    if (header->biCompression == BI_RLE8 || header->biCompression == BI_RLE4) {
        need = header->biSizeImage;
    } else {
        // Every row padded to 4 bytes; the last row's padding may be missing.
        need = (rows - 1) * (((bitsPerRow + 31) / 32) * 4) + (bitsPerRow + 7) / 8;
    }
    if (need > rowBytes) {
        Report(kConversionError);
        return 0;
    }
    uint64_t pixels = (uint64_t)width * rows;
    if ((header->biCompression == BI_RLE8 || header->biCompression == BI_RLE4) &&
        pixels > kRunLengthFreePixels && pixels / kRunLengthPixelsPerByte > need) {
        Report(kConversionError);
        return 0;
    }
    if ((((uint64_t)width * 3 + 3) & ~(uint64_t)3) * rows > kMaxSectionBytes) {
        Report(kOutOfMemory);
        return 0;
    }
    return 1;
}

// Steps from the mapped file to the normalised record; returns the first row.
static const BYTE* NormaliseHeader(DibLoad* load)
{
    const BYTE* view = load->view;
    uint64_t size = load->fileSize;
    uint64_t headerOffset = 0;
    uint64_t rowsOffset = 0;
    int hasFileHeader = size >= 2 && view[0] == 'B' && view[1] == 'M';
    if (hasFileHeader) {
        headerOffset = kFileHeaderSize;
    }
    if (headerOffset + 4 > size) {
        Report(kUnknownFormat);
        return NULL;
    }
    const BYTE* header = view + headerOffset;
    DWORD headerSize = ReadDword(header);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) {
        Report(kUnknownFormat);
        return NULL;
    }
    if (headerOffset + headerSize > size) {
        Report(kConversionError);
        return NULL;
    }
    WORD colorCount = DibColorCount(header);
    // Bit-field pictures keep their three channel masks in front of the
    // palette, where the converter looks for them.
    DWORD maskBytes = 0;
    if (headerSize == kInfoHeaderSize && ReadDword(header + 16) == BI_BITFIELDS) {
        maskBytes = kMaskBytes;
    }
    uint64_t paletteBytes = (uint64_t)colorCount * (headerSize == kCoreHeaderSize ? 3 : 4);
    uint64_t headersEnd = headerOffset + headerSize + maskBytes + paletteBytes;
    if (headersEnd > size) {
        Report(kConversionError);
        return NULL;
    }
    rowsOffset = hasFileHeader ? ReadDword(view + 10) : headersEnd;
    if (rowsOffset > size) {
        Report(kConversionError);
        return NULL;
    }

    load->source = (BITMAPINFO*)LocalAlloc(LMEM_FIXED, 44 + maskBytes + 4 * (SIZE_T)colorCount);
    if (load->source == NULL) {
        Report(kOutOfMemory);
        return NULL;
    }
    BITMAPINFOHEADER* info = &load->source->bmiHeader;
    BYTE* entries = (BYTE*)load->source->bmiColors;
    if (headerSize == kCoreHeaderSize) {
        memset(info, 0, sizeof *info);
        info->biSize = kInfoHeaderSize;
        info->biWidth = ReadWord(header + 4);
        info->biHeight = ReadWord(header + 6);
        info->biPlanes = ReadWord(header + 8);
        info->biBitCount = ReadWord(header + 10);
        info->biCompression = BI_RGB;
        info->biClrImportant = colorCount;
        const BYTE* triples = header + kCoreHeaderSize;
        for (WORD i = 0; i < colorCount; i++) {
            entries[4 * i] = triples[3 * i];
            entries[4 * i + 1] = triples[3 * i + 1];
            entries[4 * i + 2] = triples[3 * i + 2];
            entries[4 * i + 3] = 0;
        }
    } else {
        memcpy(info, header, kInfoHeaderSize);
        memcpy(entries, header + kInfoHeaderSize, maskBytes + paletteBytes);
    }
    if (info->biSizeImage == 0 || headerSize == kCoreHeaderSize) {
        // Whole bytes per row, not rounded up to 4, times the rows; in 32-bit
        // arithmetic, as the field is.
        info->biSizeImage =
            (((DWORD)info->biWidth * info->biBitCount + 7) / 8) * (DWORD)info->biHeight;
    }
    // The converter reads as many entries as this field names, and the
    // record holds exactly colorCount of them.
    info->biClrUsed = colorCount;

    if (!CheckPicture(info, colorCount, size - rowsOffset)) {
        return NULL;
    }
    return view + rowsOffset;
}

// Makes the 24-bit section that the converter fills: always bottom-up, so a
// top-down source is turned upright by the conversion itself.
static int MakeTarget(DibLoad* load)
{
    const BITMAPINFOHEADER* source = &load->source->bmiHeader;
    LONG rows = source->biHeight < 0 ? -source->biHeight : source->biHeight;
    load->memoryDc = CreateCompatibleDC(NULL);
    if (load->memoryDc == NULL) {
        return 0;
    }
    load->target = (BITMAPINFO*)LocalAlloc(LMEM_ZEROINIT, sizeof(BITMAPINFO));
    if (load->target == NULL) {
        return 0;
    }
    BITMAPINFOHEADER* target = &load->target->bmiHeader;
    target->biSize = kInfoHeaderSize;
    target->biWidth = source->biWidth;
    target->biHeight = rows;
    target->biPlanes = 1;
    target->biBitCount = 24;
    target->biCompression = BI_RGB;
    target->biSizeImage = (DWORD)rows * (DWORD)source->biWidth * 3;
    void* bits = NULL;
    load->section = CreateDIBSection(load->memoryDc, load->target, DIB_RGB_COLORS, &bits, NULL, 0);
    if (load->section == NULL) {
        return 0;
    }
    load->sectionBits = (BYTE*)bits;
    return SelectObject(load->memoryDc, load->section) != NULL;
}

static uint32_t LoadWord(const BYTE* bytes)
{
    uint32_t word;
    memcpy(&word, bytes, 4);
    return word;
}

static void StoreWord(unsigned char* bytes, uint32_t word)
{
    memcpy(bytes, &word, 4);
}

// Section rows (blue, green, red, padded to 4 bytes) into tight RGB rows.
// Four pixels at a time are three 32-bit words whose bytes are reordered
// with shifts (the words are little-endian, as the section is); the rest of
// a row goes pixel by pixel.
static void RepackRows(const BYTE* section, unsigned char* data, LONG width, LONG rows)
{
    size_t rowBytes = (size_t)width * 3;
    size_t quadBytes = rowBytes - rowBytes % 12;
    size_t padding = (size_t)(width % 4);
    for (LONG y = 0; y < rows; y++) {
        size_t i = 0;
        for (; i < quadBytes; i += 12) {
            uint32_t w0 = LoadWord(section + i);      // B0 G0 R0 B1
            uint32_t w1 = LoadWord(section + i + 4);  // G1 R1 B2 G2
            uint32_t w2 = LoadWord(section + i + 8);  // R2 B3 G3 R3
            StoreWord(data + i, ((w0 >> 16) & 0xFF) | (w0 & 0xFF00) | ((w0 & 0xFF) << 16) |
                                    ((w1 & 0xFF00) << 16));
            StoreWord(data + i + 4, (w1 & 0xFF) | ((w0 >> 16) & 0xFF00) | ((w2 & 0xFF) << 16) |
                                        (w1 & 0xFF000000));
            StoreWord(data + i + 8, ((w1 >> 16) & 0xFF) | ((w2 >> 16) & 0xFF00) |
                                        (w2 & 0xFF0000) | ((w2 & 0xFF00) << 16));
        }
        for (; i < rowBytes; i += 3) {
            data[i] = section[i + 2];
            data[i + 1] = section[i + 1];
            data[i + 2] = section[i];
        }
        data += rowBytes;
        section += rowBytes + padding;
    }
}

static void Decode(DibLoad* load)
{
    const BYTE* rows = NormaliseHeader(load);
    if (rows == NULL) {
        return;
    }
    if (!MakeTarget(load)) {
        Report(kOutOfMemory);
        return;
    }
    const BITMAPINFOHEADER* target = &load->target->bmiHeader;
    if (SetDIBits(load->memoryDc, load->section, 0, (UINT)target->biHeight, rows, load->source,
                  DIB_RGB_COLORS) == 0) {
        Report(kConversionError);
        return;
    }
    GdiFlush();
    load->data = (unsigned char*)malloc(target->biSizeImage);
    if (load->data == NULL) {
        Report(kOutOfMemory);
        return;
    }
    RepackRows(load->sectionBits, load->data, target->biWidth, target->biHeight);
    load->image = (RgbImage*)malloc(sizeof(RgbImage));
    if (load->image == NULL) {
        Report(kOutOfMemory);
        return;
    }
    load->image->width = target->biWidth;
    load->image->height = target->biHeight;
    load->image->data = load->data;
}

static void Release(DibLoad* load)
{
    if (load->memoryDc != NULL) {
        DeleteDC(load->memoryDc);
    }
    if (load->section != NULL) {
        DeleteObject(load->section);
    }
    if (load->target != NULL) {
        LocalFree(load->target);
    }
    if (load->source != NULL) {
        LocalFree(load->source);
    }
    if (load->view != NULL) {
        UnmapViewOfFile(load->view);
    }
    if (load->mapping != NULL) {
        CloseHandle(load->mapping);
    }
    if (load->file != INVALID_HANDLE_VALUE) {
        CloseHandle(load->file);
    }
}

RgbImage* LoadDibImage(const char* fileName)
{
    DibLoad load;
    memset(&load, 0, sizeof load);
    load.file = INVALID_HANDLE_VALUE;
    int opened = OpenView(&load, fileName);
    if (opened) {
        Decode(&load);
    }
    Release(&load);
    if (load.image == NULL) {
        free(load.data);
        if (!opened) {
            // The name is cut to what the 256-character text can hold.
            char text[256];
            wsprintfA(text, kOpenFailed, fileName);
            Report(text);
        }
    }
    return load.image;
}
