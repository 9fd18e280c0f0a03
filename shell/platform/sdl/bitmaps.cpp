// Memory device contexts and 24-bit DIB sections of the SDL2 layer.
//
// Implements: CreateCompatibleDC (a memory context, with a stock 1 x 1 bitmap
// selected as under Win32), DeleteDC, CreateDIBSection for 24-bit
// uncompressed sections, SelectObject for bitmaps, SetDIBits (through the
// converter in dib_convert.cpp), GdiFlush.
// Does not implement: window contexts (GetDC lives with the GL surface),
// sections of other depths, file-backed sections, DIB_PAL_COLORS.
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>

#include "shell/platform/sdl/dib_section.h"
#include "shell/platform/win32.h"

// Sections larger than this are refused as if memory had run out; it keeps
// every byte count of a section well inside 32-bit signed arithmetic, which
// Win32 callers use for image sizes.
static const uint64_t kMaxSectionBytes = (uint64_t)1 << 30;

static void DestroyStockBitmap(GdiObject*)
{
}

// What a new memory context holds before anything is selected into it.
static HBITMAP__ g_stockBitmap = {{DestroyStockBitmap}, 1, 1, 4, NULL, NULL, 0};

// Sections of at least this size get their own mapping, aligned so that
// the kernel can back it with huge pages: a map-sized section then costs a
// handful of page faults instead of thousands.
static const size_t kHugePage = (size_t)2 << 20;

// Zero-filled memory for a section's pixels; `*length` receives what to
// release with ReleaseSectionMemory.
static BYTE* AllocateSectionMemory(size_t bytes, void** base, size_t* length)
{
    if (bytes < kHugePage) {
        *base = calloc(1, bytes);
        *length = 0;
        return (BYTE*)*base;
    }
    *length = bytes + kHugePage;
    void* mapped = mmap(NULL, *length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        *base = NULL;
        return NULL;
    }
    *base = mapped;
    uintptr_t aligned = ((uintptr_t)mapped + kHugePage - 1) & ~(uintptr_t)(kHugePage - 1);
    madvise((void*)aligned, bytes, MADV_HUGEPAGE);
    return (BYTE*)aligned;
}

static void ReleaseSectionMemory(void* base, size_t length)
{
    if (length == 0) {
        free(base);
    } else {
        munmap(base, length);
    }
}

static void DestroySection(GdiObject* object)
{
    HBITMAP__* section = (HBITMAP__*)object;
    ReleaseSectionMemory(section->memory, section->memoryLength);
    free(section);
}

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc != NULL) {
        // Only contexts compatible with the screen are offered.
        return NULL;
    }
    HDC context = (HDC)calloc(1, sizeof(HDC__));
    if (context == NULL) {
        return NULL;
    }
    context->selectedBitmap = &g_stockBitmap;
    return context;
}

BOOL DeleteDC(HDC hdc)
{
    if (hdc == NULL || hdc->window != NULL) {
        return FALSE;
    }
    free(hdc);
    return TRUE;
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                         DWORD)
{
    if (ppvBits != NULL) {
        *ppvBits = NULL;
    }
    if (pbmi == NULL || usage != DIB_RGB_COLORS || hSection != NULL) {
        return NULL;
    }
    const BITMAPINFOHEADER* header = &pbmi->bmiHeader;
    if (header->biSize != sizeof(BITMAPINFOHEADER) || header->biPlanes != 1 ||
        header->biBitCount != 24 || header->biCompression != BI_RGB || header->biWidth <= 0 ||
        header->biHeight == 0 || header->biHeight == INT32_MIN) {
        return NULL;
    }
    uint64_t rows = (uint64_t)(header->biHeight < 0 ? -(int64_t)header->biHeight : header->biHeight);
    uint64_t stride = ((uint64_t)header->biWidth * 3 + 3) & ~(uint64_t)3;
    if (stride * rows > kMaxSectionBytes) {
        return NULL;
    }
    HBITMAP__* section = (HBITMAP__*)malloc(sizeof(HBITMAP__));
    if (section == NULL) {
        return NULL;
    }
    // A new section is black, as under Win32; pictures that skip pixels
    // (run-length deltas) leave them so.
    section->bits = AllocateSectionMemory((size_t)(stride * rows), &section->memory,
                                          &section->memoryLength);
    if (section->bits == NULL) {
        free(section);
        return NULL;
    }
    section->header.destroy = DestroySection;
    section->width = header->biWidth;
    section->height = header->biHeight;
    section->stride = (size_t)stride;
    if (ppvBits != NULL) {
        *ppvBits = section->bits;
    }
    return section;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    GdiObject* object = (GdiObject*)h;
    // Bitmaps are the only objects selected this way; palettes have
    // SelectPalette.
    if (hdc == NULL || object == NULL || hdc->window != NULL ||
        (object->destroy != DestroySection && object->destroy != DestroyStockBitmap)) {
        return NULL;
    }
    HBITMAP previous = hdc->selectedBitmap;
    hdc->selectedBitmap = (HBITMAP)object;
    return previous;
}

int SetDIBits(HDC, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits,
              const BITMAPINFO* lpbmi, UINT ColorUse)
{
    if (hbm == NULL || hbm == &g_stockBitmap || hbm->header.destroy != DestroySection ||
        lpBits == NULL || lpbmi == NULL || ColorUse != DIB_RGB_COLORS) {
        return 0;
    }
    return ConvertDibToSection(hbm, start, cLines, (const BYTE*)lpBits, lpbmi);
}

BOOL GdiFlush(void)
{
    // The converter writes the section's memory directly; nothing is queued.
    return TRUE;
}
