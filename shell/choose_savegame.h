// The savegame open dialog.
#ifndef HM_SHELL_CHOOSE_SAVEGAME_H
#define HM_SHELL_CHOOSE_SAVEGAME_H

// Lets the user pick a savegame and reads it at once. `path` is the
// MAX_PATH-character g_state.savegamePath. Returns 1 when a file was picked
// (and has been read), 0 when the dialog was cancelled or failed, leaving
// the path and the packages as they were.
int ChooseSavegame(char* path);

#endif
