// hm-package-tool image: what it prints about a picture, the PPM it writes,
// and its exit status.
#include <stdio.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/image/bmp_bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/tool_runner.h"

namespace {

BmpFields Picture(int width, int height, uint16_t bitCount, uint32_t compression = 0)
{
    BmpFields bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bitCount = bitCount;
    bmp.compression = compression;
    size_t rowBytes = ((size_t)width * bitCount / 8 + 3) & ~(size_t)3;
    if (bitCount == 8) {
        bmp.palette.assign(256, BmpColor{0, 0, 0});
    }
    if (compression == 3) {
        bmp.masks = {0xF800, 0x07E0, 0x001F};
    }
    if (compression == 1) {
        bmp.rows = {0, 1};
        bmp.imageSize = 2;
    } else {
        bmp.rows.assign(rowBytes * (size_t)height, 0);
    }
    return bmp;
}

struct DescribeCase {
    const char* name;
    BmpFields bmp;
    std::string firstLine;  // after "PATH: "
    std::string map;
    std::string font;
};

std::vector<DescribeCase> DescribeCases()
{
    return {
        {"map_sized", Picture(64, 32, 24), "64 x 32, 24 bits per pixel, uncompressed",
         "map picture: yes", "font picture: yes (16 x 16 cells of 4 x 2 pixels)"},
        {"font_sized", Picture(256, 256, 8), "256 x 256, 8 bits per pixel, uncompressed",
         "map picture: yes", "font picture: yes (16 x 16 cells of 16 x 16 pixels)"},
        {"small", Picture(4, 8, 16, 3), "4 x 8, 16 bits per pixel, bit fields", "map picture: yes",
         "font picture: no (4 x 8 does not divide into 16 x 16 cells)"},
        {"odd_width", Picture(3, 4, 24), "3 x 4, 24 bits per pixel, uncompressed",
         "map picture: no (width 3 is not a power of two)",
         "font picture: no (width 3 is not a power of two)"},
        {"width_2", Picture(2, 2, 24), "2 x 2, 24 bits per pixel, uncompressed",
         "map picture: no (width 2 is not a multiple of 4)",
         "font picture: no (width 2 is not a multiple of 4)"},
        {"rle_odd_height", Picture(16, 12, 8, 1), "16 x 12, 8 bits per pixel, RLE8",
         "map picture: no (height 12 is not a power of two)",
         "font picture: no (height 12 is not a power of two)"},
    };
}

class ImageCommandTest : public testing::TestWithParam<DescribeCase> {
protected:
    TempDir dir_;
};

TEST_P(ImageCommandTest, DescribesThePicture)
{
    const DescribeCase& c = GetParam();
    std::string path = dir_.File("picture.bmp");
    ASSERT_TRUE(WriteBytes(path, EncodeBmp(c.bmp)));
    ToolResult r = RunProgram(HM_PACKAGE_TOOL, {"image", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, path + ": " + c.firstLine + "\n" + c.map + "\n" + c.font + "\n");
}

INSTANTIATE_TEST_SUITE_P(Pictures, ImageCommandTest, testing::ValuesIn(DescribeCases()),
                         [](const testing::TestParamInfo<DescribeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ImageCommandPpmTest, WritesTheTopRowFirst)
{
    TempDir dir;
    BmpFields bmp;
    bmp.width = 2;
    bmp.height = 2;
    bmp.rows = Rows24({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    std::string path = dir.File("picture.bmp");
    std::string ppm = dir.File("picture.ppm");
    ASSERT_TRUE(WriteBytes(path, EncodeBmp(bmp)));
    ToolResult r = RunProgram(HM_PACKAGE_TOOL, {"image", "--ppm", ppm, path});
    EXPECT_EQ(r.status, 0) << r.err;
    std::ifstream in(ppm, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, std::string("P6\n2 2\n255\n") +
                         std::string("\x07\x08\x09\x0a\x0b\x0c\x01\x02\x03\x04\x05\x06", 12));
}

TEST(ImageCommandFailureTest, ReportsOnStandardErrorWithStatus1)
{
    TempDir dir;
    BmpFields bmp;
    bmp.headerSize = 124;
    std::string damaged = dir.File("v5.bmp");
    ASSERT_TRUE(WriteBytes(damaged, EncodeBmp(bmp)));
    ToolResult r = RunProgram(HM_PACKAGE_TOOL, {"image", damaged});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Error: Unknown DIB file format.\n");

    std::string missing = dir.File("missing.bmp");
    r = RunProgram(HM_PACKAGE_TOOL, {"image", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Error: Failed to open DIB file " + missing + ".\n\n");
}

TEST(ImageCommandUsageTest, WrongArgumentsGiveStatus2)
{
    const std::vector<std::vector<std::string>> cases = {
        {"image"}, {"image", "--ppm"}, {"image", "--bogus", "a.bmp"}, {"image", "a.bmp", "b.bmp"}};
    for (const std::vector<std::string>& args : cases) {
        ToolResult r = RunProgram(HM_PACKAGE_TOOL, args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_NE(r.err.find("hm-package-tool: image: "), std::string::npos) << r.err;
    }
    ToolResult help = RunProgram(HM_PACKAGE_TOOL, {"image", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: hm-package-tool image [--ppm OUT] PICTURE\n", 0), 0u);
}

}  // namespace
