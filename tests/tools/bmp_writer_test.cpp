#include <stdint.h>

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <iterator>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tools/bmp_writer/bmp_writer.h"

namespace {

uint32_t Le32(const std::vector<unsigned char>& b, size_t at)
{
    return (uint32_t)b[at] | (uint32_t)b[at + 1] << 8 | (uint32_t)b[at + 2] << 16 |
           (uint32_t)b[at + 3] << 24;
}

uint32_t Le16(const std::vector<unsigned char>& b, size_t at)
{
    return (uint32_t)b[at] | (uint32_t)b[at + 1] << 8;
}

// Every pixel distinct: red = x, green = y, blue = 200 + x + y.
RgbPicture Numbered(int width, int height)
{
    RgbPicture p = MakeRgbPicture(width, height);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            unsigned char* px = &p.rgb[((size_t)y * width + x) * 3];
            px[0] = (unsigned char)x;
            px[1] = (unsigned char)y;
            px[2] = (unsigned char)(200 + x + y);
        }
    }
    return p;
}

struct PaddingCase {
    int width;
    uint32_t rowBytes;  // 3 * width rounded up to a multiple of 4
};

void PrintTo(const PaddingCase& c, std::ostream* os)
{
    *os << "width " << c.width;
}

class BmpWriterTest : public ::testing::TestWithParam<PaddingCase> {};

TEST_P(BmpWriterTest, HeadersDescribeA24BitBottomUpPicture)
{
    const int height = 3;
    std::vector<unsigned char> b = EncodeBmp24(Numbered(GetParam().width, height));
    uint32_t imageBytes = GetParam().rowBytes * height;

    ASSERT_EQ(b.size(), 54u + imageBytes);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Le32(b, 2), 54u + imageBytes);
    EXPECT_EQ(Le32(b, 6), 0u);
    EXPECT_EQ(Le32(b, 10), 54u);
    EXPECT_EQ(Le32(b, 14), 40u);
    EXPECT_EQ(Le32(b, 18), (uint32_t)GetParam().width);
    EXPECT_EQ(Le32(b, 22), (uint32_t)height);  // positive height: bottom-up
    EXPECT_EQ(Le16(b, 26), 1u);
    EXPECT_EQ(Le16(b, 28), 24u);
    EXPECT_EQ(Le32(b, 30), 0u);
    EXPECT_EQ(Le32(b, 34), imageBytes);
    EXPECT_EQ(Le32(b, 46), 0u);
}

TEST_P(BmpWriterTest, RowsRunBottomUpInBlueGreenRedWithZeroPadding)
{
    const int width = GetParam().width;
    const int height = 3;
    std::vector<unsigned char> b = EncodeBmp24(Numbered(width, height));
    for (int stored = 0; stored < height; stored++) {
        int y = height - 1 - stored;  // the file's first row is the picture's bottom row
        size_t row = 54 + (size_t)stored * GetParam().rowBytes;
        for (int x = 0; x < width; x++) {
            EXPECT_EQ(b[row + 3 * x], 200 + x + y) << "blue at " << x << "," << y;
            EXPECT_EQ(b[row + 3 * x + 1], y) << "green at " << x << "," << y;
            EXPECT_EQ(b[row + 3 * x + 2], x) << "red at " << x << "," << y;
        }
        for (size_t pad = 3 * (size_t)width; pad < GetParam().rowBytes; pad++) {
            EXPECT_EQ(b[row + pad], 0) << "padding byte " << pad << " of stored row " << stored;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpWriterTest,
                         ::testing::Values(PaddingCase{1, 4}, PaddingCase{3, 12},
                                           PaddingCase{4, 12}, PaddingCase{5, 16}));

TEST(BmpWriterFileTest, WritesTheEncodedBytes)
{
    TempDir dir;
    RgbPicture picture = Numbered(7, 5);
    ASSERT_TRUE(WriteBmp24(dir.File("p.bmp"), picture));
    std::ifstream in(dir.File("p.bmp"), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, EncodeBmp24(picture));
}

TEST(BmpWriterFileTest, ReportsAFileThatCannotBeWritten)
{
    TempDir dir;
    EXPECT_FALSE(WriteBmp24(dir.File("no/such/folder/p.bmp"), Numbered(2, 2)));
}

}  // namespace
