// The keyboard and mouse messages of the viewer's window. They only record
// raw input in g_state, for the input step of the next pass; the wheel and
// the sizing limit act at once.
#ifndef HM_SHELL_INPUT_EVENTS_H
#define HM_SHELL_INPUT_EVENTS_H

#include "shell/platform/win32.h"

// Handles `message` when it is an input message: returns 1 with the
// message's result in *result, or 0 for any other message.
int HandleInputMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Keeps a proposed outer window rectangle at least 640 x 480 by moving back
// the edge being dragged (a WMSZ_ value); the opposite edge stays put.
void ApplyMinimumWindowSize(WPARAM edge, RECT* rect);

#endif
