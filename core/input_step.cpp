// Once per idle pass: turns the input the window procedure recorded into
// changes of the view, the help flag and the running flag, and opens a
// savegame. Held keys act on every pass; one-shot keys once per key-down.
#include "core/input_step.h"

#include "core/viewer_state.h"
#include "shell/choose_savegame.h"
#include "shell/platform/win32.h"

// Letter keys' virtual-key codes are their capitals' character codes.
static const int kKeyOpen = 'O';
static const int kKeyHelp = 'H';

static int Held(int key)
{
    return g_state.keyDown[key] == 1;
}

// Held now and pressed since the last time the key's action ran.
static int Fresh(int key)
{
    return g_state.keyDown[key] == 1 && g_state.keyChanged[key] == 1;
}

static float Clamp(float value)
{
    if (value > kPanLimit) {
        return kPanLimit;
    }
    if (value < -kPanLimit) {
        return -kPanLimit;
    }
    return value;
}

// Moving the mouse right moves the map left; moving it down moves the map up.
static void ApplyDrag(void)
{
    if (!g_state.buttonDown || !g_state.anchorSet) {
        return;
    }
    g_state.panX = g_state.panX - (float)g_state.dragDX * kDragScale;
    g_state.panY = g_state.panY + (float)g_state.dragDY * kDragScale;
    g_state.panX = Clamp(g_state.panX);
    g_state.panY = Clamp(g_state.panY);
    g_state.anchorSet = 0;
}

// Each direction compares before it steps, so a value just inside the limit
// takes one more full step. Opposite keys held together both apply.
static void ApplyHeldDirections(void)
{
    if ((Held(VK_LEFT) || Held('A')) && g_state.panX < kPanLimit) {
        g_state.panX += g_state.panSpeed;
    }
    if ((Held(VK_RIGHT) || Held('D')) && g_state.panX > -kPanLimit) {
        g_state.panX -= g_state.panSpeed;
    }
    if ((Held(VK_UP) || Held('W')) && g_state.panY > -kPanLimit) {
        g_state.panY -= g_state.panSpeed;
    }
    if ((Held(VK_DOWN) || Held('S')) && g_state.panY < kPanLimit) {
        g_state.panY += g_state.panSpeed;
    }
}

void InputStep(void)
{
    ApplyDrag();
    ApplyHeldDirections();

    if (Fresh(VK_ADD)) {
        g_state.keyChanged[VK_ADD] = 0;
        if (g_state.zoom > kZoomMin) {
            g_state.zoom -= kZoomStep;
        }
    }
    if (Fresh(VK_SUBTRACT)) {
        g_state.keyChanged[VK_SUBTRACT] = 0;
        if (g_state.zoom < kZoomMax) {
            g_state.zoom += kZoomStep;
        }
    }
    if (Fresh(kKeyOpen)) {
        ChooseSavegame(g_state.savegamePath);
        g_state.keyChanged[kKeyOpen] = 0;
    }
    if (Fresh(kKeyHelp)) {
        g_state.keyChanged[kKeyHelp] = 0;
        g_state.showHelp = !g_state.showHelp;
    }
    if (Held(VK_ESCAPE)) {
        g_state.running = 0;
    }
}
