// The font and map pictures that the build writes beside the viewer.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "image/load_dib_image.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // top row first

    const unsigned char* At(int x, int y) const { return &rgb[((size_t)y * width + x) * 3]; }
    int Brightness(int x, int y) const
    {
        const unsigned char* p = At(x, y);
        return (p[0] + p[1] + p[2]) / 3;
    }
};

// Through the viewer's own loader, so that a picture it cannot read, or
// reads differently from what the generator meant, fails here.
bool ReadPicture(const std::string& path, Picture* picture)
{
    RgbImage* image = LoadDibImage(path.c_str());
    if (image == NULL) {
        return false;
    }
    picture->width = image->width;
    picture->height = image->height;
    picture->rgb.resize((size_t)image->width * image->height * 3);
    size_t rowBytes = (size_t)image->width * 3;
    // The loader keeps the bottom row first; the checks count rows from the top.
    for (int y = 0; y < image->height; y++) {
        memcpy(&picture->rgb[rowBytes * y], image->data + rowBytes * (image->height - 1 - y),
               rowBytes);
    }
    free(image->data);
    free(image);
    return true;
}

// The bit count in the file's info header (14-byte file header first).
int StoredBitCount(const std::string& path)
{
    unsigned char header[30] = {};
    FILE* f = fopen(path.c_str(), "rb");
    if (f == NULL) {
        return -1;
    }
    size_t n = fread(header, 1, sizeof header, f);
    fclose(f);
    if (n != sizeof header || header[0] != 'B' || header[1] != 'M') {
        return -1;
    }
    return header[28] | header[29] << 8;
}

// ---- font.bmp --------------------------------------------------------------

class FontPictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        loaded_ = ReadPicture(std::string(HM_OUTPUT_DIR) + "/font.bmp", &font_);
    }
    void SetUp() override { ASSERT_TRUE(loaded_) << "font.bmp is missing or unreadable"; }

    // The brightest pixel in the cell of a character code.
    static int Ink(int code)
    {
        int most = 0;
        for (int y = 0; y < 16; y++) {
            for (int x = 0; x < 16; x++) {
                most = std::max(most, CellPixel(code, x, y));
            }
        }
        return most;
    }
    static int CellPixel(int code, int x, int y)
    {
        return font_.Brightness((code % 16) * 16 + x, (code / 16) * 16 + y);
    }
    // Rows of the cell that hold ink, from its top.
    static int FirstInkRow(int code)
    {
        for (int y = 0; y < 16; y++) {
            for (int x = 0; x < 16; x++) {
                if (CellPixel(code, x, y) > 96) {
                    return y;
                }
            }
        }
        return -1;
    }
    static int LastInkRow(int code)
    {
        for (int y = 15; y >= 0; y--) {
            for (int x = 0; x < 16; x++) {
                if (CellPixel(code, x, y) > 96) {
                    return y;
                }
            }
        }
        return -1;
    }
    static int InkInRow(int code, int y)
    {
        int sum = 0;
        for (int x = 0; x < 16; x++) {
            sum += CellPixel(code, x, y);
        }
        return sum;
    }

    static Picture font_;
    static bool loaded_;
};

Picture FontPictureTest::font_;
bool FontPictureTest::loaded_ = false;

TEST_F(FontPictureTest, Is256By256)
{
    EXPECT_EQ(font_.width, 256);
    EXPECT_EQ(font_.height, 256);
    EXPECT_EQ(StoredBitCount(std::string(HM_OUTPUT_DIR) + "/font.bmp"), 24);
}

TEST_F(FontPictureTest, CapitalALiesInColumn1Row4FromTheTop)
{
    // Column 1, row 4: pixels 16..31 across and 64..79 down.
    int brightest = 0;
    for (int y = 64; y < 80; y++) {
        for (int x = 16; x < 32; x++) {
            brightest = std::max(brightest, font_.Brightness(x, y));
        }
    }
    EXPECT_GT(brightest, 200);
}

TEST_F(FontPictureTest, EveryPrintableCharacterHasInk)
{
    for (int code = 33; code <= 126; code++) {
        EXPECT_GT(Ink(code), 160) << "code " << code;
    }
}

TEST_F(FontPictureTest, SpaceControlCodesAndUpperHalfAreBlack)
{
    for (int code = 0; code < 256; code++) {
        if (code >= 33 && code <= 126) {
            continue;
        }
        EXPECT_EQ(Ink(code), 0) << "code " << code;
    }
}

TEST_F(FontPictureTest, GlyphsAreGreyLevelsUpToWhite)
{
    int brightest = 0;
    for (int y = 0; y < 256; y++) {
        for (int x = 0; x < 256; x++) {
            const unsigned char* p = font_.At(x, y);
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << "coloured pixel at " << x << "," << y;
            brightest = std::max(brightest, (int)p[0]);
        }
    }
    EXPECT_EQ(brightest, 255);
}

// Linear filtering in the viewer reads half a texel past a cell's edge, so
// every cell keeps a black border one pixel wide.
TEST_F(FontPictureTest, CellBordersAreBlack)
{
    for (int code = 0; code < 256; code++) {
        for (int i = 0; i < 16; i++) {
            ASSERT_EQ(CellPixel(code, i, 0), 0) << "code " << code << " top, x " << i;
            ASSERT_EQ(CellPixel(code, i, 15), 0) << "code " << code << " bottom, x " << i;
            ASSERT_EQ(CellPixel(code, 0, i), 0) << "code " << code << " left, y " << i;
            ASSERT_EQ(CellPixel(code, 15, i), 0) << "code " << code << " right, y " << i;
        }
    }
}

