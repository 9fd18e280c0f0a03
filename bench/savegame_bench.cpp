// Loading a 30 MB savegame through the viewer's reader, against reading the
// same file into memory in one go (the least any reader must do).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/viewer_state.h"
#include "savegame/load_savegame.h"
#include "tools/savegame_writer/savegame_writer.h"

namespace {

const std::string& BigSavegame()
{
    static std::string path;
    if (path.empty()) {
        path = "/tmp/hm-bench-savegame-" + std::to_string(getpid()) + ".b";
        // 30 MB of records, one in ten a package.
        int records = 30 * 1000 * 1000 / 88;
        SampleLayout layout = {{1200, 64, 0, 5300, 412}, 0, 0};
        WriteFileBytes(path, BuildSavegame(layout, SampleRecords(records / 10, records - records / 10, 5)));
        atexit([] { unlink(path.c_str()); });
    }
    return path;
}

void BM_LoadSavegame(benchmark::State& state)
{
    ResetViewerState();
    strcpy(g_state.savegamePath, BigSavegame().c_str());
    for (auto _ : state) {
        LoadSavegame();
        benchmark::DoNotOptimize(g_state.packages.entries);
    }
    state.counters["packages"] = g_state.packages.packageCount;
    state.SetBytesProcessed(state.iterations() * (int64_t)30000000);
    ResetViewerState();
}
BENCHMARK(BM_LoadSavegame)->Unit(benchmark::kMillisecond);

void BM_ReadWholeFile(benchmark::State& state)
{
    const std::string& path = BigSavegame();
    std::vector<unsigned char> buffer(31 * 1000 * 1000);
    for (auto _ : state) {
        FILE* f = fopen(path.c_str(), "rb");
        size_t got = fread(buffer.data(), 1, buffer.size(), f);
        fclose(f);
        benchmark::DoNotOptimize(got);
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)30000000);
}
BENCHMARK(BM_ReadWholeFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
