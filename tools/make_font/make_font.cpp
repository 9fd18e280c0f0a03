// hm-make-font OUT.bmp [FONTFILE]: renders the viewer's font picture with
// FreeType: 256 x 256 pixels, 16 x 16 cells of 16 pixels, the glyph of
// character code k in column k mod 16 and row k div 16 counted from the top,
// white (with grey edges) on black.
//   Implements: printable ASCII 33..126, all on one baseline, each glyph
//   centred in its cell with a black border one pixel wide.
//   Does not: codes 0..32 and 127..255, which stay black (the viewer's text
//   never reaches codes above 127, and a black cell draws nothing).
// The black border matters: the viewer samples the cells with linear
// filtering, so ink on a cell's edge would bleed into the neighbouring glyph.
#include <ctype.h>
#include <stdio.h>

#include <algorithm>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "tools/bmp_writer/bmp_writer.h"

#ifndef HM_FONT_FILE
#define HM_FONT_FILE ""
#endif

namespace {

const int kCell = 16;
const int kInside = kCell - 2;  // ink area inside the one-pixel border
const int kFirstCode = 33;
const int kLastCode = 126;

struct Extent {
    int top;     // highest ink row above the baseline
    int bottom;  // lowest ink row, below the baseline when negative
    int width;   // widest glyph bitmap
};

bool LoadGlyph(FT_Face face, int code)
{
    return FT_Load_Char(face, (FT_ULong)code, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0;
}

// Letters and digits set the size; brackets and bars that reach further are
// moved or cut to fit rather than shrinking every glyph.
Extent MeasureLettersAndDigits(FT_Face face)
{
    Extent e = {-1000, 1000, 0};
    for (int code = kFirstCode; code <= kLastCode; code++) {
        if (!isalnum(code) || !LoadGlyph(face, code)) {
            continue;
        }
        FT_GlyphSlot g = face->glyph;
        e.top = std::max(e.top, g->bitmap_top);
        e.bottom = std::min(e.bottom, g->bitmap_top - (int)g->bitmap.rows);
        e.width = std::max(e.width, (int)g->bitmap.width);
    }
    return e;
}

// Copies the rendered glyph into its cell, moved as little as needed to keep
// it inside the border; what still does not fit is cut off.
void PlaceGlyph(RgbPicture* picture, int code, FT_GlyphSlot g, int baseline)
{
    int cellX = (code % 16) * kCell;
    int cellY = (code / 16) * kCell;
    int advance = (int)(g->advance.x >> 6);
    int left = (kCell - advance) / 2 + g->bitmap_left;
    int top = baseline - g->bitmap_top;
    int w = (int)g->bitmap.width;
    int h = (int)g->bitmap.rows;
    left = std::max(1, std::min(left, kCell - 1 - w));
    top = std::max(1, std::min(top, kCell - 1 - h));
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            int px = left + x;
            int py = top + y;
            if (px < 1 || px > kCell - 2 || py < 1 || py > kCell - 2) {
                continue;
            }
            unsigned char v = g->bitmap.buffer[y * g->bitmap.pitch + x];
            unsigned char* dst =
                &picture->rgb[((size_t)(cellY + py) * picture->width + cellX + px) * 3];
            dst[0] = dst[1] = dst[2] = v;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: hm-make-font OUT.bmp [FONTFILE]\n");
        return 2;
    }
    std::string fontFile = argc == 3 ? argv[2] : HM_FONT_FILE;

    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0) {
        fprintf(stderr, "hm-make-font: cannot start FreeType\n");
        return 1;
    }
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        fprintf(stderr, "hm-make-font: cannot read the font file '%s'\n", fontFile.c_str());
        FT_Done_FreeType(library);
        return 1;
    }

    // The largest size at which letters and digits fit the ink area on a
    // shared baseline. The viewer advances 16 pixels per character, so the
    // glyphs are drawn as wide as the cell allows (up to half again their
    // natural width); narrow ones would leave words looking spaced out.
    int size = 18;
    int width = size;
    Extent extent = {0, 0, 0};
    int fits = 0;
    for (; size > 6 && !fits; size--) {
        for (width = size * 3 / 2; width >= size; width--) {
            FT_Set_Pixel_Sizes(face, (FT_UInt)width, (FT_UInt)size);
            extent = MeasureLettersAndDigits(face);
            if (extent.top - extent.bottom <= kInside && extent.width <= kInside) {
                fits = 1;
                break;
            }
        }
    }
    size++;
    int baseline = 1 + extent.top;

    RgbPicture picture = MakeRgbPicture(16 * kCell, 16 * kCell);
    for (int code = kFirstCode; code <= kLastCode; code++) {
        if (LoadGlyph(face, code)) {
            PlaceGlyph(&picture, code, face->glyph, baseline);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    if (!WriteBmp24(argv[1], picture)) {
        fprintf(stderr, "hm-make-font: cannot write %s\n", argv[1]);
        return 1;
    }
    printf("hm-make-font: %d x %d px glyphs, baseline at row %d of each cell\n", width, size,
           baseline);
    return 0;
}