TEST_F(FontPictureTest, GlyphsStandUprightOnOneBaseline)
{
    // 'T' has its bar at the top: a picture stored upside down fails here.
    int top = FirstInkRow('T');
    int bottom = LastInkRow('T');
    ASSERT_GE(top, 0);
    EXPECT_GT(InkInRow('T', top), 2 * InkInRow('T', bottom));
    // Capitals, digits and short letters end on the same row; descenders go below.
    for (int code : {'A', 'H', 'Z', '0', '7', 'x', 'a', 'n'}) {
        EXPECT_EQ(LastInkRow(code), bottom) << "code " << code;
    }
    for (int code : {'g', 'p', 'y'}) {
        EXPECT_GT(LastInkRow(code), bottom) << "code " << code;
    }
    EXPECT_LT(FirstInkRow('H'), FirstInkRow('x'));
}

// ---- HMmap.bmp -------------------------------------------------------------

// World coordinate to the picture's column and (top-first) row: the picture
// spans -2048..+2048 at two world units a pixel, y growing upwards.
int ColumnOf(int worldX)
{
    return (worldX + 2048) / 2;
}

int RowOf(int worldY)
{
    return 2047 - (worldY + 2048) / 2;
}

class MapPictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        loaded_ = ReadPicture(std::string(HM_OUTPUT_DIR) + "/HMmap.bmp", &map_);
    }
    void SetUp() override { ASSERT_TRUE(loaded_) << "HMmap.bmp is missing or unreadable"; }

    static double ColumnMean(int x)
    {
        double sum = 0;
        for (int y = 0; y < map_.height; y++) {
            sum += map_.Brightness(x, y);
        }
        return sum / map_.height;
    }
    static double RowMean(int y)
    {
        double sum = 0;
        for (int x = 0; x < map_.width; x++) {
            sum += map_.Brightness(x, y);
        }
        return sum / map_.width;
    }

    static Picture map_;
    static bool loaded_;
};

Picture MapPictureTest::map_;
bool MapPictureTest::loaded_ = false;

TEST_F(MapPictureTest, Is2048By2048)
{
    EXPECT_EQ(map_.width, 2048);
    EXPECT_EQ(map_.height, 2048);
    EXPECT_EQ(StoredBitCount(std::string(HM_OUTPUT_DIR) + "/HMmap.bmp"), 24);
}

// Packages are drawn in pure red; nothing on the map may compete with them.
TEST_F(MapPictureTest, HasNoSaturatedRed)
{
    for (int y = 0; y < map_.height; y++) {
        for (int x = 0; x < map_.width; x++) {
            const unsigned char* p = map_.At(x, y);
            ASSERT_LT(p[0] - std::max(p[1], p[2]), 60) << "at " << x << "," << y;
        }
    }
}

TEST_F(MapPictureTest, IsModeratelyBright)
{
    double sum = 0;
    for (int y = 0; y < map_.height; y++) {
        for (int x = 0; x < map_.width; x++) {
            sum += map_.Brightness(x, y);
        }
    }
    double mean = sum / ((double)map_.width * map_.height);
    EXPECT_GT(mean, 60.0);
    EXPECT_LT(mean, 140.0);
}

struct GridCase {
    int world;
    const char* kind;
};

void PrintTo(const GridCase& c, std::ostream* os)
{
    *os << c.kind << " line at " << c.world;
}

class MapGridTest : public MapPictureTest, public ::testing::WithParamInterface<GridCase> {};

// A grid line stands out from the ground halfway to the next line, both
// along x and along y.
TEST_P(MapGridTest, LineStandsOutFromTheGround)
{
    int w = GetParam().world;
    EXPECT_GT(ColumnMean(ColumnOf(w)), ColumnMean(ColumnOf(w + 128)) + 20) << "x = " << w;
    EXPECT_GT(RowMean(RowOf(w)), RowMean(RowOf(w + 128)) + 20) << "y = " << w;
}

INSTANTIATE_TEST_SUITE_P(Lines, MapGridTest,
                         ::testing::Values(GridCase{0, "axis"}, GridCase{1024, "major"},
                                           GridCase{-1024, "major"}, GridCase{256, "minor"},
                                           GridCase{-1792, "minor"}, GridCase{1792, "minor"}),
                         [](const ::testing::TestParamInfo<GridCase>& info) {
                             std::string name = info.param.kind;
                             name += info.param.world < 0 ? "Minus" : "";
                             return name + std::to_string(std::abs(info.param.world));
                         });

TEST_F(MapPictureTest, AxesAreStrongestThenEvery1024)
{
    // Width of the bright band around a line, counted on one row far from
    // the labels.
    auto bandWidth = [](int worldX) {
        int y = RowOf(-640);
        int centre = ColumnOf(worldX);
        int ground = map_.Brightness(centre + 64, y);
        int count = 0;
        for (int x = centre - 8; x < centre + 8; x++) {
            count += map_.Brightness(x, y) > ground + 40 ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(bandWidth(0), bandWidth(1024));
    EXPECT_GT(bandWidth(1024), bandWidth(256));
    EXPECT_GE(bandWidth(256), 2);
}

// "0" is written beside the vertical axis near the top edge: light text on a
// dark outline, so both extremes are present there.
TEST_F(MapPictureTest, LabelBesideTheAxisAtTheTopEdge)
{
    int brightest = 0;
    int darkest = 255;
    for (int y = 8; y < 72; y++) {
        for (int x = ColumnOf(0) + 4; x < ColumnOf(0) + 64; x++) {
            brightest = std::max(brightest, map_.Brightness(x, y));
            darkest = std::min(darkest, map_.Brightness(x, y));
        }
    }
    EXPECT_GT(brightest, 200);
    EXPECT_LT(darkest, 45);
}

}  // namespace
