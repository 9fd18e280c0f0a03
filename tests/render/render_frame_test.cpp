// The frame on a real window, read back pixel by pixel: overlay colours,
// text positions, markers and their shapes, and pictures that are missing.
//
// Each case makes its own window, so its first frame is the context's first.
// Frames are drawn with the device context held back, so RenderFrame's swap
// does nothing and the frame stays in the back buffer, where glReadPixels
// reads it exactly whatever else is on the screen.
#include <gtest/gtest.h>
#include <math.h>
#include <stdlib.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "core/viewer_state.h"
#include "render/render.h"
#include "tools/viewer_window/viewer_window.h"

namespace {

struct Rgb {
    int r;
    int g;
    int b;
};

bool IsRed(Rgb c)
{
    return c.r > 200 && c.g < 40 && c.b < 40;
}

bool IsWhite(Rgb c)
{
    return c.r > 250 && c.g > 250 && c.b > 250;
}

// A glyph's light pixels, after filtering.
bool IsLit(Rgb c)
{
    return c.r > 160 && c.g > 160 && c.b > 160;
}

bool IsClearColour(Rgb c)
{
    return abs(c.r - 13) <= 1 && abs(c.g - 13) <= 1 && abs(c.b - 26) <= 1;
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (getenv("DISPLAY") == NULL) {
            GTEST_SKIP() << "needs a display";
        }
    }

    // Window creation builds the surface and loads our pictures from the
    // working directory (the build directory, beside the viewer).
    void OpenWindow(int w, int h)
    {
        ASSERT_NE(OpenViewerWindow(0, 0, w, h), nullptr);
        ASSERT_EQ(g_state.clientWidth, w);
        ASSERT_EQ(g_state.clientHeight, h);
    }

    void TearDown() override { CloseViewerWindow(); }

    static void DrawFrame() { DrawFrameWithoutSwap(); }

    // A pixel in GL's window coordinates: origin bottom-left.
    static Rgb ReadGl(int x, int y)
    {
        unsigned char p[3] = {0, 0, 0};
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
        return Rgb{p[0], p[1], p[2]};
    }

    // A pixel in overlay coordinates: origin top-left.
    static Rgb Read(int x, int y) { return ReadGl(x, g_state.clientHeight - 1 - y); }

    // Every glyph cell a white square: text becomes bars whose extent is
    // exactly where the characters stand.
    static void UseWhiteFont()
    {
        static const GLubyte white[3] = {255, 255, 255};
        glBindTexture(GL_TEXTURE_2D, g_state.fontTexture);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, white);
    }

    static void SetPackages(const std::vector<PackageEntry>& entries)
    {
        free(g_state.packages.entries);
        size_t bytes = sizeof(PackageEntry) * (entries.empty() ? 1 : entries.size());
        g_state.packages.entries = (PackageEntry*)malloc(bytes);
        for (size_t i = 0; i < entries.size(); i++) {
            g_state.packages.entries[i] = entries[i];
        }
        g_state.packages.packageCount = (int)entries.size();
        g_state.packages.capacity = (int)(entries.empty() ? 1 : entries.size());
    }

    // The overlay's projection spans w - 1 and h - 1 units over w and h
    // pixels; the first pixel column (row) whose centre an edge at overlay x
    // (y) covers, and the last one before it.
    static int FirstColumn(int x)
    {
        return (int)ceil((double)x * g_state.clientWidth / (g_state.clientWidth - 1) - 0.5);
    }
    static int LastColumnBefore(int x) { return FirstColumn(x) - 1; }
    static int FirstRow(int y)
    {
        return (int)ceil((double)y * g_state.clientHeight / (g_state.clientHeight - 1) - 0.5);
    }
    static int LastRowBefore(int y) { return FirstRow(y) - 1; }

    // Pixels per view unit in the map's plane at the current zoom.
    static double PixelsPerUnit()
    {
        double f = 1.0 / tan(kFieldOfView / 2.0 * M_PI / 180.0);
        return f * g_state.clientHeight / (2.0 * g_state.zoom);
    }

    // The pixel at view position (vx, vy) of the map's plane (pan included).
    static Rgb ReadView(double vx, double vy)
    {
        double s = PixelsPerUnit();
        double x = g_state.clientWidth / 2.0 + (vx + g_state.panX) * s;
        double y = g_state.clientHeight / 2.0 + (vy + g_state.panY) * s;
        return ReadGl((int)floor(x), (int)floor(y));
    }

    static int CountRed()
    {
        int w = g_state.clientWidth;
        int h = g_state.clientHeight;
        std::vector<unsigned char> pixels((size_t)w * h * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        int count = 0;
        for (size_t i = 0; i < pixels.size(); i += 3) {
            count += IsRed(Rgb{pixels[i], pixels[i + 1], pixels[i + 2]}) ? 1 : 0;
        }
        return count;
    }

    // First and last white column of an overlay row between two columns;
    // -1 when there is none.
    static void WhiteSpan(int row, int from, int to, int* first, int* last)
    {
        *first = -1;
        *last = -1;
        for (int x = from; x <= to; x++) {
            if (IsWhite(Read(x, row))) {
                if (*first < 0) {
                    *first = x;
                }
                *last = x;
            }
        }
    }
};

