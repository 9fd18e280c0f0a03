// hm-make-map OUT.bmp [FONTFILE]: paints the viewer's map picture, our own
// artwork: 2048 x 2048 pixels over world -2048..+2048 on both axes (left
// column x = -2048, bottom row y = -2048, one pixel per two world units).
//   Implements: a calm ground of muted greens, browns and blue-greys from
//   smooth procedural noise with soft relief shading and faint contours; a
//   grid line every 256 world units, stronger every 1024, the axes through 0
//   strongest; the coordinates of every 512 units written along the four
//   edges with FreeType.
//   Does not: any saturated red. The viewer draws the packages as pure red
//   markers, so every pixel keeps its red channel close to its green and blue
//   and the ground stays fairly dark.
// The same picture comes out on every run: the noise is a fixed hash.
#include <math.h>
#include <stdint.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "tools/bmp_writer/bmp_writer.h"

#ifndef HM_LABEL_FONT_FILE
#define HM_LABEL_FONT_FILE ""
#endif

namespace {

const int kSize = 2048;
const int kWorldMin = -2048;
const int kWorldMax = 2048;
const int kUnitsPerPixel = 2;

struct Colour {
    float r, g, b;
};

Colour Mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float Smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

// ---- ground ---------------------------------------------------------------

float Lattice(int x, int y, uint32_t layer)
{
    uint32_t h = (uint32_t)x * 0x8da6b343u ^ (uint32_t)y * 0xd8163841u ^ layer * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (float)(h & 0xffffu) / 65535.0f;
}

float ValueNoise(float x, float y, uint32_t layer)
{
    int xi = (int)floorf(x);
    int yi = (int)floorf(y);
    float tx = Smooth(x - (float)xi);
    float ty = Smooth(y - (float)yi);
    float a = Lattice(xi, yi, layer);
    float b = Lattice(xi + 1, yi, layer);
    float c = Lattice(xi, yi + 1, layer);
    float d = Lattice(xi + 1, yi + 1, layer);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Height in 0..1 at picture position (x, y): a few broad regions with gentle
// detail on top.
float Height(float x, float y)
{
    float sum = 0.0f;
    float amplitude = 0.5f;
    float scale = 1.0f / 420.0f;
    for (uint32_t octave = 0; octave < 5; octave++) {
        sum += amplitude * ValueNoise(x * scale, y * scale, octave + 1);
        amplitude *= 0.42f;
        scale *= 2.03f;
    }
    return sum / 0.86f;
}

Colour GroundColour(float h)
{
    static const Colour kStops[] = {
        {58, 72, 84},    // low ground, blue-grey
        {66, 84, 80},    // damp, grey-green
        {76, 96, 68},    // meadow, muted green
        {92, 100, 70},   // olive
        {104, 96, 76},   // dry, light brown
        {110, 106, 98},  // high ground, grey-brown
    };
    const int count = (int)(sizeof(kStops) / sizeof(kStops[0]));
    float t = std::max(0.0f, std::min(1.0f, (h - 0.22f) / 0.56f)) * (float)(count - 1);
    int i = std::min((int)t, count - 2);
    return Mix(kStops[i], kStops[i + 1], Smooth(t - (float)i));
}

// The ground is smooth, so it is worked out on a coarser lattice and
// interpolated; the whole picture takes a fraction of a second.
void PaintGround(RgbPicture* picture)
{
    const int step = 4;
    const int n = kSize / step + 2;
    std::vector<float> heights((size_t)n * n);
    for (int j = 0; j < n; j++) {
        for (int i = 0; i < n; i++) {
            heights[(size_t)j * n + i] = Height((float)(i * step), (float)(j * step));
        }
    }
    for (int y = 0; y < kSize; y++) {
        int j = y / step;
        float fy = (float)(y % step) / step;
        for (int x = 0; x < kSize; x++) {
            int i = x / step;
            float fx = (float)(x % step) / step;
            const float* row0 = &heights[(size_t)j * n + i];
            const float* row1 = row0 + n;
            float h0 = row0[0] + (row0[1] - row0[0]) * fx;
            float h1 = row1[0] + (row1[1] - row1[0]) * fx;
            float h = h0 + (h1 - h0) * fy;

            // Relief lit from the upper left, from the coarse slope.
            float slope = ((row0[1] - row0[0]) + (row1[1] - row1[0]) +
                           (row1[0] - row0[0]) + (row1[1] - row0[1])) * 0.5f;
            float light = 1.0f - 7.0f * slope;
            light = std::max(0.86f, std::min(1.14f, light));

            // Faint contours: a slight darkening near every 0.05 of height.
            float band = h / 0.05f;
            float d = fabsf(band - floorf(band + 0.5f));
            float contour = d < 0.06f ? 0.9f + 0.1f * (d / 0.06f) : 1.0f;

            // A touch of fine grain so large areas do not look flat.
            float grain = 0.96f + 0.08f * Lattice(x, y, 99);

            Colour c = GroundColour(h);
            float k = light * contour * grain;
            unsigned char* dst = &picture->rgb[((size_t)y * kSize + x) * 3];
            dst[0] = (unsigned char)std::min(255.0f, c.r * k);
            dst[1] = (unsigned char)std::min(255.0f, c.g * k);
            dst[2] = (unsigned char)std::min(255.0f, c.b * k);
        }
    }
}

// ---- grid -----------------------------------------------------------------

void Blend(RgbPicture* picture, int x, int y, Colour c, float alpha)
{
    if (x < 0 || y < 0 || x >= picture->width || y >= picture->height || alpha <= 0.0f) {
        return;
    }
    alpha = std::min(alpha, 1.0f);
    unsigned char* dst = &picture->rgb[((size_t)y * picture->width + x) * 3];
    dst[0] = (unsigned char)lrintf(dst[0] + (c.r - dst[0]) * alpha);
    dst[1] = (unsigned char)lrintf(dst[1] + (c.g - dst[1]) * alpha);
    dst[2] = (unsigned char)lrintf(dst[2] + (c.b - dst[2]) * alpha);
}

// The picture column whose left edge lies at world x, and the top-first row
// whose lower edge lies at world y.
int ColumnAt(int worldX)
{
    return (worldX - kWorldMin) / kUnitsPerPixel;
}

int RowAbove(int worldY)
{
    return kSize - 1 - (worldY - kWorldMin) / kUnitsPerPixel;
}

struct LineStyle {
    float halfWidth;  // solid part, pixels either side of the line's centre
    float soft;       // fading edge beyond it
    float alpha;
};

LineStyle StyleFor(int world)
{
    if (world == 0) {
        return {3.0f, 1.5f, 0.85f};
    }
    if (world % 1024 == 0) {
        return {2.0f, 1.0f, 0.6f};
    }
    return {1.0f, 1.0f, 0.38f};
}

// Coverage of a pixel whose centre lies `distance` pixels from a line.
float Coverage(const LineStyle& s, float distance)
{
    if (distance <= s.halfWidth) {
        return s.alpha;
    }
    if (distance >= s.halfWidth + s.soft) {
        return 0.0f;
    }
    return s.alpha * (1.0f - (distance - s.halfWidth) / s.soft);
}

void PaintGrid(RgbPicture* picture)
{
    const Colour kLine = {214, 220, 212};
    for (int world = kWorldMin + 256; world < kWorldMax; world += 256) {
        LineStyle s = StyleFor(world);
        int reach = (int)ceilf(s.halfWidth + s.soft) + 1;
        // A line at world value v runs along a pixel edge: between columns
        // c - 1 and c, and between rows r and r + 1 counted from the top.
        int column = ColumnAt(world);
        int row = RowAbove(world);
        for (int offset = -reach; offset < reach; offset++) {
            float distance = fabsf((float)offset + 0.5f);
            float a = Coverage(s, distance);
            for (int t = 0; t < kSize; t++) {
                Blend(picture, column + offset, t, kLine, a);
                Blend(picture, t, row + 1 + offset, kLine, a);
            }
        }
    }
    // The map's edge, so the world's limit shows against the background.
    for (int offset = 0; offset < 4; offset++) {
        float a = 0.6f - 0.12f * offset;
        for (int t = 0; t < kSize; t++) {
            Blend(picture, offset, t, kLine, a);
            Blend(picture, kSize - 1 - offset, t, kLine, a);
            Blend(picture, t, offset, kLine, a);
            Blend(picture, t, kSize - 1 - offset, kLine, a);
        }
    }
}

// ---- labels ---------------------------------------------------------------

// A label's coverage, white text in a grey mask.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> value;
    float At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return 0.0f;
        }
        return value[(size_t)y * width + x];
    }
};

