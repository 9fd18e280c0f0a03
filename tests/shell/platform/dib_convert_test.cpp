// The Linux layer's DIB converter, driven through CreateDIBSection and
// SetDIBits as the loader drives it.
#include <string.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/platform/win32.h"

namespace {

typedef std::vector<uint8_t> Bytes;

// A source record: the 40-byte header and up to 256 colours or three masks.
struct SourceRecord {
    BITMAPINFOHEADER header;
    uint32_t colors[256];
};

struct ConvertCase {
    const char* name;
    int32_t width;
    int32_t height;  // of the source; the section is always bottom-up
    uint16_t bitCount;
    uint32_t compression;
    std::vector<uint32_t> colors;  // 0x00RRGGBB entries, or the three masks
    Bytes bits;                    // exactly the source bytes, nothing after
    Bytes rgb;                     // expected pixels, bottom row first
};

uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b)
{
    return ((uint32_t)r << 16) | ((uint32_t)g << 8) | b;
}

const std::vector<uint32_t> kFour = {Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)};

// Palette of 16: entry i is (16 i, 255 - 16 i, i).
std::vector<uint32_t> Sixteen()
{
    std::vector<uint32_t> colors;
    for (int i = 0; i < 16; i++) {
        colors.push_back(Rgb((uint8_t)(16 * i), (uint8_t)(255 - 16 * i), (uint8_t)i));
    }
    return colors;
}

Bytes Pixels(std::initializer_list<int> indices, const std::vector<uint32_t>& colors)
{
    Bytes rgb;
    for (int index : indices) {
        uint32_t c = index < 0 ? 0 : colors[(size_t)index];
        rgb.push_back((uint8_t)(c >> 16));
        rgb.push_back((uint8_t)(c >> 8));
        rgb.push_back((uint8_t)c);
    }
    return rgb;
}

