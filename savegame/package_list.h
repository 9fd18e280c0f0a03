// Package positions read from a savegame.
#ifndef HM_SAVEGAME_PACKAGE_LIST_H
#define HM_SAVEGAME_PACKAGE_LIST_H

// One package position in world units: x along the map's width, y along its
// height (growing upwards), z the height that picks the marker's shape.
struct PackageEntry {
    float x;
    float y;
    float z;
};

// The packages of the loaded savegame. `entries` has room for `capacity`
// entries, of which the first `packageCount` are in use; no array and a
// count of 0 before the first load. A list starts with room for
// kPackageCapacity entries and grows when a savegame holds more.
struct PackageList {
    PackageEntry* entries;
    int packageCount;
    int capacity;
};

#endif
