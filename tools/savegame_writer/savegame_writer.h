// Writes savegames in the layout the viewer reads, for the sample files, the
// tests, the benchmarks and the fuzzers' starting corpus.
#ifndef HM_TOOLS_SAVEGAME_WRITER_H
#define HM_TOOLS_SAVEGAME_WRITER_H

#include <stdint.h>

#include <string>
#include <vector>

struct SampleRecord {
    unsigned char type;  // 154 is a package
    float x;
    float y;
    float z;
};

// The parts of a savegame before its record table that the reader walks.
struct SampleLayout {
    uint32_t blockSizes[5];
    uint32_t block6Size;
    uint32_t unusedValue;
};

// Where the reader finds each field in a savegame written with a layout.
struct SampleOffsets {
    size_t blockSizeAt[5];
    size_t block6SizeAt;
    size_t unusedValueAt;
    size_t recordCountAt;
    size_t firstRecordAt;
};

SampleOffsets SavegameOffsets(const SampleLayout& layout);

// The whole file: 232 header bytes, the five blocks with their size fields,
// block 6's size, the unused value, the record count and the 88-byte records.
// Bytes that the reader skips are filled with a recognisable pattern.
std::vector<unsigned char> BuildSavegame(const SampleLayout& layout,
                                         const std::vector<SampleRecord>& records);

// As BuildSavegame, but the record count field says `statedCount` whatever
// the number of records written.
std::vector<unsigned char> BuildSavegameWithCount(const SampleLayout& layout,
                                                  const std::vector<SampleRecord>& records,
                                                  int32_t statedCount);

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// A deterministic mix of package and other records spread over the map.
std::vector<SampleRecord> SampleRecords(int packages, int others, uint32_t start);

#endif