std::vector<ConvertCase> Cases()
{
    std::vector<ConvertCase> cases;
    cases.push_back({"bits1", 3, 2, 1, BI_RGB, {Rgb(1, 2, 3), Rgb(4, 5, 6)},
                     {0xA0, 0, 0, 0, 0x60, 0, 0, 0},
                     {4, 5, 6, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 4, 5, 6}});
    cases.push_back({"bits2", 4, 1, 2, BI_RGB, kFour, {0x1B, 0, 0, 0},
                     Pixels({0, 1, 2, 3}, kFour)});
    cases.push_back({"bits4", 3, 1, 4, BI_RGB, Sixteen(), {0xF1, 0x70, 0, 0},
                     Pixels({15, 1, 7}, Sixteen())});
    // Index 5 lies beyond the four colours: black.
    cases.push_back({"bits8_index_beyond_palette", 2, 1, 8, BI_RGB, kFour, {3, 5, 0, 0},
                     Pixels({3, -1}, kFour)});
    // 5-5-5 by default: 1 of 31 is round(255 / 31) = 8.
    cases.push_back({"bits16_default", 2, 1, 16, BI_RGB, {}, {0xFF, 0x7F, 0x01, 0x00},
                     {255, 255, 255, 0, 0, 8}});
    cases.push_back({"bits16_bitfields_565", 2, 1, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F},
                     {0x20, 0x00, 0x1F, 0xF8}, {0, 4, 0, 255, 0, 255}});
    // 3 bits of red, 10 of green, 3 of blue: 3 of 7 is round(109.3) = 109.
    cases.push_back({"bits16_bitfields_3103", 1, 1, 16, BI_BITFIELDS, {0xE000, 0x1FF8, 0x0007},
                     {0xFB, 0x7F}, {109, 255, 109}});
    cases.push_back({"bits24", 2, 1, 24, BI_RGB, {}, {3, 2, 1, 6, 5, 4, 0, 0},
                     {1, 2, 3, 4, 5, 6}});
    cases.push_back({"bits32", 1, 2, 32, BI_RGB, {}, {3, 2, 1, 99, 6, 5, 4, 99},
                     {1, 2, 3, 4, 5, 6}});
    // Ten bits per channel: 512 of 1023 is round(127.6) = 128.
    cases.push_back({"bits32_bitfields_10", 1, 1, 32, BI_BITFIELDS,
                     {0x3FF00000, 0x000FFC00, 0x000003FF},
                     {0xFF, 0x03, 0x00, 0x20}, {128, 0, 255}});
    // Top row first in the source: the section shows it upright.
    cases.push_back({"top_down", 1, -2, 24, BI_RGB, {}, {1, 1, 1, 0, 2, 2, 2, 0},
                     {2, 2, 2, 1, 1, 1}});
    // Run of 3, absolute 3 (padded), end of line, run of 2 that goes past the
    // width, end of picture.
    cases.push_back({"rle8", 3, 2, 8, BI_RLE8, kFour,
                     {3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 2, 2, 0, 0, 0, 1},
                     Pixels({1, 1, 1, 2, 3, 1}, kFour)});
    cases.push_back({"rle8_absolute", 4, 1, 8, BI_RLE8, kFour, {0, 3, 3, 2, 1, 0, 0, 1},
                     Pixels({3, 2, 1, 0}, kFour)});
    // Delta right 1 and up 1, skipping pixels that stay black.
    cases.push_back({"rle8_delta", 3, 2, 8, BI_RLE8, kFour, {1, 1, 0, 2, 1, 1, 1, 2, 0, 1},
                     Pixels({1, 0, 0, 0, 0, 2}, kFour)});
    // RLE4: a run alternates two indices; end of line; absolute 3 nibbles;
    // end of line; delta right 2; a run of 1.
    cases.push_back({"rle4", 4, 3, 4, BI_RLE4, Sixteen(),
                     {3, 0x12, 0, 0, 0, 3, 0x45, 0x60, 0, 0, 0, 2, 2, 0, 1, 0xF0, 0, 1},
                     Pixels({1, 2, 1, -1, 4, 5, 6, -1, -1, -1, 15, -1}, Sixteen())});
    // The stream ends inside an absolute run: what came before stays.
    cases.push_back({"rle8_cut_in_absolute", 4, 1, 8, BI_RLE8, kFour, {1, 3, 0, 4, 2},
                     Pixels({3, 2, 0, 0}, kFour)});
    cases.push_back({"rle8_cut_after_code", 2, 1, 8, BI_RLE8, kFour, {1, 1, 0},
                     Pixels({1, 0}, kFour)});
    cases.push_back({"rle8_cut_in_delta", 2, 1, 8, BI_RLE8, kFour, {1, 1, 0, 2, 1},
                     Pixels({1, 0}, kFour)});
    // Deltas and line ends beyond the last row stop the stream.
    cases.push_back({"rle8_past_picture", 1, 1, 8, BI_RLE8, kFour,
                     {1, 2, 0, 2, 0, 200, 5, 3, 0, 0, 5, 3}, Pixels({2}, kFour)});
    cases.push_back({"rle4_run_past_width", 2, 1, 4, BI_RLE4, Sixteen(), {255, 0x9A},
                     Pixels({9, 10}, Sixteen())});
    return cases;
}

class ConvertTest : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTest, GivesThePixelsTheSourceNames)
{
    const ConvertCase& c = GetParam();
    SourceRecord source;
    memset(&source, 0, sizeof source);
    source.header.biSize = 40;
    source.header.biWidth = c.width;
    source.header.biHeight = c.height;
    source.header.biPlanes = 1;
    source.header.biBitCount = c.bitCount;
    source.header.biCompression = c.compression;
    source.header.biSizeImage = (DWORD)c.bits.size();
    if (c.compression != BI_BITFIELDS) {
        source.header.biClrUsed = (DWORD)c.colors.size();
    }
    for (size_t i = 0; i < c.colors.size(); i++) {
        source.colors[i] = c.colors[i];
    }
    int rows = c.height < 0 ? -c.height : c.height;

    BITMAPINFO target;
    memset(&target, 0, sizeof target);
    target.bmiHeader.biSize = 40;
    target.bmiHeader.biWidth = c.width;
    target.bmiHeader.biHeight = rows;
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 24;
    HDC dc = CreateCompatibleDC(NULL);
    ASSERT_NE(dc, nullptr);
    void* bits = NULL;
    HBITMAP section = CreateDIBSection(dc, &target, DIB_RGB_COLORS, &bits, NULL, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(SelectObject(dc, section), nullptr);

    // A copy of exactly the source's bytes, so a read past them is caught by
    // the sanitizer build.
    Bytes* exact = new Bytes(c.bits);
    int lines = SetDIBits(dc, section, 0, (UINT)rows, exact->data(),
                          (const BITMAPINFO*)&source, DIB_RGB_COLORS);
    delete exact;
    EXPECT_EQ(lines, rows);
    EXPECT_TRUE(GdiFlush());

    Bytes got;
    size_t stride = ((size_t)c.width * 3 + 3) & ~(size_t)3;
    for (int y = 0; y < rows; y++) {
        const uint8_t* row = (const uint8_t*)bits + (size_t)y * stride;
        for (int x = 0; x < c.width; x++) {
            got.push_back(row[3 * x + 2]);
            got.push_back(row[3 * x + 1]);
            got.push_back(row[3 * x]);
        }
    }
    EXPECT_EQ(got, c.rgb);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(DeleteObject(section));
}

INSTANTIATE_TEST_SUITE_P(Encodings, ConvertTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ConvertCase>& info) {
                             return std::string(info.param.name);
                         });

