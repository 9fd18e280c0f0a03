// Builds the bytes of BMP files for the loader's tests, field by field, so
// that a test can state exactly what a damaged or unusual file holds.
#ifndef HM_TESTS_IMAGE_BMP_BYTES_H
#define HM_TESTS_IMAGE_BMP_BYTES_H

#include <stdint.h>

#include <string>
#include <vector>

struct BmpColor {
    uint8_t blue, green, red;
};

struct BmpFields {
    bool fileHeader = true;
    uint32_t headerSize = 40;  // 12, 40, or any other size to test refusals
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;     // written after the header, before the palette
    std::vector<BmpColor> palette;   // 3 bytes each after a 12-byte header, else 4
    std::vector<uint8_t> rows;       // the pixel rows exactly as given
    int64_t rowsOffset = -1;         // file header's row offset; -1: right after the palette
};

std::vector<uint8_t> EncodeBmp(const BmpFields& bmp);

// Rows of 24-bit pixels given as RGB triples per row, bottom row first,
// padded to 4 bytes per row.
std::vector<uint8_t> Rows24(const std::vector<std::vector<uint8_t>>& rgbRows);

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

#endif
