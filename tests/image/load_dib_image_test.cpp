#include "image/load_dib_image.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/image/bmp_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

const char kUnknownLine[] = "Error: Unknown DIB file format.\n";
const char kConversionLine[] = "Error: Image file conversion error.\n";
const char kOutOfMemoryLine[] = "Error: Out of memory.\n";

typedef std::vector<uint8_t> Bytes;

// Loads `path`, keeps what the boxes printed, and hands back the picture's
// width, height and data (freed here).
struct LoadResult {
    bool loaded = false;
    int width = 0;
    int height = 0;
    Bytes data;
    std::string boxes;
};

LoadResult Load(const std::string& path)
{
    LoadResult result;
    testing::internal::CaptureStderr();
    RgbImage* image = LoadDibImage(path.c_str());
    result.boxes = testing::internal::GetCapturedStderr();
    if (image != NULL) {
        result.loaded = true;
        result.width = image->width;
        result.height = image->height;
        size_t bytes = (size_t)3 * image->width * (image->height < 0 ? -image->height : image->height);
        result.data.assign(image->data, image->data + bytes);
        free(image->data);
        free(image);
    }
    return result;
}

BmpColor Gray(uint8_t v)
{
    return BmpColor{v, v, v};
}

// 256 entries whose index i is (blue i, green 255 - i, red i / 2).
std::vector<BmpColor> Ramp(int count)
{
    std::vector<BmpColor> palette;
    for (int i = 0; i < count; i++) {
        palette.push_back(BmpColor{(uint8_t)i, (uint8_t)(255 - i), (uint8_t)(i / 2)});
    }
    return palette;
}

struct DecodeCase {
    const char* name;
    BmpFields bmp;
    int width;
    int height;
    Bytes rgb;  // bottom row first
};

BmpFields Fields24(int width, int height, const Bytes& rows)
{
    BmpFields bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.rows = rows;
    return bmp;
}

std::vector<DecodeCase> DecodeCases()
{
    std::vector<DecodeCase> cases;
    {
        // Rows of 3 pixels: 9 bytes, 3 bytes of padding in the section.
        Bytes bottom = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        Bytes top = {10, 11, 12, 13, 14, 15, 16, 17, 18};
        Bytes all = bottom;
        all.insert(all.end(), top.begin(), top.end());
        cases.push_back({"width3", Fields24(3, 2, Rows24({bottom, top})), 3, 2, all});
    }
    cases.push_back({"width1", Fields24(1, 3, Rows24({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}})), 1, 3,
                     {1, 2, 3, 4, 5, 6, 7, 8, 9}});
    {
        Bytes row = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        Bytes all = row;
        for (uint8_t& b : row) {
            b += 100;
        }
        all.insert(all.end(), row.begin(), row.end());
        Bytes first(all.begin(), all.begin() + 12);
        cases.push_back({"width4", Fields24(4, 2, Rows24({first, row})), 4, 2, all});
    }
    {
        // Colours used 0 on an 8-bit picture: all 256 entries follow.
        BmpFields bmp;
        bmp.bitCount = 8;
        bmp.width = 2;
        bmp.height = 1;
        bmp.palette = Ramp(256);
        bmp.rows = {255, 7, 0, 0};
        cases.push_back({"pal8_all_colors", bmp, 2, 1, {127, 0, 255, 3, 248, 7}});
    }
    {
        // Colours used 16: only 16 entries, and a bare bitmap's rows follow
        // right after them.
        BmpFields bmp;
        bmp.fileHeader = false;
        bmp.bitCount = 8;
        bmp.colorsUsed = 16;
        bmp.width = 2;
        bmp.height = 1;
        bmp.palette = Ramp(16);
        bmp.rows = {15, 1, 0, 0};
        cases.push_back({"pal8_16_colors_bare", bmp, 2, 1, {7, 240, 15, 0, 254, 1}});
    }
    {
        // A 24-bit picture with a palette it does not use: the rows follow it.
        BmpFields bmp = Fields24(1, 1, Rows24({{9, 8, 7}}));
        bmp.fileHeader = false;
        bmp.colorsUsed = 2;
        bmp.palette = {Gray(1), Gray(2)};
        cases.push_back({"rgb24_with_palette_bare", bmp, 1, 1, {9, 8, 7}});
    }
    {
        // The 12-byte header's 3-byte entries are widened.
        BmpFields bmp;
        bmp.headerSize = 12;
        bmp.bitCount = 1;
        bmp.width = 3;
        bmp.height = 2;
        bmp.palette = {BmpColor{10, 20, 30}, BmpColor{40, 50, 60}};
        bmp.rows = {0xA0, 0, 0, 0, 0x40, 0, 0, 0};
        cases.push_back({"core_header_pal1", bmp, 3, 2,
                         {60, 50, 40, 30, 20, 10, 60, 50, 40, 30, 20, 10, 60, 50, 40, 30, 20, 10}});
    }
    {
        BmpFields bmp;
        bmp.headerSize = 12;
        bmp.fileHeader = false;
        bmp.bitCount = 24;
        bmp.width = 2;
        bmp.height = 1;
        bmp.rows = Rows24({{1, 2, 3, 4, 5, 6}});
        cases.push_back({"core_header_bare_rgb24", bmp, 2, 1, {1, 2, 3, 4, 5, 6}});
    }
    {
        // Stored top row first: handed back upright, bottom row first.
        BmpFields bmp = Fields24(2, -2, Rows24({{1, 1, 1, 2, 2, 2}, {3, 3, 3, 4, 4, 4}}));
        cases.push_back({"top_down", bmp, 2, 2, {3, 3, 3, 4, 4, 4, 1, 1, 1, 2, 2, 2}});
    }
    {
        // Bit fields 5-6-5: the masks must reach the converter.
        BmpFields bmp;
        bmp.bitCount = 16;
        bmp.compression = 3;
        bmp.masks = {0xF800, 0x07E0, 0x001F};
        bmp.width = 2;
        bmp.height = 1;
        bmp.rows = {0x00, 0xF8, 0x20, 0x00};  // pure red; green 1 of 63
        cases.push_back({"bitfields_565", bmp, 2, 1, {255, 0, 0, 0, 4, 0}});
    }
    {
        BmpFields bmp;
        bmp.bitCount = 8;
        bmp.compression = 1;
        bmp.width = 4;
        bmp.height = 2;
        bmp.palette = Ramp(256);
        bmp.rows = {3, 2, 1, 9, 0, 0, 0, 4, 10, 11, 12, 13, 0, 1};
        bmp.imageSize = (uint32_t)bmp.rows.size();
        Bytes expect;
        for (int index : {2, 2, 2, 9, 10, 11, 12, 13}) {
            expect.push_back((uint8_t)(index / 2));
            expect.push_back((uint8_t)(255 - index));
            expect.push_back((uint8_t)index);
        }
        cases.push_back({"rle8", bmp, 4, 2, expect});
    }
    return cases;
}

