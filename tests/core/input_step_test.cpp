// The input step's ESC rule: held at the time of a pass, it ends the loop.
#include <gtest/gtest.h>

#include "core/input_step.h"
#include "core/viewer_state.h"

namespace {

struct EscCase {
    int key;
    int held;
    int runningAfter;
};

class InputStepEscTest : public ::testing::TestWithParam<EscCase> {
protected:
    void SetUp() override { ResetViewerState(); }
    void TearDown() override { ResetViewerState(); }
};

TEST_P(InputStepEscTest, OnlyAHeldEscapeStopsTheLoop)
{
    g_state.keyDown[GetParam().key] = GetParam().held;
    g_state.keyChanged[GetParam().key] = 1;
    InputStep();
    EXPECT_EQ(g_state.running, GetParam().runningAfter);
}

INSTANTIATE_TEST_SUITE_P(Keys, InputStepEscTest,
                         ::testing::Values(EscCase{VK_ESCAPE, 1, 0},
                                           // tapped between two passes: no effect
                                           EscCase{VK_ESCAPE, 0, 1}, EscCase{'Q', 1, 1},
                                           EscCase{VK_F10, 1, 1}));

}  // namespace
