#include "core/viewer_state.h"

#include <stdlib.h>
#include <string.h>

#include <gtest/gtest.h>

TEST(ViewerState, ResetGivesTheStartValues)
{
    // Dirty every field first, so that a field the reset forgets shows.
    memset(&g_state, 0x5A, sizeof(g_state));
    g_state.packages.entries = NULL;
    g_state.packages.entries = (PackageEntry*)malloc(3 * sizeof(PackageEntry));
    g_state.packages.packageCount = 3;
    ResetViewerState();

    EXPECT_EQ(g_state.running, 1);
    EXPECT_EQ(g_state.hInstance, nullptr);
    EXPECT_EQ(g_state.hWnd, nullptr);
    EXPECT_EQ(g_state.hDC, nullptr);
    EXPECT_EQ(g_state.hGLRC, nullptr);
    EXPECT_EQ(g_state.palette, nullptr);
    EXPECT_EQ(g_state.clientWidth, 640);
    EXPECT_EQ(g_state.clientHeight, 480);
    EXPECT_EQ(g_state.aspect, 0.0f);
    EXPECT_EQ(g_state.panX, 0.0f);
    EXPECT_EQ(g_state.panY, 0.0f);
    EXPECT_EQ(g_state.zoom, 4.0f);
    EXPECT_EQ(g_state.panSpeed, 0.005f);
    for (int i = 0; i < 256; i++) {
        EXPECT_EQ(g_state.keyDown[i], 0) << i;
        EXPECT_EQ(g_state.keyChanged[i], 0) << i;
    }
    EXPECT_EQ(g_state.mouseX, 0);
    EXPECT_EQ(g_state.mouseY, 0);
    EXPECT_EQ(g_state.anchorX, 0);
    EXPECT_EQ(g_state.anchorY, 0);
    EXPECT_EQ(g_state.anchorSet, 0);
    EXPECT_EQ(g_state.dragDX, 0);
    EXPECT_EQ(g_state.dragDY, 0);
    EXPECT_EQ(g_state.buttonDown, 0);
    EXPECT_EQ(g_state.showHelp, 0);
    EXPECT_STREQ(g_state.savegamePath, "");
    EXPECT_EQ(g_state.packages.entries, nullptr);
    EXPECT_EQ(g_state.packages.packageCount, 0);
    EXPECT_EQ(g_state.mapTexture, 0u);
    EXPECT_EQ(g_state.fontTexture, 0u);
    EXPECT_EQ(g_state.fontListBase, 0u);
}

TEST(ViewerState, StartsWithThePixelFormatRequest)
{
    ResetViewerState();
    const PIXELFORMATDESCRIPTOR& pfd = g_state.pixelFormat;
    EXPECT_EQ(pfd.nSize, 40);
    EXPECT_EQ(pfd.nVersion, 1);
    EXPECT_EQ(pfd.dwFlags, 0x25u);
    EXPECT_EQ(pfd.iPixelType, PFD_TYPE_RGBA);
    EXPECT_EQ(pfd.cColorBits, 24);
    EXPECT_EQ(pfd.cDepthBits, 32);
    EXPECT_EQ(pfd.iLayerType, PFD_MAIN_PLANE);
    // Everything else is "no preference".
    PIXELFORMATDESCRIPTOR rest = pfd;
    rest.nSize = rest.nVersion = 0;
    rest.dwFlags = 0;
    rest.cColorBits = rest.cDepthBits = 0;
    PIXELFORMATDESCRIPTOR zero;
    memset(&zero, 0, sizeof(zero));
    EXPECT_EQ(memcmp(&rest, &zero, sizeof(zero)), 0);
}
