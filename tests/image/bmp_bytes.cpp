#include "tests/image/bmp_bytes.h"

#include <stdio.h>

static void Put(std::vector<uint8_t>* out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; i++) {
        out->push_back((uint8_t)(value >> (8 * i)));
    }
}

std::vector<uint8_t> EncodeBmp(const BmpFields& bmp)
{
    std::vector<uint8_t> header;
    Put(&header, bmp.headerSize, 4);
    if (bmp.headerSize == 12) {
        Put(&header, (uint16_t)bmp.width, 2);
        Put(&header, (uint16_t)bmp.height, 2);
        Put(&header, bmp.planes, 2);
        Put(&header, bmp.bitCount, 2);
    } else {
        Put(&header, (uint32_t)bmp.width, 4);
        Put(&header, (uint32_t)bmp.height, 4);
        Put(&header, bmp.planes, 2);
        Put(&header, bmp.bitCount, 2);
        Put(&header, bmp.compression, 4);
        Put(&header, bmp.imageSize, 4);
        Put(&header, 2835, 4);
        Put(&header, 2835, 4);
        Put(&header, bmp.colorsUsed, 4);
        Put(&header, 0, 4);
        // Larger headers: the rest is zero, as a writer of a newer layout
        // with nothing to say would leave it.
        while (header.size() < bmp.headerSize) {
            header.push_back(0);
        }
    }
    for (uint32_t mask : bmp.masks) {
        Put(&header, mask, 4);
    }
    for (const BmpColor& c : bmp.palette) {
        header.push_back(c.blue);
        header.push_back(c.green);
        header.push_back(c.red);
        if (bmp.headerSize != 12) {
            header.push_back(0);
        }
    }
    std::vector<uint8_t> out;
    if (bmp.fileHeader) {
        uint64_t offset = bmp.rowsOffset >= 0 ? (uint64_t)bmp.rowsOffset : 14 + header.size();
        out.push_back('B');
        out.push_back('M');
        Put(&out, 14 + header.size() + bmp.rows.size(), 4);
        Put(&out, 0, 4);
        Put(&out, offset, 4);
    }
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), bmp.rows.begin(), bmp.rows.end());
    return out;
}

std::vector<uint8_t> Rows24(const std::vector<std::vector<uint8_t>>& rgbRows)
{
    std::vector<uint8_t> out;
    for (const std::vector<uint8_t>& row : rgbRows) {
        for (size_t i = 0; i + 2 < row.size(); i += 3) {
            out.push_back(row[i + 2]);
            out.push_back(row[i + 1]);
            out.push_back(row[i]);
        }
        while (out.size() % 4 != 0) {
            out.push_back(0);
        }
    }
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL) {
        return false;
    }
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}
