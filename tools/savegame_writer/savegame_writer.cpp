#include "tools/savegame_writer/savegame_writer.h"

#include <stdio.h>
#include <string.h>

static const size_t kHeaderBytes = 232;
static const size_t kRecordBytes = 88;

static void PutUint32(std::vector<unsigned char>* out, uint32_t value)
{
    for (int i = 0; i < 4; i++) {
        out->push_back((unsigned char)(value >> (8 * i)));
    }
}

static void PutFiller(std::vector<unsigned char>* out, size_t count)
{
    for (size_t i = 0; i < count; i++) {
        out->push_back((unsigned char)(0xA5 ^ (out->size() & 0xFF)));
    }
}

SampleOffsets SavegameOffsets(const SampleLayout& layout)
{
    SampleOffsets at;
    size_t pos = kHeaderBytes;
    for (int i = 0; i < 5; i++) {
        at.blockSizeAt[i] = pos;
        pos += 4 + layout.blockSizes[i];
    }
    at.block6SizeAt = pos;
    at.unusedValueAt = pos + 4;
    at.recordCountAt = pos + 8;
    at.firstRecordAt = pos + 12;
    return at;
}

std::vector<unsigned char> BuildSavegameWithCount(const SampleLayout& layout,
                                                  const std::vector<SampleRecord>& records,
                                                  int32_t statedCount)
{
    std::vector<unsigned char> out;
    PutFiller(&out, kHeaderBytes);
    for (int i = 0; i < 5; i++) {
        PutUint32(&out, layout.blockSizes[i]);
        PutFiller(&out, layout.blockSizes[i]);
    }
    PutUint32(&out, layout.block6Size);
    PutUint32(&out, layout.unusedValue);
    PutUint32(&out, (uint32_t)statedCount);
    for (const SampleRecord& r : records) {
        size_t start = out.size();
        PutFiller(&out, kRecordBytes);
        out[start] = r.type;
        memcpy(&out[start + 6], &r.x, 4);
        memcpy(&out[start + 10], &r.y, 4);
        memcpy(&out[start + 14], &r.z, 4);
    }
    return out;
}

std::vector<unsigned char> BuildSavegame(const SampleLayout& layout,
                                         const std::vector<SampleRecord>& records)
{
    return BuildSavegameWithCount(layout, records, (int32_t)records.size());
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (f == NULL) {
        return false;
    }
    bool ok = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

// A small linear congruential generator: the same file on every build.
static uint32_t NextRandom(uint32_t* state)
{
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

static float RandomIn(uint32_t* state, float low, float high)
{
    return low + (high - low) * (float)(NextRandom(state) & 0xFFFF) / 65535.0f;
}

std::vector<SampleRecord> SampleRecords(int packages, int others, uint32_t start)
{
    std::vector<SampleRecord> records;
    uint32_t state = start;
    int total = packages + others;
    int packagesLeft = packages;
    for (int i = 0; i < total; i++) {
        // Selection sampling: exactly `packages` of the records are packages,
        // spread at random among the others.
        bool isPackage = (NextRandom(&state) % (unsigned)(total - i)) < (unsigned)packagesLeft;
        SampleRecord r;
        if (isPackage) {
            r.type = 154;
            packagesLeft--;
        } else {
            r.type = (unsigned char)(NextRandom(&state) % 150);
        }
        r.x = RandomIn(&state, -1950.0f, 1950.0f);
        r.y = RandomIn(&state, -1950.0f, 1950.0f);
        r.z = RandomIn(&state, 0.0f, 30.0f);
        records.push_back(r);
    }
    return records;
}
