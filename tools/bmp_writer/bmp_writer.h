// Writes 24-bit uncompressed BMP pictures, the form the viewer loads, for the
// font and map pictures we make at build time and for the tests.
//   Implements: the 14-byte file header, the 40-byte info header, bottom-up
//   rows in blue-green-red order, each padded to a multiple of 4 bytes.
//   Does not: palettes, other bit depths, compression, top-down pictures.
#ifndef HM_TOOLS_BMP_WRITER_H
#define HM_TOOLS_BMP_WRITER_H

#include <string>
#include <vector>

// A picture in memory: width * height pixels of red, green, blue bytes, the
// top row first (the order in which we draw).
struct RgbPicture {
    int width;
    int height;
    std::vector<unsigned char> rgb;
};

RgbPicture MakeRgbPicture(int width, int height);

// The whole BMP file for a picture.
std::vector<unsigned char> EncodeBmp24(const RgbPicture& picture);

// Writes the BMP file; false when the file cannot be written.
bool WriteBmp24(const std::string& path, const RgbPicture& picture);

#endif
