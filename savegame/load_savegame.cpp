// The savegame reader. It knows the format only as far as the record table:
// skip 232 bytes, skip five size-prefixed blocks, skip block 6's size and one
// more 32-bit value, read the record count N and N records of 88 bytes, and
// keep the position of every record of type 154.
//
// Every length the file states is checked against the bytes the file really
// has before anything is read or allocated, so a damaged or hostile file can
// neither make the reader wait, nor read outside what it read, nor allocate
// more than the file's own size; it is reported and the old list stays.
#include "savegame/load_savegame.h"

#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include "core/viewer_state.h"

static const int64_t kFirstBlockOffset = 232;
static const int kSkippedBlocks = 5;
static const int kRecordXOffset = 6;
static const int kRecordYOffset = 10;
static const int kRecordZOffset = 14;

static const char kErrorKind[] = "Error !";
static const char kOpenFailed[] = "Error opening file !";
static const char kDamaged[] = "Savegame is damaged or truncated !";
static const char kNoMemory[] = "Not enough memory to read the savegame !";

// The file being read, with its true size and the position of the next read.
struct SavegameReader {
    FILE* file;
    int64_t size;
    int64_t pos;
};

// Reads exactly `count` bytes at the current position. Partial reads are
// repeated; a read that brings nothing (end of file or an error) fails, so a
// file that shrinks while it is read cannot make the reader wait.
static int ReadBytes(SavegameReader* reader, void* buffer, size_t count)
{
    unsigned char* out = (unsigned char*)buffer;
    while (count > 0) {
        size_t got = fread(out, 1, count, reader->file);
        if (got == 0) {
            return 0;
        }
        out += got;
        count -= got;
        reader->pos += (int64_t)got;
    }
    return 1;
}

static int ReadUint32(SavegameReader* reader, uint32_t* value)
{
    unsigned char bytes[4];
    if (reader->size - reader->pos < 4 || !ReadBytes(reader, bytes, 4)) {
        return 0;
    }
    *value = (uint32_t)bytes[0] | ((uint32_t)bytes[1] << 8) | ((uint32_t)bytes[2] << 16) |
             ((uint32_t)bytes[3] << 24);
    return 1;
}

// Moves to `pos`, which must lie inside the file. fseek takes a long, which
// is 32 bits on Windows; a position beyond it cannot be a savegame.
static int SeekTo(SavegameReader* reader, int64_t pos)
{
    if (pos > reader->size || pos > (int64_t)LONG_MAX) {
        return 0;
    }
    if (fseek(reader->file, (long)pos, SEEK_SET) != 0) {
        return 0;
    }
    reader->pos = pos;
    return 1;
}

// Walks the header and the five skipped blocks and reads the record count.
// Fails when the file ends first or the count cannot be right for the bytes
// that remain.
static int FindRecordTable(SavegameReader* reader, int32_t* recordCount)
{
    uint32_t blockSize;
    if (!SeekTo(reader, kFirstBlockOffset) || !ReadUint32(reader, &blockSize)) {
        return 0;
    }
    for (int block = 0; block < kSkippedBlocks; block++) {
        // Each skip counts from the byte after its own size field.
        if (!SeekTo(reader, reader->pos + (int64_t)blockSize) || !ReadUint32(reader, &blockSize)) {
            return 0;
        }
    }
    // blockSize now belongs to block 6 and is not used; neither is the next value.
    uint32_t unused;
    uint32_t count;
    if (!ReadUint32(reader, &unused) || !ReadUint32(reader, &count)) {
        return 0;
    }
    int32_t n = (int32_t)count;
    if (n < 0 || (int64_t)n * kSavegameRecordSize > reader->size - reader->pos) {
        return 0;
    }
    *recordCount = n;
    return 1;
}

// Opens the savegame for reading. Only a regular file counts: a folder, a
// device or a pipe is a file that cannot be read (a pipe would also make the
// open itself wait for a writer), so the path is checked before it is opened
// and the opened file again.
static int OpenSavegame(SavegameReader* reader, const char* path)
{
    struct stat info;
    if (stat(path, &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    reader->file = fopen(path, "rb");
    if (reader->file == NULL) {
        return 0;
    }
    if (fstat(fileno(reader->file), &info) != 0 || !S_ISREG(info.st_mode)) {
        fclose(reader->file);
        reader->file = NULL;
        return 0;
    }
    reader->size = (int64_t)info.st_size;
    reader->pos = 0;
    return 1;
}

// Appends one entry, growing the list when it is full. It never needs more
// room than the file has records.
static int AppendPackage(PackageList* list, const PackageEntry* entry, int32_t recordCount)
{
    if (list->packageCount == list->capacity) {
        int64_t grown = (int64_t)list->capacity * 2;
        if (grown > recordCount) {
            grown = recordCount;
        }
        PackageEntry* entries =
            (PackageEntry*)realloc(list->entries, (size_t)grown * sizeof(PackageEntry));
        if (entries == NULL) {
            return 0;
        }
        list->entries = entries;
        list->capacity = (int)grown;
    }
    list->entries[list->packageCount++] = *entry;
    return 1;
}

// Keeps the position of every package record, in file order. The floats
// stand unaligned in the record and are taken over bit for bit.
static int CollectPackages(PackageList* list, const unsigned char* records, int32_t recordCount)
{
    for (int32_t i = 0; i < recordCount; i++) {
        const unsigned char* record = records + (size_t)i * kSavegameRecordSize;
        if (record[0] != kPackageRecordType) {
            continue;
        }
        PackageEntry entry;
        memcpy(&entry.x, record + kRecordXOffset, sizeof(float));
        memcpy(&entry.y, record + kRecordYOffset, sizeof(float));
        memcpy(&entry.z, record + kRecordZOffset, sizeof(float));
        if (!AppendPackage(list, &entry, recordCount)) {
            return 0;
        }
    }
    return 1;
}

void LoadSavegame(void)
{
    SavegameReader reader;
    if (!OpenSavegame(&reader, g_state.savegamePath)) {
        ShowError(kOpenFailed, kErrorKind);
        return;
    }

    int32_t recordCount = 0;
    if (!FindRecordTable(&reader, &recordCount)) {
        fclose(reader.file);
        ShowError(kDamaged, kErrorKind);
        return;
    }

    PackageList list;
    list.packageCount = 0;
    list.capacity = kPackageCapacity;
    list.entries = (PackageEntry*)malloc(kPackageCapacity * sizeof(PackageEntry));
    // The count has been checked against the file's size, so this buffer is
    // never larger than the file.
    size_t tableBytes = (size_t)recordCount * kSavegameRecordSize;
    unsigned char* records = (unsigned char*)malloc(tableBytes > 0 ? tableBytes : 1);
    if (list.entries == NULL || records == NULL) {
        fclose(reader.file);
        free(records);
        free(list.entries);
        ShowError(kNoMemory, kErrorKind);
        return;
    }

    int tableRead = ReadBytes(&reader, records, tableBytes);
    fclose(reader.file);
    if (!tableRead) {
        free(records);
        free(list.entries);
        ShowError(kDamaged, kErrorKind);
        return;
    }

    int collected = CollectPackages(&list, records, recordCount);
    free(records);
    if (!collected) {
        free(list.entries);
        ShowError(kNoMemory, kErrorKind);
        return;
    }

    free(g_state.packages.entries);
    g_state.packages = list;
}