// Sources the converter does not take: SetDIBits gives 0 and leaves the
// section as it was.
struct RefusedSource {
    const char* name;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
};

class RefusedSourceTest : public testing::TestWithParam<RefusedSource> {};

TEST_P(RefusedSourceTest, ConvertsNothing)
{
    const RefusedSource& c = GetParam();
    BITMAPINFO target;
    memset(&target, 0, sizeof target);
    target.bmiHeader.biSize = 40;
    target.bmiHeader.biWidth = 2;
    target.bmiHeader.biHeight = 2;
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 24;
    HDC dc = CreateCompatibleDC(NULL);
    void* bits = NULL;
    HBITMAP section = CreateDIBSection(dc, &target, DIB_RGB_COLORS, &bits, NULL, 0);
    ASSERT_NE(section, nullptr);
    memset(bits, 0x5A, 16);

    SourceRecord source;
    memset(&source, 0, sizeof source);
    source.header.biSize = 40;
    source.header.biWidth = c.width;
    source.header.biHeight = c.height;
    source.header.biPlanes = c.planes;
    source.header.biBitCount = c.bitCount;
    source.header.biCompression = c.compression;
    source.header.biSizeImage = c.imageSize;
    uint8_t data[64] = {1, 2, 3};
    EXPECT_EQ(SetDIBits(dc, section, 0, 2, data, (const BITMAPINFO*)&source, DIB_RGB_COLORS), 0);
    EXPECT_EQ(((uint8_t*)bits)[0], 0x5A);
    DeleteDC(dc);
    DeleteObject(section);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, RefusedSourceTest,
    testing::Values(RefusedSource{"rle_top_down", 2, -2, 1, 8, BI_RLE8, 4},
                    RefusedSource{"rle8_with_4_bits", 2, 2, 1, 4, BI_RLE8, 4},
                    RefusedSource{"rle4_with_8_bits", 2, 2, 1, 8, BI_RLE4, 4},
                    RefusedSource{"rle_without_size", 2, 2, 1, 8, BI_RLE8, 0},
                    RefusedSource{"bitfields_24", 2, 2, 1, 24, BI_BITFIELDS, 0},
                    RefusedSource{"bit_count_3", 2, 2, 1, 3, BI_RGB, 0},
                    RefusedSource{"bit_count_0", 2, 2, 1, 0, BI_RGB, 0},
                    RefusedSource{"width_0", 0, 2, 1, 24, BI_RGB, 0},
                    RefusedSource{"height_0", 2, 0, 1, 24, BI_RGB, 0},
                    RefusedSource{"planes_2", 2, 2, 2, 24, BI_RGB, 0},
                    RefusedSource{"jpeg", 2, 2, 1, 24, 4, 4}),
    [](const testing::TestParamInfo<RefusedSource>& info) { return std::string(info.param.name); });

TEST(DibSectionTest, RefusesWhatItCannotHold)
{
    struct Case {
        int32_t width;
        int32_t height;
        uint16_t bitCount;
    };
    const Case cases[] = {{0, 1, 24}, {-1, 1, 24}, {1, 0, 24}, {1, 1, 8}, {65536, 65536, 24}};
    for (const Case& c : cases) {
        BITMAPINFO info;
        memset(&info, 0, sizeof info);
        info.bmiHeader.biSize = 40;
        info.bmiHeader.biWidth = c.width;
        info.bmiHeader.biHeight = c.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = c.bitCount;
        void* bits = (void*)&info;
        EXPECT_EQ(CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0), nullptr)
            << c.width << " x " << c.height << " x " << c.bitCount;
        EXPECT_EQ(bits, nullptr);
    }
}

}  // namespace