const int kHalo = 4;  // dark outline around the text, in pixels

bool RenderText(FT_Face face, const std::u32string& text, Mask* mask)
{
    int penX = 0;
    int top = 0;
    int bottom = 0;
    for (char32_t ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER) != 0) {
            return false;
        }
        top = std::max(top, face->glyph->bitmap_top);
        bottom = std::min(bottom, face->glyph->bitmap_top - (int)face->glyph->bitmap.rows);
        penX += (int)(face->glyph->advance.x >> 6);
    }
    mask->width = penX + 2 * kHalo;
    mask->height = top - bottom + 2 * kHalo;
    mask->value.assign((size_t)mask->width * mask->height, 0.0f);
    penX = kHalo;
    for (char32_t ch : text) {
        FT_Load_Char(face, ch, FT_LOAD_RENDER);
        FT_GlyphSlot g = face->glyph;
        int ox = penX + g->bitmap_left;
        int oy = kHalo + top - g->bitmap_top;
        for (int y = 0; y < (int)g->bitmap.rows; y++) {
            for (int x = 0; x < (int)g->bitmap.width; x++) {
                int px = ox + x;
                int py = oy + y;
                if (px >= 0 && py >= 0 && px < mask->width && py < mask->height) {
                    float v = g->bitmap.buffer[y * g->bitmap.pitch + x] / 255.0f;
                    float& cell = mask->value[(size_t)py * mask->width + px];
                    cell = std::max(cell, v);
                }
            }
        }
        penX += (int)(g->advance.x >> 6);
    }
    return true;
}