class DecodeTest : public testing::TestWithParam<DecodeCase> {
protected:
    TempDir dir_;
};

TEST_P(DecodeTest, GivesTheColoursBottomRowFirst)
{
    const DecodeCase& c = GetParam();
    std::string path = dir_.File("picture.bmp");
    ASSERT_TRUE(WriteBytes(path, EncodeBmp(c.bmp)));
    LoadResult result = Load(path);
    EXPECT_EQ(result.boxes, "");
    ASSERT_TRUE(result.loaded);
    EXPECT_EQ(result.width, c.width);
    EXPECT_EQ(result.height, c.height);
    EXPECT_EQ(result.data, c.rgb);
}

INSTANTIATE_TEST_SUITE_P(Pictures, DecodeTest, testing::ValuesIn(DecodeCases()),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                             return std::string(info.param.name);
                         });

struct RefuseCase {
    const char* name;
    Bytes bytes;
    const char* boxes;
};

Bytes Encoded(BmpFields bmp)
{
    return EncodeBmp(bmp);
}

BmpFields Valid24()
{
    return Fields24(2, 2, Rows24({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
}

std::vector<RefuseCase> RefuseCases()
{
    std::vector<RefuseCase> cases;
    const struct {
        const char* name;
        uint32_t size;
    } sizes[] = {{"header108", 108}, {"header124", 124}, {"header64", 64}, {"header16", 16},
                 {"header0", 0}};
    for (const auto& size : sizes) {
        BmpFields bmp = Valid24();
        bmp.headerSize = size.size;
        cases.push_back({size.name, Encoded(bmp), kUnknownLine});
    }
    cases.push_back({"only_bm", {'B', 'M'}, kUnknownLine});
    {
        Bytes bytes = EncodeBmp(Valid24());
        bytes.resize(14);
        cases.push_back({"file_header_only", bytes, kUnknownLine});
    }
    {
        Bytes bytes = EncodeBmp(Valid24());
        bytes.resize(14 + 30);
        cases.push_back({"header_cut", bytes, kConversionLine});
    }
    {
        Bytes bytes = EncodeBmp(Valid24());
        bytes.resize(bytes.size() - 4);
        cases.push_back({"rows_cut", bytes, kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.bitCount = 8;
        bmp.palette = Ramp(256);
        bmp.rows.clear();
        Bytes bytes = EncodeBmp(bmp);
        bytes.resize(bytes.size() - 100);
        cases.push_back({"palette_cut", bytes, kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.colorsUsed = 0xFFFF;
        cases.push_back({"palette_beyond_file", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.rowsOffset = 1 << 20;
        cases.push_back({"rows_beyond_file", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.width = 0;
        cases.push_back({"width0", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.width = -2;
        cases.push_back({"negative_width", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.height = 0;
        cases.push_back({"height0", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.width = 3000000;
        bmp.height = 2000000;
        cases.push_back({"huge_short_file", Encoded(bmp), kConversionLine});
    }
    {
        // Overflows 32 bits in every product of the sizes.
        BmpFields bmp = Valid24();
        bmp.width = 0x7FFFFFFF;
        bmp.height = -0x7FFFFFFF;
        cases.push_back({"overflowing_sizes", Encoded(bmp), kConversionLine});
    }
    {
        // Rows that are all there, but a section far beyond what we allocate.
        BmpFields bmp;
        bmp.bitCount = 1;
        bmp.palette = {Gray(0), Gray(255)};
        bmp.width = 65536;
        bmp.height = 8192;
        bmp.rows.assign((size_t)65536 / 8 * 8192, 0);
        cases.push_back({"section_too_large", Encoded(bmp), kOutOfMemoryLine});
    }
    {
        // Four bytes of stream for a picture of a billion pixels.
        BmpFields bmp;
        bmp.bitCount = 8;
        bmp.compression = 1;
        bmp.palette = Ramp(256);
        bmp.width = 40000;
        bmp.height = 30000;
        bmp.rows = {0, 0, 0, 1};
        bmp.imageSize = 4;
        cases.push_back({"rle_absurd_size", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp;
        bmp.bitCount = 8;
        bmp.compression = 1;
        bmp.palette = Ramp(256);
        bmp.width = 2;
        bmp.height = 2;
        bmp.rows = {2, 1, 0, 1};
        bmp.imageSize = 400;
        cases.push_back({"rle_size_beyond_file", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.bitCount = 7;
        cases.push_back({"bit_count_7", Encoded(bmp), kConversionLine});
    }
    {
        BmpFields bmp = Valid24();
        bmp.compression = 4;  // a JPEG payload
        cases.push_back({"jpeg_payload", Encoded(bmp), kConversionLine});
    }
    {
        // Two bits per pixel bring no palette unless the colours-used field
        // names one.
        BmpFields bmp = Valid24();
        bmp.bitCount = 2;
        cases.push_back({"pal2_without_palette", Encoded(bmp), kConversionLine});
    }
    return cases;
}

class RefuseTest : public testing::TestWithParam<RefuseCase> {
protected:
    TempDir dir_;
};

TEST_P(RefuseTest, GivesOneReportAndNoPicture)
{
    const RefuseCase& c = GetParam();
    std::string path = dir_.File("damaged.bmp");
    ASSERT_TRUE(WriteBytes(path, c.bytes));
    LoadResult result = Load(path);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.boxes, c.boxes);
}

INSTANTIATE_TEST_SUITE_P(Files, RefuseTest, testing::ValuesIn(RefuseCases()),
                         [](const testing::TestParamInfo<RefuseCase>& info) {
                             return std::string(info.param.name);
                         });

class OpenFailureTest : public testing::Test {
protected:
    TempDir dir_;
};

TEST_F(OpenFailureTest, MissingEmptyAndFolderAreReportedWithTheName)
{
    std::string empty = dir_.File("empty.bmp");
    ASSERT_TRUE(WriteBytes(empty, {}));
    std::string folder = dir_.File("folder.bmp");
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    for (const std::string& path : {dir_.File("missing.bmp"), empty, folder}) {
        LoadResult result = Load(path);
        EXPECT_FALSE(result.loaded) << path;
        EXPECT_EQ(result.boxes, "Error: Failed to open DIB file " + path + ".\n\n");
    }
}

TEST_F(OpenFailureTest, LongNameIsShortenedToFitTheReport)
{
    std::string path = dir_.path() + "/" + std::string(300, 'n');
    LoadResult result = Load(path);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.boxes, "Error: Failed to open DIB file " + path.substr(0, 229) + ".\n\n");
}

TEST(DibColorCountTest, FollowsBitCountOrColoursUsed)
{
    struct Case {
        uint32_t headerSize;
        uint16_t bitCount;
        uint32_t colorsUsed;
        WORD expected;
    };
    const Case cases[] = {
        {40, 1, 0, 2},    {40, 4, 0, 16},        {40, 8, 0, 256},      {40, 24, 0, 0},
        {40, 2, 0, 0},    {40, 8, 16, 16},       {40, 24, 7, 7},       {40, 8, 0x10003, 3},
        {12, 1, 0, 2},    {12, 8, 0, 256},       {12, 24, 0, 0},
    };
    for (const Case& c : cases) {
        BmpFields bmp;
        bmp.fileHeader = false;
        bmp.headerSize = c.headerSize;
        bmp.bitCount = c.bitCount;
        bmp.colorsUsed = c.colorsUsed;
        Bytes bytes = EncodeBmp(bmp);
        EXPECT_EQ(DibColorCount(bytes.data()), c.expected)
            << "header " << c.headerSize << ", bits " << c.bitCount << ", used " << c.colorsUsed;
    }
}

}  // namespace
