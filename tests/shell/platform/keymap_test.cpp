// The layer's key table: key positions to the virtual-key codes that index
// the viewer's key tables.
#include <gtest/gtest.h>

#include "shell/platform/sdl/window_internal.h"

namespace {

struct KeyCase {
    SDL_Scancode scancode;
    int vk;
};

class KeymapTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeymapTest, ScancodeGivesItsVirtualKey)
{
    EXPECT_EQ(VirtualKeyFromScancode(GetParam().scancode), GetParam().vk)
        << SDL_GetScancodeName(GetParam().scancode);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeymapTest,
    ::testing::Values(
        KeyCase{SDL_SCANCODE_A, 0x41}, KeyCase{SDL_SCANCODE_H, 72}, KeyCase{SDL_SCANCODE_O, 79},
        KeyCase{SDL_SCANCODE_Z, 0x5A}, KeyCase{SDL_SCANCODE_0, 0x30},
        KeyCase{SDL_SCANCODE_1, 0x31}, KeyCase{SDL_SCANCODE_9, 0x39},
        KeyCase{SDL_SCANCODE_F1, 0x70}, KeyCase{SDL_SCANCODE_F10, 0x79},
        KeyCase{SDL_SCANCODE_F12, 0x7B}, KeyCase{SDL_SCANCODE_ESCAPE, 27},
        KeyCase{SDL_SCANCODE_SPACE, 0x20}, KeyCase{SDL_SCANCODE_RETURN, 0x0D},
        KeyCase{SDL_SCANCODE_LEFT, 0x25}, KeyCase{SDL_SCANCODE_UP, 0x26},
        KeyCase{SDL_SCANCODE_RIGHT, 0x27}, KeyCase{SDL_SCANCODE_DOWN, 0x28},
        KeyCase{SDL_SCANCODE_PAGEUP, 0x21}, KeyCase{SDL_SCANCODE_PAGEDOWN, 0x22},
        KeyCase{SDL_SCANCODE_HOME, 0x24}, KeyCase{SDL_SCANCODE_END, 0x23},
        KeyCase{SDL_SCANCODE_KP_0, 0x60}, KeyCase{SDL_SCANCODE_KP_9, 0x69},
        KeyCase{SDL_SCANCODE_KP_PLUS, 107}, KeyCase{SDL_SCANCODE_KP_MINUS, 109},
        KeyCase{SDL_SCANCODE_KP_ENTER, 0x0D}, KeyCase{SDL_SCANCODE_LSHIFT, 0x10},
        KeyCase{SDL_SCANCODE_RSHIFT, 0x10}, KeyCase{SDL_SCANCODE_LCTRL, 0x11},
        KeyCase{SDL_SCANCODE_RALT, 0x12}, KeyCase{SDL_SCANCODE_EQUALS, 0xBB},
        KeyCase{SDL_SCANCODE_MINUS, 0xBD}, KeyCase{SDL_SCANCODE_APPLICATION, 0},
        KeyCase{SDL_SCANCODE_UNKNOWN, 0}));

}  // namespace
