// Pictures written by a common tool (ImageMagick's convert) in the encodings
// it offers load exactly as the tool itself reads them back.
#include <stdio.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/load_dib_image.h"
#include "tests/support/temp_dir.h"

namespace {

struct ToolCase {
    const char* name;
    const char* options;  // convert's options between the source and the output
    const char* format;   // output format prefix
};

const ToolCase kCases[] = {
    {"truecolor", "-type TrueColor", "BMP3"},
    {"palette_rle8", "-colors 200 -type Palette", "BMP3"},
    {"palette_uncompressed", "-colors 200 -type Palette -compress None", "BMP3"},
    {"palette16", "-colors 16 -type Palette -compress None", "BMP3"},
    {"monochrome", "-monochrome", "BMP3"},
    {"core_header_truecolor", "-type TrueColor", "BMP2"},
    {"core_header_palette", "-colors 100 -type Palette", "BMP2"},
};

bool HaveConvert()
{
    return system("convert -version >/dev/null 2>&1") == 0;
}

// A 37 x 19 picture of smoothly changing colours, as a binary PPM.
void WriteSource(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fprintf(file, "P6\n37 19\n255\n");
    for (int y = 0; y < 19; y++) {
        for (int x = 0; x < 37; x++) {
            unsigned char rgb[3] = {(unsigned char)(x * 7), (unsigned char)(y * 13),
                                    (unsigned char)((x * y) & 0xFF)};
            fwrite(rgb, 1, 3, file);
        }
    }
    fclose(file);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class CommonToolTest : public testing::TestWithParam<ToolCase> {
protected:
    TempDir dir_;
};

TEST_P(CommonToolTest, LoadsAsTheToolReadsIt)
{
    if (!HaveConvert()) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    const ToolCase& c = GetParam();
    std::string source = dir_.File("source.ppm");
    std::string bmp = dir_.File("picture.bmp");
    std::string back = dir_.File("back.ppm");
    WriteSource(source);
    std::string write = "convert '" + source + "' " + c.options + " " + c.format + ":'" + bmp + "'";
    ASSERT_EQ(system(write.c_str()), 0) << write;
    std::string read = "convert '" + bmp + "' -depth 8 PPM:'" + back + "'";
    ASSERT_EQ(system(read.c_str()), 0) << read;
    std::string reference = ReadAll(back);
    std::string header = "P6\n37 19\n255\n";
    ASSERT_EQ(reference.compare(0, header.size(), header), 0);

    testing::internal::CaptureStderr();
    RgbImage* image = LoadDibImage(bmp.c_str());
    std::string boxes = testing::internal::GetCapturedStderr();
    EXPECT_EQ(boxes, "");
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->width, 37);
    ASSERT_EQ(image->height, 19);
    // The PPM holds the top row first, the picture the bottom row first.
    std::string ours;
    for (int y = 18; y >= 0; y--) {
        ours.append((const char*)image->data + (size_t)y * 37 * 3, 37 * 3);
    }
    EXPECT_TRUE(ours == reference.substr(header.size())) << c.name;
    free(image->data);
    free(image);
}

INSTANTIATE_TEST_SUITE_P(Encodings, CommonToolTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ToolCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
