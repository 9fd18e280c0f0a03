// Logical palettes of the SDL2 layer.
//
// Implements: CreatePalette, SelectPalette, RealizePalette, UpdateColors.
// Does not implement: a system palette. Every format of the layer is true
// colour, so realizing maps no entry and there are no colours to update.
#include <stdlib.h>
#include <string.h>

#include "shell/platform/sdl/gdi_object.h"

struct HPALETTE__ {
    GdiObject header;
    WORD count;
    PALETTEENTRY* entries;
};

static void DestroyPalette(GdiObject* object)
{
    HPALETTE palette = (HPALETTE)object;
    free(palette->entries);
    free(palette);
}

HPALETTE CreatePalette(const LOGPALETTE* plpal)
{
    if (plpal == NULL || plpal->palVersion != 0x300 || plpal->palNumEntries == 0) {
        return NULL;
    }
    HPALETTE palette = (HPALETTE)calloc(1, sizeof(HPALETTE__));
    PALETTEENTRY* entries = (PALETTEENTRY*)malloc(plpal->palNumEntries * sizeof(PALETTEENTRY));
    if (palette == NULL || entries == NULL) {
        free(palette);
        free(entries);
        return NULL;
    }
    memcpy(entries, plpal->palPalEntry, plpal->palNumEntries * sizeof(PALETTEENTRY));
    palette->header.destroy = DestroyPalette;
    palette->count = plpal->palNumEntries;
    palette->entries = entries;
    return palette;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE hPal, BOOL)
{
    if (hdc == NULL || hPal == NULL) {
        return NULL;
    }
    HPALETTE previous = hdc->selectedPalette;
    hdc->selectedPalette = hPal;
    return previous;
}

UINT RealizePalette(HDC)
{
    return 0;
}

BOOL UpdateColors(HDC hdc)
{
    return hdc != NULL;
}
