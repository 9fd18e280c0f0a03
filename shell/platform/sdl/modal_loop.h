// The message loop of the layer's modal dialogs.
#ifndef HM_SHELL_PLATFORM_SDL_MODAL_LOOP_H
#define HM_SHELL_PLATFORM_SDL_MODAL_LOOP_H

#include "shell/platform/win32.h"

// How long a modal dialog waits for its own work between two pumps.
const int kModalPollMilliseconds = 15;

// One turn of a modal dialog's loop: the pending messages of the layer's
// windows are taken; paint, size and focus messages are dispatched, input
// is dropped (the owner is disabled while the dialog is up), and a quit
// message is posted again for the main loop to see.
void PumpModalMessages(HWND owner);

#endif
