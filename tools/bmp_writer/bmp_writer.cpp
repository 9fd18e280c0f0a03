#include "tools/bmp_writer/bmp_writer.h"

#include <stdint.h>
#include <stdio.h>

static const uint32_t kFileHeaderBytes = 14;
static const uint32_t kInfoHeaderBytes = 40;

static void PutUint16(std::vector<unsigned char>* out, uint32_t value)
{
    out->push_back((unsigned char)value);
    out->push_back((unsigned char)(value >> 8));
}

static void PutUint32(std::vector<unsigned char>* out, uint32_t value)
{
    for (int i = 0; i < 4; i++) {
        out->push_back((unsigned char)(value >> (8 * i)));
    }
}

RgbPicture MakeRgbPicture(int width, int height)
{
    RgbPicture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.assign((size_t)width * (size_t)height * 3, 0);
    return picture;
}

std::vector<unsigned char> EncodeBmp24(const RgbPicture& picture)
{
    uint32_t rowBytes = ((uint32_t)picture.width * 3 + 3) & ~3u;
    uint32_t imageBytes = rowBytes * (uint32_t)picture.height;
    uint32_t dataOffset = kFileHeaderBytes + kInfoHeaderBytes;

    std::vector<unsigned char> out;
    out.reserve(dataOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutUint32(&out, dataOffset + imageBytes);
    PutUint32(&out, 0);  // two reserved 16-bit fields
    PutUint32(&out, dataOffset);

    PutUint32(&out, kInfoHeaderBytes);
    PutUint32(&out, (uint32_t)picture.width);
    PutUint32(&out, (uint32_t)picture.height);  // positive: bottom-up rows
    PutUint16(&out, 1);                         // planes
    PutUint16(&out, 24);                        // bits per pixel
    PutUint32(&out, 0);                         // no compression
    PutUint32(&out, imageBytes);
    PutUint32(&out, 2835);  // 72 dots per inch, in pixels per metre
    PutUint32(&out, 2835);
    PutUint32(&out, 0);  // no palette
    PutUint32(&out, 0);

    for (int row = picture.height - 1; row >= 0; row--) {
        const unsigned char* src = &picture.rgb[(size_t)row * (size_t)picture.width * 3];
        for (int x = 0; x < picture.width; x++) {
            out.push_back(src[3 * x + 2]);
            out.push_back(src[3 * x + 1]);
            out.push_back(src[3 * x]);
        }
        for (uint32_t pad = (uint32_t)picture.width * 3; pad < rowBytes; pad++) {
            out.push_back(0);
        }
    }
    return out;
}

bool WriteBmp24(const std::string& path, const RgbPicture& picture)
{
    std::vector<unsigned char> bytes = EncodeBmp24(picture);
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    size_t written = fwrite(bytes.data(), 1, bytes.size(), file);
    bool closed = fclose(file) == 0;
    return written == bytes.size() && closed;
}