// Draws a label with its top-left corner at (left, top): first a soft dark
// outline, then the text.
void PaintLabel(RgbPicture* picture, const Mask& mask, int left, int top)
{
    const Colour kText = {236, 238, 228};
    const Colour kShadow = {16, 20, 24};
    for (int y = 0; y < mask.height; y++) {
        for (int x = 0; x < mask.width; x++) {
            float halo = 0.0f;
            for (int dy = -kHalo; dy <= kHalo; dy++) {
                for (int dx = -kHalo; dx <= kHalo; dx++) {
                    float r = sqrtf((float)(dx * dx + dy * dy));
                    if (r <= kHalo) {
                        float falloff = r <= 2.0f ? 1.0f : 1.0f - (r - 2.0f) / (kHalo - 1.0f);
                        halo = std::max(halo, mask.At(x + dx, y + dy) * falloff);
                    }
                }
            }
            Blend(picture, left + x, top + y, kShadow, halo * 0.7f);
        }
    }
    for (int y = 0; y < mask.height; y++) {
        for (int x = 0; x < mask.width; x++) {
            Blend(picture, left + x, top + y, kText, mask.At(x, y));
        }
    }
}

std::u32string LabelText(int world)
{
    std::u32string text;
    if (world < 0) {
        text += U'\u2212';  // a real minus sign reads better than a hyphen
    }
    char digits[16];
    snprintf(digits, sizeof digits, "%d", abs(world));
    for (const char* p = digits; *p != '\0'; p++) {
        text += (char32_t)*p;
    }
    return text;
}

bool PaintLabels(RgbPicture* picture, const std::string& fontFile)
{
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0) {
        return false;
    }
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        fprintf(stderr, "hm-make-map: cannot read the font file '%s'\n", fontFile.c_str());
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, 58);  // digits about 42 pixels tall

    const int kMargin = 12;  // from the map's edge
    const int kGap = 10;     // from the labelled line
    bool ok = true;
    for (int world = kWorldMin + 512; world < kWorldMax && ok; world += 512) {
        Mask mask;
        ok = RenderText(face, LabelText(world), &mask);
        if (!ok) {
            break;
        }
        // x values along the top and bottom edges, just right of their line.
        int left = ColumnAt(world) + kGap - kHalo;
        PaintLabel(picture, mask, left, kMargin - kHalo);
        PaintLabel(picture, mask, left, kSize - kMargin - mask.height + kHalo);
        // y values along the left and right edges, just above their line.
        int top = RowAbove(world) + 1 - kGap - mask.height + kHalo;
        PaintLabel(picture, mask, kMargin - kHalo, top);
        PaintLabel(picture, mask, kSize - kMargin - mask.width + kHalo, top);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: hm-make-map OUT.bmp [FONTFILE]\n");
        return 2;
    }
    std::string fontFile = argc == 3 ? argv[2] : HM_LABEL_FONT_FILE;

    RgbPicture picture = MakeRgbPicture(kSize, kSize);
    PaintGround(&picture);
    PaintGrid(&picture);
    if (!PaintLabels(&picture, fontFile)) {
        fprintf(stderr, "hm-make-map: cannot write the labels\n");
        return 1;
    }
    if (!WriteBmp24(argv[1], picture)) {
        fprintf(stderr, "hm-make-map: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
