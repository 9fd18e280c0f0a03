// hm-package-tool image [--ppm OUT] PICTURE
//
// Loads a picture through the viewer's own loader and tells what it is and
// whether the viewer can use it as its map or font picture. Failures come
// from the loader's box, which the console form of the dialog services
// prints on standard error.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "image/load_dib_image.h"
#include "tools/package_tool/commands.h"

// The font picture is 16 x 16 glyph cells.
static const int kFontCells = 16;

struct PictureInfo {
    int bitCount;
    const char* encoding;
};

static uint32_t Little(const unsigned char* bytes, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; i--) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// Reads the bit count and encoding from the picture's headers; the loader has
// already accepted the file, so the headers are there.
static PictureInfo ReadPictureInfo(const char* path)
{
    PictureInfo info = {0, "unknown"};
    unsigned char bytes[14 + 20];
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        return info;
    }
    size_t got = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    size_t start = got >= 2 && bytes[0] == 'B' && bytes[1] == 'M' ? 14 : 0;
    if (got < start + 12) {
        return info;
    }
    uint32_t headerSize = Little(bytes + start, 4);
    if (headerSize == 12) {
        info.bitCount = (int)Little(bytes + start + 10, 2);
        info.encoding = "uncompressed";
        return info;
    }
    if (got < start + 20) {
        return info;
    }
    info.bitCount = (int)Little(bytes + start + 14, 2);
    switch (Little(bytes + start + 16, 4)) {
    case 0:
        info.encoding = "uncompressed";
        break;
    case 1:
        info.encoding = "RLE8";
        break;
    case 2:
        info.encoding = "RLE4";
        break;
    case 3:
        info.encoding = "bit fields";
        break;
    }
    return info;
}

static bool IsPowerOfTwo(int value)
{
    return value > 0 && (value & (value - 1)) == 0;
}

// Why the picture cannot be a texture of the viewer, or NULL when it can.
static const char* TextureProblem(const RgbImage* image, char* reason, size_t size)
{
    if (!IsPowerOfTwo(image->width)) {
        snprintf(reason, size, "width %d is not a power of two", image->width);
    } else if (!IsPowerOfTwo(image->height)) {
        snprintf(reason, size, "height %d is not a power of two", image->height);
    } else if (image->width % 4 != 0) {
        snprintf(reason, size, "width %d is not a multiple of 4", image->width);
    } else {
        return NULL;
    }
    return reason;
}

static void PrintSuitability(const RgbImage* image)
{
    char reason[128];
    const char* problem = TextureProblem(image, reason, sizeof reason);
    if (problem != NULL) {
        printf("map picture: no (%s)\n", problem);
        printf("font picture: no (%s)\n", problem);
        return;
    }
    printf("map picture: yes\n");
    if (image->width % kFontCells != 0 || image->height % kFontCells != 0) {
        printf("font picture: no (%d x %d does not divide into %d x %d cells)\n", image->width,
               image->height, kFontCells, kFontCells);
    } else {
        printf("font picture: yes (%d x %d cells of %d x %d pixels)\n", kFontCells, kFontCells,
               image->width / kFontCells, image->height / kFontCells);
    }
}

// A binary PPM, top row first; the picture holds its rows bottom first.
static bool WritePpm(const char* path, const RgbImage* image)
{
    FILE* file = fopen(path, "wb");
    if (file == NULL) {
        return false;
    }
    fprintf(file, "P6\n%d %d\n255\n", image->width, image->height);
    size_t rowBytes = (size_t)image->width * 3;
    bool ok = true;
    for (int y = image->height - 1; y >= 0 && ok; y--) {
        ok = fwrite(image->data + (size_t)y * rowBytes, 1, rowBytes, file) == rowBytes;
    }
    return fclose(file) == 0 && ok;
}

static void PrintImageHelp(void)
{
    printf("usage: hm-package-tool image [--ppm OUT] PICTURE\n"
           "\n"
           "Loads a BMP picture as the viewer does and prints its size, bits per pixel\n"
           "and encoding, and whether it can serve as the map or the font picture.\n"
           "  --ppm OUT   also write the decoded picture to OUT as a binary PPM\n");
}

int RunImageCommand(int argc, char** argv)
{
    const char* ppmPath = NULL;
    const CommandOption options[] = {{"--ppm", &ppmPath}};
    const CommandSyntax syntax = {"image", options, 1, "picture", PrintImageHelp};
    const char* path = NULL;
    int status = ParseCommandLine(&syntax, argc, argv, &path);
    if (status >= 0) {
        return status;
    }

    RgbImage* image = LoadDibImage(path);
    if (image == NULL) {
        return 1;
    }
    PictureInfo info = ReadPictureInfo(path);
    printf("%s: %d x %d, %d bits per pixel, %s\n", path, image->width, image->height,
           info.bitCount, info.encoding);
    PrintSuitability(image);
    status = 0;
    if (ppmPath != NULL && !WritePpm(ppmPath, image)) {
        fprintf(stderr, "hm-package-tool: cannot write %s\n", ppmPath);
        status = 1;
    }
    free(image->data);
    free(image);
    return status;
}
