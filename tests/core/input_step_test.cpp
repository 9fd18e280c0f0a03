#include "core/input_step.h"

#include <math.h>

#include <gtest/gtest.h>

#include "core/viewer_state.h"
#include "shell/platform/win32.h"

namespace {

class InputStepTest : public ::testing::Test {
protected:
    void SetUp() override { ResetViewerState(); }
    void TearDown() override { ResetViewerState(); }

    // A key-down message as the window procedure records it.
    static void Press(int key)
    {
        g_state.keyDown[key] = 1;
        g_state.keyChanged[key] = 1;
    }

    static void Release(int key)
    {
        g_state.keyDown[key] = 0;
        g_state.keyChanged[key] = 1;
    }

    static void Passes(int count)
    {
        for (int i = 0; i < count; i++) {
            InputStep();
        }
    }
};

struct HeldDirection {
    const char* name;
    int key;
    float* (*field)();
    float sign;
};

float* PanX() { return &g_state.panX; }
float* PanY() { return &g_state.panY; }

void PrintTo(const HeldDirection& d, std::ostream* os)
{
    *os << d.name;
}

class HeldDirectionTest : public InputStepTest,
                          public ::testing::WithParamInterface<HeldDirection> {};

// Each direction compares before it steps: from 0, 150 steps stay just
// inside the limit and the 151st goes one full step beyond it.
TEST_P(HeldDirectionTest, StepsUntilJustBeyondTheLimit)
{
    const HeldDirection& d = GetParam();
    g_state.keyDown[d.key] = 1;
    Passes(150);
    EXPECT_EQ(*d.field(), d.sign * 0.74999946f);
    InputStep();
    EXPECT_EQ(*d.field(), d.sign * 0.75499946f);
    Passes(10);
    EXPECT_EQ(*d.field(), d.sign * 0.75499946f);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HeldDirectionTest,
    ::testing::Values(HeldDirection{"Left", VK_LEFT, PanX, 1.0f},
                      HeldDirection{"A", 'A', PanX, 1.0f},
                      HeldDirection{"Right", VK_RIGHT, PanX, -1.0f},
                      HeldDirection{"D", 'D', PanX, -1.0f},
                      HeldDirection{"Up", VK_UP, PanY, -1.0f},
                      HeldDirection{"W", 'W', PanY, -1.0f},
                      HeldDirection{"Down", VK_DOWN, PanY, 1.0f},
                      HeldDirection{"S", 'S', PanY, 1.0f}),
    [](const ::testing::TestParamInfo<HeldDirection>& info) { return info.param.name; });

TEST_F(InputStepTest, OppositeKeysTogetherKeepTheMapAlmostStill)
{
    g_state.panX = 0.3f;
    g_state.keyDown[VK_LEFT] = 1;
    g_state.keyDown[(int)'D'] = 1;
    for (int i = 0; i < 200; i++) {
        float before = g_state.panX;
        InputStep();
        EXPECT_LT(fabsf(g_state.panX - before), 1e-7f);
    }
    // Both steps ran: the value is the float rounding of +0.005 then -0.005.
    float expected = 0.3f;
    for (int i = 0; i < 200; i++) {
        expected = (expected + 0.005f) - 0.005f;
    }
    EXPECT_EQ(g_state.panX, expected);
}

TEST_F(InputStepTest, KeypadZoomFollowsFloatRounding)
{
    for (int i = 0; i < 30; i++) {
        Press(VK_ADD);
        InputStep();
    }
    EXPECT_EQ(g_state.zoom, 1.0000017f);
    Press(VK_ADD);
    InputStep();
    EXPECT_EQ(g_state.zoom, 0.90000165f);
    Press(VK_ADD);
    InputStep();
    EXPECT_EQ(g_state.zoom, 0.90000165f);

    for (int i = 0; i < 31; i++) {
        Press(VK_SUBTRACT);
        InputStep();
    }
    EXPECT_EQ(g_state.zoom, 4.0f);
    Press(VK_SUBTRACT);
    InputStep();
    EXPECT_EQ(g_state.zoom, 4.0f);
}

TEST_F(InputStepTest, ZoomStopsAtExactlyOne)
{
    g_state.zoom = 1.0f;
    Press(VK_ADD);
    InputStep();
    EXPECT_EQ(g_state.zoom, 1.0f);
}

TEST_F(InputStepTest, OneShotKeysFireOncePerKeyDown)
{
    Press('H');
    Passes(5);  // still held, no new key-down
    EXPECT_EQ(g_state.showHelp, 1);
    Press('H');  // auto-repeat
    InputStep();
    EXPECT_EQ(g_state.showHelp, 0);

    Press(VK_ADD);
    Passes(5);
    EXPECT_EQ(g_state.zoom, 4.0f - 0.1f);
}

TEST_F(InputStepTest, ATapBetweenTwoPassesDoesNotFire)
{
    Press('H');
    Release('H');
    Press(VK_ADD);
    Release(VK_ADD);
    InputStep();
    EXPECT_EQ(g_state.showHelp, 0);
    EXPECT_EQ(g_state.zoom, 4.0f);
}

TEST_F(InputStepTest, EscapeStopsEvenWithOtherKeysHeld)
{
    g_state.keyDown[VK_LEFT] = 1;
    Press('H');
    g_state.keyDown[VK_ESCAPE] = 1;
    InputStep();
    EXPECT_EQ(g_state.running, 0);
    // The rest of the pass still ran.
    EXPECT_EQ(g_state.panX, 0.005f);
    EXPECT_EQ(g_state.showHelp, 1);
}

struct Drag {
    const char* name;
    float startX, startY;
    int dx, dy;
    float endX, endY;
};

void PrintTo(const Drag& d, std::ostream* os)
{
    *os << d.name;
}

class DragTest : public InputStepTest, public ::testing::WithParamInterface<Drag> {};

TEST_P(DragTest, MovesTheMapAgainstTheMouseAndClamps)
{
    const Drag& d = GetParam();
    g_state.panX = d.startX;
    g_state.panY = d.startY;
    g_state.buttonDown = 1;
    g_state.anchorSet = 1;
    g_state.dragDX = d.dx;
    g_state.dragDY = d.dy;
    InputStep();
    EXPECT_EQ(g_state.panX, d.endX);
    EXPECT_EQ(g_state.panY, d.endY);
    EXPECT_EQ(g_state.anchorSet, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragTest,
    ::testing::Values(
        Drag{"RightMovesLeft", 0.0f, 0.0f, 64, 0, -0.5f, 0.0f},
        Drag{"DownMovesUp", 0.0f, 0.0f, 0, 32, 0.0f, 0.25f},
        Drag{"ClampsAtTheLimit", 0.5f, -0.5f, -1000, -1000, 0.75f, -0.75f},
        // A key-driven overshoot is set back by any drag step.
        Drag{"ResetsAKeyOvershoot", 0.75499946f, -0.75499946f, 0, -1, 0.75f, -0.75f},
        Drag{"StillDragClamps", 0.75499946f, 0.0f, 0, 0, 0.75f, 0.0f}),
    [](const ::testing::TestParamInfo<Drag>& info) { return info.param.name; });

TEST_F(InputStepTest, AMoveWithTheButtonUpMovesNothing)
{
    g_state.anchorSet = 1;
    g_state.dragDX = 50;
    InputStep();
    EXPECT_EQ(g_state.panX, 0.0f);
    EXPECT_EQ(g_state.anchorSet, 1);
}

}  // namespace
