#include "shell/input_events.h"

#include <gtest/gtest.h>

#include "core/viewer_state.h"

namespace {

LPARAM Point(int x, int y)
{
    return (LPARAM)(((uint32_t)(uint16_t)y << 16) | (uint16_t)x);
}

WPARAM Wheel(int rotation)
{
    return (WPARAM)((uint32_t)(uint16_t)(int16_t)rotation << 16);
}

class InputEventsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetViewerState(); }
    void TearDown() override { ResetViewerState(); }

    static void Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        LRESULT result = -1;
        ASSERT_EQ(HandleInputMessage(NULL, message, wParam, lParam, &result), 1);
        EXPECT_EQ(result, 0);
    }
};

TEST_F(InputEventsTest, KeysRecordDownAndChange)
{
    Send(WM_KEYDOWN, VK_ADD, 0);
    EXPECT_EQ(g_state.keyDown[VK_ADD], 1);
    EXPECT_EQ(g_state.keyChanged[VK_ADD], 1);
    g_state.keyChanged[VK_ADD] = 0;
    Send(WM_KEYUP, VK_ADD, 0);
    EXPECT_EQ(g_state.keyDown[VK_ADD], 0);
    EXPECT_EQ(g_state.keyChanged[VK_ADD], 1);
}

TEST_F(InputEventsTest, LosingTheFocusReleasesHeldKeys)
{
    Send(WM_KEYDOWN, VK_LEFT, 0);
    Send(WM_KEYDOWN, 'W', 0);
    g_state.keyChanged[VK_LEFT] = 0;
    Send(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(g_state.keyDown[VK_LEFT], 0);
    EXPECT_EQ(g_state.keyDown[(int)'W'], 0);
    EXPECT_EQ(g_state.keyChanged[VK_LEFT], 1);
    EXPECT_EQ(g_state.keyChanged[VK_RIGHT], 0);
}

TEST_F(InputEventsTest, DragMeasuresFromThePositionBeforeTheFirstMove)
{
    Send(WM_LBUTTONDOWN, 0, Point(100, 200));
    EXPECT_EQ(g_state.buttonDown, 1);
    EXPECT_EQ(g_state.anchorSet, 0);
    Send(WM_MOUSEMOVE, 0, Point(110, 195));
    Send(WM_MOUSEMOVE, 0, Point(130, 190));
    EXPECT_EQ(g_state.anchorSet, 1);
    EXPECT_EQ(g_state.anchorX, 100);
    EXPECT_EQ(g_state.anchorY, 200);
    EXPECT_EQ(g_state.dragDX, 30);
    EXPECT_EQ(g_state.dragDY, -10);
    Send(WM_LBUTTONUP, 0, Point(500, 500));
    EXPECT_EQ(g_state.buttonDown, 0);
    EXPECT_EQ(g_state.mouseX, 130);  // the release position is not recorded
}

TEST_F(InputEventsTest, AMoveWithoutChangeStillArmsTheAnchor)
{
    g_state.mouseX = 320;
    g_state.mouseY = 240;
    Send(WM_MOUSEMOVE, 0, Point(320, 240));
    EXPECT_EQ(g_state.anchorSet, 1);
    EXPECT_EQ(g_state.dragDX, 0);
}

TEST_F(InputEventsTest, CapturedPositionsLeftOfTheWindowAreNegative)
{
    Send(WM_LBUTTONDOWN, 0, Point(10, 10));
    Send(WM_MOUSEMOVE, 0, Point(-20, -5));
    EXPECT_EQ(g_state.dragDX, -30);
    EXPECT_EQ(g_state.dragDY, -15);
}

struct WheelCase {
    int rotation;
    float before;
    float after;
};

class WheelTest : public InputEventsTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelTest, StepsZoomOncePerMessage)
{
    g_state.zoom = GetParam().before;
    Send(WM_MOUSEWHEEL, Wheel(GetParam().rotation), Point(0, 0));
    EXPECT_EQ(g_state.zoom, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Rotations, WheelTest,
                         ::testing::Values(WheelCase{120, 2.0f, 2.0f + 0.1f},
                                           WheelCase{360, 2.0f, 2.0f + 0.1f},
                                           WheelCase{-120, 2.0f, 2.0f - 0.1f},
                                           WheelCase{0, 2.0f, 2.0f - 0.1f},
                                           WheelCase{120, 4.0f, 4.0f},
                                           WheelCase{-120, 1.0f, 1.0f}));

struct SizingCase {
    const char* name;
    WPARAM edge;
    RECT proposed;
    RECT corrected;
};

void PrintTo(const SizingCase& c, std::ostream* os)
{
    *os << c.name;
}

class SizingTest : public InputEventsTest, public ::testing::WithParamInterface<SizingCase> {};

TEST_P(SizingTest, MovesBackTheDraggedEdge)
{
    const SizingCase& c = GetParam();
    RECT rect = c.proposed;
    Send(WM_SIZING, c.edge, (LPARAM)&rect);
    EXPECT_EQ(rect.left, c.corrected.left);
    EXPECT_EQ(rect.top, c.corrected.top);
    EXPECT_EQ(rect.right, c.corrected.right);
    EXPECT_EQ(rect.bottom, c.corrected.bottom);
}

// The window's outer rectangle starts at (100, 50); each case drags one edge
// or corner to a size below 640 x 480.
INSTANTIATE_TEST_SUITE_P(
    Edges, SizingTest,
    ::testing::Values(
        SizingCase{"BottomRightTo500x300", WMSZ_BOTTOMRIGHT, {100, 50, 600, 350}, {100, 50, 740, 530}},
        SizingCase{"Left", WMSZ_LEFT, {300, 50, 740, 530}, {100, 50, 740, 530}},
        SizingCase{"Right", WMSZ_RIGHT, {100, 50, 500, 530}, {100, 50, 740, 530}},
        SizingCase{"Top", WMSZ_TOP, {100, 200, 740, 530}, {100, 50, 740, 530}},
        SizingCase{"Bottom", WMSZ_BOTTOM, {100, 50, 740, 400}, {100, 50, 740, 530}},
        SizingCase{"TopLeft", WMSZ_TOPLEFT, {400, 300, 740, 530}, {100, 50, 740, 530}},
        SizingCase{"TopRight", WMSZ_TOPRIGHT, {100, 300, 300, 530}, {100, 50, 740, 530}},
        SizingCase{"BottomLeft", WMSZ_BOTTOMLEFT, {400, 50, 740, 100}, {100, 50, 740, 530}},
        // Only the dimension below its minimum changes.
        SizingCase{"CornerOnlyNarrow", WMSZ_BOTTOMRIGHT, {100, 50, 600, 900}, {100, 50, 740, 900}},
        SizingCase{"CornerOnlyLow", WMSZ_TOPLEFT, {0, 300, 740, 530}, {0, 50, 740, 530}},
        // A side edge changes no height, a top or bottom edge no width.
        SizingCase{"LeftKeepsHeight", WMSZ_LEFT, {300, 50, 740, 100}, {100, 50, 740, 100}},
        SizingCase{"TopKeepsWidth", WMSZ_TOP, {100, 200, 200, 530}, {100, 50, 200, 530}},
        SizingCase{"LargeEnoughUnchanged", WMSZ_BOTTOMRIGHT, {100, 50, 900, 700}, {100, 50, 900, 700}}),
    [](const ::testing::TestParamInfo<SizingCase>& info) { return info.param.name; });

TEST_F(InputEventsTest, OtherMessagesAreNotInput)
{
    LRESULT result = 7;
    EXPECT_EQ(HandleInputMessage(NULL, WM_PAINT, 0, 0, &result), 0);
    EXPECT_EQ(HandleInputMessage(NULL, WM_SYSKEYDOWN, VK_F10, 0, &result), 0);
    EXPECT_EQ(result, 7);
}

}  // namespace
