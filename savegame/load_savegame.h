// Reads the packages still lying in a savegame into the viewer's list.
#ifndef HM_SAVEGAME_LOAD_SAVEGAME_H
#define HM_SAVEGAME_LOAD_SAVEGAME_H

// Record type code of a package not yet collected.
const unsigned char kPackageRecordType = 154;
// Bytes of one record of the savegame's record table.
const int kSavegameRecordSize = 88;

// Reads the savegame at g_state.savegamePath and puts a fresh list of its
// packages in place of g_state.packages. When the file cannot be read or is
// damaged, shows an error box and leaves the list as it was.
void LoadSavegame(void);

// Shows "KIND : MESSAGE" in a modal box captioned "3D View" owned by the
// viewer's window, and returns when the user has closed it.
void ShowError(const char* message, const char* kind);

#endif