// ---- Background of the side panel and the help box -----------------------

struct BackgroundCase {
    const char* name;
    int showHelp;
    int frame;  // 1 is the context's first
    int x;      // where only the clear colour lies beneath (640 x 480, zoom 4)
    int y;
    double r, g, b;  // expected, 0 to 1
    double tolerance;  // in 8-bit steps
};

class BackgroundTest : public RenderTest, public ::testing::WithParamInterface<BackgroundCase> {};

// On the first frame the GL's initial blending draws the quad opaque; from
// then on the text blending left in force mixes it with what lies beneath.
TEST_P(BackgroundTest, ReadsTheColourOfItsFrame)
{
    const BackgroundCase& c = GetParam();
    OpenWindow(640, 480);
    g_state.showHelp = c.showHelp;
    for (int i = 0; i < c.frame; i++) {
        DrawFrame();
    }
    Rgb p = Read(c.x, c.y);
    EXPECT_NEAR(p.r, c.r * 255, c.tolerance);
    EXPECT_NEAR(p.g, c.g * 255, c.tolerance);
    EXPECT_NEAR(p.b, c.b * 255, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, BackgroundTest,
    ::testing::Values(BackgroundCase{"PanelFirst", 0, 1, 620, 240, 0.2, 0.2, 0.2, 1.0},
                      BackgroundCase{"PanelSecond", 0, 2, 620, 240, 0.08, 0.08, 0.12, 1.5},
                      BackgroundCase{"PanelFifth", 0, 5, 620, 400, 0.08, 0.08, 0.12, 1.5},
                      BackgroundCase{"HelpFirst", 1, 1, 60, 400, 0.3, 0.3, 0.3, 1.0},
                      BackgroundCase{"HelpSecond", 1, 2, 60, 400, 0.125, 0.125, 0.16, 1.5},
                      BackgroundCase{"HelpFifth", 1, 5, 590, 440, 0.125, 0.125, 0.16, 1.5}),
    [](const ::testing::TestParamInfo<BackgroundCase>& info) { return info.param.name; });

// ---- Where the text stands -----------------------------------------------

struct TextLine {
    int y;
    int length;
};

const TextLine kPanelLines[] = {{14, 5}, {30, 10}, {46, 10}, {70, 10}, {86, 9}};
const TextLine kHelpLines[] = {{48, 34},  {64, 34},  {80, 34},  {112, 34},
                               {128, 34}, {144, 34}, {160, 34}, {176, 34},
                               {192, 34}, {224, 34}, {256, 34}, {288, 34}};

struct LayoutCase {
    int width;
    int height;
    int showHelp;
};

class TextLayoutTest : public RenderTest, public ::testing::WithParamInterface<LayoutCase> {};

// Side panel text at x = w - 160, help text at x = w / 2 - 256, each line
// 16 pixels a character and 16 high.
TEST_P(TextLayoutTest, LinesStartAndEndWhereTheyBelong)
{
    const LayoutCase& c = GetParam();
    OpenWindow(c.width, c.height);
    g_state.showHelp = c.showHelp;
    UseWhiteFont();
    DrawFrame();

    int x = c.showHelp ? c.width / 2 - 256 : c.width - 160;
    std::vector<TextLine> lines(c.showHelp ? std::begin(kHelpLines) : std::begin(kPanelLines),
                                c.showHelp ? std::end(kHelpLines) : std::end(kPanelLines));
    for (const TextLine& line : lines) {
        int first = 0;
        int last = 0;
        WhiteSpan(FirstRow(line.y + 8), x - 32, c.width - 1, &first, &last);
        EXPECT_EQ(first, FirstColumn(x)) << "line at y " << line.y;
        EXPECT_EQ(last, std::min(LastColumnBefore(x + 16 * line.length), c.width - 1))
            << "line at y " << line.y;
        // The glyph cells' top and bottom edges.
        EXPECT_TRUE(IsWhite(Read(x + 8, FirstRow(line.y)))) << "line at y " << line.y;
        EXPECT_TRUE(IsWhite(Read(x + 8, LastRowBefore(line.y + 16)))) << "line at y " << line.y;
    }
    // Between the panel's third and fourth line, and below the last line of
    // either, no text.
    if (!c.showHelp) {
        EXPECT_FALSE(IsWhite(Read(x + 8, FirstRow(66))));
    }
    EXPECT_FALSE(IsWhite(Read(x + 8, FirstRow(lines.back().y + 16) + 1)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, TextLayoutTest,
                         ::testing::Values(LayoutCase{640, 480, 0}, LayoutCase{640, 480, 1},
                                           LayoutCase{800, 600, 0}, LayoutCase{800, 600, 1},
                                           LayoutCase{1000, 700, 0}, LayoutCase{1001, 480, 1}),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height) +
                                    (info.param.showHelp ? "Help" : "Panel");
                         });

// ---- The count ------------------------------------------------------------

struct CountCase {
    int count;
    int characters;  // of the formatted count
};

class PanelCountTest : public RenderTest, public ::testing::WithParamInterface<CountCase> {};

// Two blanks and at least three digits; a count above 999 widens the text
// and leaves the lines below untouched.
TEST_P(PanelCountTest, CountTextHasItsFormattedWidth)
{
    const CountCase& c = GetParam();
    OpenWindow(640, 480);
    SetPackages(std::vector<PackageEntry>((size_t)c.count, PackageEntry{0.0f, 0.0f, 12.0f}));
    UseWhiteFont();
    DrawFrame();

    int x = 640 - 160;
    int first = 0;
    int last = 0;
    WhiteSpan(FirstRow(14 + 8), 400, 639, &first, &last);
    EXPECT_EQ(first, FirstColumn(x));
    EXPECT_EQ(last, LastColumnBefore(x + 16 * c.characters));
    WhiteSpan(FirstRow(46 + 8), 400, 639, &first, &last);
    EXPECT_EQ(first, FirstColumn(x));
    EXPECT_EQ(last, 639);
}

INSTANTIATE_TEST_SUITE_P(Counts, PanelCountTest,
                         ::testing::Values(CountCase{0, 5}, CountCase{7, 5}, CountCase{100, 5},
                                           CountCase{999, 5}, CountCase{1000, 6},
                                           CountCase{12345, 7}),
                         [](const ::testing::TestParamInfo<CountCase>& info) {
                             return "Count" + std::to_string(info.param.count);
                         });

// ---- DrawHudText on its own ----------------------------------------------

struct HudTextCase {
    const char* name;
    const char* text;
    int whiteWidth;  // pixels from the start position, 0 for nothing
};

class HudTextTest : public RenderTest, public ::testing::WithParamInterface<HudTextCase> {};

// Codes above 127 are negative under GL_BYTE and select no list: they draw
// nothing and do not advance, so what follows starts where they stood.
TEST_P(HudTextTest, DrawsOneCellPerCharacterOfTheFont)
{
    const HudTextCase& c = GetParam();
    OpenWindow(640, 480);
    UseWhiteFont();
    // An overlay of exactly one unit per pixel.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 640.0, 480.0, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);

    DrawHudText(40, 200, c.text);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    int first = 0;
    int last = 0;
    WhiteSpan(208, 0, 639, &first, &last);
    if (c.whiteWidth == 0) {
        EXPECT_EQ(first, -1);
    } else {
        EXPECT_EQ(first, 40);
        EXPECT_EQ(last, 40 + c.whiteWidth - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HudTextTest,
    ::testing::Values(HudTextCase{"OneCharacter", "A", 16}, HudTextCase{"Blanks", "   ", 48},
                      HudTextCase{"HighCodeBetween", "A\x80" "B", 32},
                      HudTextCase{"HighCodeFirst", "\xff" "AB", 32},
                      HudTextCase{"HighCodesOnly", "\x80\xc8\xff", 0},
                      HudTextCase{"ThirtyFourCharacters", "0123456789012345678901234567890123",
                                  544}),
    [](const ::testing::TestParamInfo<HudTextCase>& info) { return info.param.name; });

// With our own font the glyphs are light on black: a letter leaves lit and
// dark pixels in its cell, a blank cell leaves the ground as it was.
TEST_F(RenderTest, OwnFontDrawsGlyphsAndLeavesBlanksTransparent)
{
    OpenWindow(640, 480);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 640.0, 480.0, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0.0f, 0.0f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, g_state.fontTexture);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
    DrawHudText(100, 200, " H");

    int lit = 0;
    int ground = 0;
    for (int y = 200; y < 216; y++) {
        for (int x = 100; x < 132; x++) {
            Rgb p = Read(x, y);
            if (x < 116) {
                EXPECT_EQ(p.r, 0);
                EXPECT_NEAR(p.b, 128, 1);
            } else if (IsLit(p)) {
                lit++;
            } else if (p.r == 0 && abs(p.b - 128) <= 1) {
                ground++;
            }
        }
    }
    EXPECT_GT(lit, 10);
    EXPECT_GT(ground, 100);
}

// ---- Markers ----------------------------------------------------------------

struct PlacementCase {
    const char* name;
    float worldX, worldY;
    float panX, panY, zoom;
    int showHelp;  // the overlay that leaves the spot uncovered
};

class MarkerPlacementTest : public RenderTest,
                            public ::testing::WithParamInterface<PlacementCase> {};

// A package at world (x, y) stands at view (x / 2048 + pan, y / 2048 + pan):
// red there, the map or the background a few pixels off all around.
TEST_P(MarkerPlacementTest, MarkerIsCentredOnItsPosition)
{
    const PlacementCase& c = GetParam();
    OpenWindow(640, 480);
    g_state.panX = c.panX;
    g_state.panY = c.panY;
    g_state.zoom = c.zoom;
    g_state.showHelp = c.showHelp;
    SetPackages({PackageEntry{c.worldX, c.worldY, 12.0f}});
    DrawFrame();

    double vx = c.worldX / 2048.0;
    double vy = c.worldY / 2048.0;
    EXPECT_TRUE(IsRed(ReadView(vx, vy)));
    // Three pixels beyond the square's edge.
    double off = 0.008 + 3.0 / PixelsPerUnit();
    EXPECT_FALSE(IsRed(ReadView(vx + off, vy)));
    EXPECT_FALSE(IsRed(ReadView(vx - off, vy)));
    EXPECT_FALSE(IsRed(ReadView(vx, vy + off)));
    EXPECT_FALSE(IsRed(ReadView(vx, vy - off)));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, MarkerPlacementTest,
    ::testing::Values(PlacementCase{"OriginAtTheWindowCentre", 0, 0, 0, 0, 4, 0},
                      PlacementCase{"UpperRightCorner", 2048, 2048, 0, 0, 4, 1},
                      PlacementCase{"LowerLeftCorner", -2048, -2048, 0, 0, 4, 0},
                      PlacementCase{"PannedAndZoomed", -1024, 512, 0.25f, -0.5f, 2, 0},
                      PlacementCase{"Close", 300, -400, 0, 0, 1, 0}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

// Brought to the window's centre: to the lower left the map, on the other
// three sides nothing but the background.
TEST_F(RenderTest, CornerMarkerSitsOnTheMapsUpperRightCorner)
{
    OpenWindow(640, 480);
    g_state.panX = -1.0f;
    g_state.panY = -1.0f;
    g_state.zoom = 1.0f;
    SetPackages({PackageEntry{2048.0f, 2048.0f, 12.0f}});
    DrawFrame();

    EXPECT_TRUE(IsRed(ReadGl(320, 240)));
    EXPECT_FALSE(IsClearColour(ReadGl(300, 220)));
    EXPECT_FALSE(IsRed(ReadGl(300, 220)));
    EXPECT_TRUE(IsClearColour(ReadGl(340, 260)));
    EXPECT_TRUE(IsClearColour(ReadGl(300, 260)));
    EXPECT_TRUE(IsClearColour(ReadGl(340, 220)));
}

enum Shape { kPointsDown, kSquare, kPointsUp };

struct ShapeCase {
    const char* name;
    float z;
    Shape shape;
};

class MarkerShapeTest : public RenderTest, public ::testing::WithParamInterface<ShapeCase> {};

// Close up, so that a marker spans dozens of pixels. Near its four corners
// (0.006 view units out on both axes): a downward triangle covers the upper
// two only, an upward one the lower two, the square all four.
TEST_P(MarkerShapeTest, HeightChoosesTheShape)
{
    const ShapeCase& c = GetParam();
    OpenWindow(640, 480);
    g_state.zoom = 0.5f;
    SetPackages({PackageEntry{0.0f, 0.0f, c.z}});
    DrawFrame();

    const double d = 0.006;
    bool upper = c.shape != kPointsUp;
    bool lower = c.shape != kPointsDown;
    EXPECT_EQ(IsRed(ReadView(-d, d)), upper);
    EXPECT_EQ(IsRed(ReadView(d, d)), upper);
    EXPECT_EQ(IsRed(ReadView(-d, -d)), lower);
    EXPECT_EQ(IsRed(ReadView(d, -d)), lower);
    EXPECT_TRUE(IsRed(ReadView(0, 0)));
    // Nothing of any shape reaches 0.012 out.
    EXPECT_FALSE(IsRed(ReadView(0.012, 0)));
    EXPECT_FALSE(IsRed(ReadView(0, 0.012)));
}

INSTANTIATE_TEST_SUITE_P(Heights, MarkerShapeTest,
                         ::testing::Values(ShapeCase{"Deep", -500.0f, kPointsDown},
                                           ShapeCase{"Below10", 9.99f, kPointsDown},
                                           ShapeCase{"At10", 10.0f, kSquare},
                                           ShapeCase{"Between", 12.5f, kSquare},
                                           ShapeCase{"At15", 15.0f, kSquare},
                                           ShapeCase{"Above15", 15.01f, kPointsUp},
                                           ShapeCase{"High", 900.0f, kPointsUp}),
                         [](const ::testing::TestParamInfo<ShapeCase>& info) {
                             return info.param.name;
                         });

// Markers keep their size on the map, so zooming in enlarges them on screen.
TEST_F(RenderTest, MarkersGrowWhenZoomingIn)
{
    OpenWindow(640, 480);
    SetPackages({PackageEntry{0.0f, 0.0f, 12.0f}, PackageEntry{-200.0f, 100.0f, 5.0f},
                 PackageEntry{150.0f, -80.0f, 20.0f}});
    int previous = 0;
    for (float zoom : {4.0f, 2.0f, 1.0f}) {
        g_state.zoom = zoom;
        DrawFrame();
        int red = CountRed();
        // Half the distance, four times the area, give or take the edges.
        EXPECT_GT(red, 3 * previous) << "zoom " << zoom;
        previous = red;
    }
    EXPECT_GT(previous, 0);
}

// ---- Pictures that cannot be loaded ----------------------------------------

// The loader reports, and a plain texture stands in: the map square in one
// neutral colour, never garbage, and the viewer goes on.
TEST_F(RenderTest, MissingMapPictureLeavesANeutralSquare)
{
    OpenWindow(640, 480);
    ::testing::internal::CaptureStderr();
    LoadTexture("no-such-map.bmp", &g_state.mapTexture);
    std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("Error"), std::string::npos) << report;
    EXPECT_NE(g_state.mapTexture, 0u);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    DrawFrame();
    Rgb centre = ReadGl(320, 240);
    EXPECT_FALSE(IsClearColour(centre));
    EXPECT_LE(abs(centre.r - centre.g), 10);
    EXPECT_LE(abs(centre.g - centre.b), 10);
    EXPECT_GT(centre.r, 40);
    EXPECT_LT(centre.r, 200);
    // One colour over the whole square.
    for (int x : {120, 200, 300, 400}) {
        for (int y : {30, 150, 300, 450}) {
            Rgb p = ReadGl(x, y);
            EXPECT_EQ(p.r, centre.r) << x << "," << y;
            EXPECT_EQ(p.g, centre.g) << x << "," << y;
            EXPECT_EQ(p.b, centre.b) << x << "," << y;
        }
    }
}

struct FontFileCase {
    const char* name;
    const char* file;
    bool textShows;
};

class FontFileTest : public RenderTest, public ::testing::WithParamInterface<FontFileCase> {};

// Right of the map, the panel's text rows show either lit glyph pixels (our
// font) or nothing but the panel (a font that could not be loaded).
TEST_P(FontFileTest, PanelTextIsReadableOrAbsent)
{
    const FontFileCase& c = GetParam();
    OpenWindow(640, 480);
    ::testing::internal::CaptureStderr();
    LoadTexture(c.file, &g_state.fontTexture);
    std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(report.find("Error") != std::string::npos, !c.textShows) << report;
    DrawFrame();

    Rgb panel = Read(620, 240);
    int lit = 0;
    int other = 0;
    for (int y = 30; y < 62; y++) {
        for (int x = 560; x < 640; x++) {
            Rgb p = Read(x, y);
            if (IsLit(p)) {
                lit++;
            } else if (p.r != panel.r || p.g != panel.g || p.b != panel.b) {
                other++;
            }
        }
    }
    if (c.textShows) {
        EXPECT_GT(lit, 20);
    } else {
        EXPECT_EQ(lit, 0);
        EXPECT_EQ(other, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, FontFileTest,
                         ::testing::Values(FontFileCase{"OurFont", "font.bmp", true},
                                           FontFileCase{"Missing", "no-such-font.bmp", false}),
                         [](const ::testing::TestParamInfo<FontFileCase>& info) {
                             return info.param.name;
                         });

}  // namespace
