// One frame: the map square in perspective, a red marker per package, and
// the overlay with the side panel or the help box.
#include <stdio.h>

#include "core/viewer_state.h"
#include "render/render.h"

// Marker heights: below the low one a triangle points down, above the high
// one a triangle points up, in between (both included) a square.
static const float kLowMarkerHeight = 10.0f;
static const float kHighMarkerHeight = 15.0f;

static const int kPanelWidth = 168;
static const int kPanelTextInset = 160;
static const int kHelpHalfWidth = 280;
static const int kHelpTextInset = 256;
static const int kHelpMargin = 32;

struct HudLine {
    int y;
    const char* text;
};

// Every help line is 34 characters.
static const HudLine kHelpLines[] = {
    {48, "   Hollowmarrane Package Viewer   "},
    {64, "   Free and open source software  "},
    {80, "   More help: README.md           "},
    {112, "    Keys:                         "},
    {128, "  Directional Keys or             "},
    {144, "  Mouse Leftklick & drag          "},
    {160, "                        :  move   "},
    {176, "  '+' / '-'  and Mousewheel       "},
    {192, "                        :  zoom   "},
    {224, "  'O' : Open Savegame             "},
    {256, "  ESC : Exit                      "},
    {288, "    Press 'H' again to exit help  "},
};

// The side panel's lines after the count.
static const HudLine kPanelLines[] = {
    {30, " packages "},
    {46, "   left   "},
    {70, " Press 'H'"},
    {86, " for help"},
};
static const int kPanelCountY = 14;

static void DrawMap(void)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glTranslatef(g_state.panX, g_state.panY, -g_state.zoom);
    glBindTexture(GL_TEXTURE_2D, g_state.mapTexture);
    glEnable(GL_TEXTURE_2D);
    // Texture row 0 is the picture's bottom row, along y = -1: upright.
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glEnd();
    glPopMatrix();
}

static void DrawMarker(float z)
{
    if (z < kLowMarkerHeight) {
        glBegin(GL_TRIANGLES);
        glVertex2f(-0.01f, 0.01f);
        glVertex2f(0.01f, 0.01f);
        glVertex2f(0.0f, -0.01f);
        glEnd();
    } else if (z > kHighMarkerHeight) {
        glBegin(GL_TRIANGLES);
        glVertex2f(0.0f, 0.01f);
        glVertex2f(0.01f, -0.01f);
        glVertex2f(-0.01f, -0.01f);
        glEnd();
    } else {
        glBegin(GL_QUADS);
        glVertex2f(0.008f, -0.008f);
        glVertex2f(-0.008f, -0.008f);
        glVertex2f(-0.008f, 0.008f);
        glVertex2f(0.008f, 0.008f);
        glEnd();
    }
}

// The markers lie in the map's own plane; they show because they are drawn
// after it with the depth test off.
static void DrawMarkers(void)
{
    const float toView = 1.0f / kWorldHalfExtent;
    glColor3f(1.0f, 0.0f, 0.0f);
    glDisable(GL_TEXTURE_2D);
    for (int i = 0; i < g_state.packages.packageCount; i++) {
        const PackageEntry* p = &g_state.packages.entries[i];
        glPushMatrix();
        glTranslatef(p->x * toView + g_state.panX, p->y * toView + g_state.panY, -g_state.zoom);
        DrawMarker(p->z);
        glPopMatrix();
    }
}

// Overlay units are window pixels, origin top-left, y downwards.
static void BeginOverlay(int w, int h)
{
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, g_state.fontTexture);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, (double)(w - 1), (double)(h - 1), 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glDisable(GL_CULL_FACE);
}

static void DrawQuad(float r, float g, float b, float a, int left, int top, int right, int bottom)
{
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glVertex2i(left, top);
    glVertex2i(right, top);
    glVertex2i(right, bottom);
    glVertex2i(left, bottom);
    glEnd();
}

// Text is white glyphs on black: under this blend function a white pixel
// stays white and a black one leaves what is beneath. It stays in force
// after the frame, so later frames blend the background quads with it too.
static void BeginText(void)
{
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
}

static void DrawHelpBox(int w, int h)
{
    DrawQuad(0.3f, 0.3f, 0.3f, 1.0f, w / 2 - kHelpHalfWidth, kHelpMargin, w / 2 + kHelpHalfWidth,
             h - kHelpMargin);
    BeginText();
    for (const HudLine& line : kHelpLines) {
        DrawHudText((GLuint)(w / 2 - kHelpTextInset), (GLuint)line.y, line.text);
    }
}

static void DrawSidePanel(int w, int h)
{
    DrawQuad(0.2f, 0.2f, 0.2f, 0.7f, w - kPanelWidth, 0, w, h);
    BeginText();
    // Wide enough for any int, so a count above 999 only widens the text.
    char count[24];
    snprintf(count, sizeof count, "  %3d", g_state.packages.packageCount);
    DrawHudText((GLuint)(w - kPanelTextInset), (GLuint)kPanelCountY, count);
    for (const HudLine& line : kPanelLines) {
        DrawHudText((GLuint)(w - kPanelTextInset), (GLuint)line.y, line.text);
    }
}

static void EndOverlay(void)
{
    glDisable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void RenderFrame(void)
{
    int w = g_state.clientWidth;
    int h = g_state.clientHeight;

    glClearColor(0.05f, 0.05f, 0.1f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    DrawMap();
    DrawMarkers();

    BeginOverlay(w, h);
    if (g_state.showHelp) {
        DrawHelpBox(w, h);
    } else {
        DrawSidePanel(w, h);
    }
    EndOverlay();

    SwapBuffers(g_state.hDC);
}
