// The palette a palette-based pixel format gets: one entry per index, each
// channel spread evenly over 0 to 255.
#include <gtest/gtest.h>

#include "shell/gl_surface.h"

namespace {

// 8 colour bits: red in bits 0-2, green in bits 3-5, blue in bits 6-7.
PIXELFORMATDESCRIPTOR Format332(void)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.cColorBits = 8;
    pfd.cRedBits = 3;
    pfd.cRedShift = 0;
    pfd.cGreenBits = 3;
    pfd.cGreenShift = 3;
    pfd.cBlueBits = 2;
    pfd.cBlueShift = 6;
    return pfd;
}

struct EntryCase {
    int index;
    int red;
    int green;
    int blue;
};

class Palette332Test : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Palette332Test, EntryHasTheColourOfItsIndex)
{
    PIXELFORMATDESCRIPTOR pfd = Format332();
    ASSERT_EQ(PaletteEntryCount(&pfd), 256);
    PALETTEENTRY entries[256];
    ComputePaletteEntries(&pfd, entries, 256);
    const EntryCase& c = GetParam();
    EXPECT_EQ(entries[c.index].peRed, c.red);
    EXPECT_EQ(entries[c.index].peGreen, c.green);
    EXPECT_EQ(entries[c.index].peBlue, c.blue);
    EXPECT_EQ(entries[c.index].peFlags, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Palette332Test,
    ::testing::Values(EntryCase{0, 0, 0, 0}, EntryCase{255, 255, 255, 255},
                      EntryCase{1, 36, 0, 0},  // 255 / 7 drops its remainder
                      EntryCase{2, 72, 0, 0}, EntryCase{7, 255, 0, 0},
                      EntryCase{8, 0, 36, 0}, EntryCase{56, 0, 255, 0},
                      EntryCase{64, 0, 0, 85}, EntryCase{192, 0, 0, 255},
                      EntryCase{0x49, 36, 36, 85}));

TEST(PaletteTest, ChannelOfNoBitsStaysBlackInsteadOfDividingByZero)
{
    PIXELFORMATDESCRIPTOR pfd = Format332();
    pfd.cBlueBits = 0;
    PALETTEENTRY entries[256];
    ComputePaletteEntries(&pfd, entries, 256);
    for (int i = 0; i < 256; i++) {
        ASSERT_EQ(entries[i].peBlue, 0) << i;
    }
    EXPECT_EQ(entries[255].peRed, 255);
    EXPECT_EQ(entries[255].peGreen, 255);
}

struct CountCase {
    int colourBits;
    int entries;
};

class PaletteCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(PaletteCountTest, CountIsTwoToTheColourBitsUpToEight)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.cColorBits = (BYTE)GetParam().colourBits;
    EXPECT_EQ(PaletteEntryCount(&pfd), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Counts, PaletteCountTest,
                         ::testing::Values(CountCase{0, 0}, CountCase{1, 2}, CountCase{4, 16},
                                           CountCase{8, 256}, CountCase{16, 0},
                                           CountCase{24, 0}));

}  // namespace
