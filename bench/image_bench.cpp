// Loading a 2048 x 2048 picture (24-bit, and 8-bit with a palette) through
// the viewer's loader, against decoding the same file with stb_image and
// against copying the file's bytes with memcpy (the least any loader does).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "image/load_dib_image.h"

namespace {

const int kSide = 2048;

void Put(std::vector<unsigned char>* out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; i++) {
        out->push_back((unsigned char)(value >> (8 * i)));
    }
}

// A bottom-up picture with a file header, pixels from a cheap pattern.
std::vector<unsigned char> MakePicture(int bitCount)
{
    int colors = bitCount == 8 ? 256 : 0;
    uint32_t rowBytes = (uint32_t)((kSide * bitCount / 8 + 3) & ~3);
    uint32_t offset = 14 + 40 + 4 * colors;
    std::vector<unsigned char> out;
    out.reserve(offset + rowBytes * kSide);
    out.push_back('B');
    out.push_back('M');
    Put(&out, offset + rowBytes * kSide, 4);
    Put(&out, 0, 4);
    Put(&out, offset, 4);
    Put(&out, 40, 4);
    Put(&out, kSide, 4);
    Put(&out, kSide, 4);
    Put(&out, 1, 2);
    Put(&out, (uint32_t)bitCount, 2);
    Put(&out, 0, 4);
    Put(&out, rowBytes * kSide, 4);
    Put(&out, 2835, 4);
    Put(&out, 2835, 4);
    Put(&out, (uint32_t)colors, 4);
    Put(&out, 0, 4);
    for (int i = 0; i < colors; i++) {
        Put(&out, (uint32_t)(i * 0x010203) & 0xFFFFFF, 4);
    }
    for (int y = 0; y < kSide; y++) {
        for (uint32_t x = 0; x < rowBytes; x++) {
            out.push_back((unsigned char)(x * 7 + y * 13));
        }
    }
    return out;
}

struct Picture {
    std::string path;
    std::vector<unsigned char> bytes;
};

std::string g_folder;

void RemoveFolder()
{
    remove((g_folder + "/rgb24.bmp").c_str());
    remove((g_folder + "/pal8.bmp").c_str());
    rmdir(g_folder.c_str());
}

const Picture& PictureOf(int bitCount)
{
    static Picture pictures[2];
    Picture& picture = pictures[bitCount == 24 ? 0 : 1];
    if (picture.path.empty()) {
        if (g_folder.empty()) {
            char pattern[] = "/tmp/hm-bench-image-XXXXXX";
            g_folder = mkdtemp(pattern);
            atexit(RemoveFolder);
        }
        picture.path = g_folder + (bitCount == 24 ? "/rgb24.bmp" : "/pal8.bmp");
        picture.bytes = MakePicture(bitCount);
        FILE* file = fopen(picture.path.c_str(), "wb");
        fwrite(picture.bytes.data(), 1, picture.bytes.size(), file);
        fclose(file);
    }
    return picture;
}

void BM_LoadDibImage(benchmark::State& state)
{
    const Picture& picture = PictureOf((int)state.range(0));
    for (auto _ : state) {
        RgbImage* image = LoadDibImage(picture.path.c_str());
        if (image == NULL) {
            state.SkipWithError("the loader refused the picture");
            break;
        }
        benchmark::DoNotOptimize(image->data);
        free(image->data);
        free(image);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)picture.bytes.size());
}

void BM_StbImage(benchmark::State& state)
{
    const Picture& picture = PictureOf((int)state.range(0));
    for (auto _ : state) {
        int width, height, channels;
        unsigned char* data = stbi_load(picture.path.c_str(), &width, &height, &channels, 3);
        if (data == NULL) {
            state.SkipWithError("stb_image refused the picture");
            break;
        }
        benchmark::DoNotOptimize(data);
        stbi_image_free(data);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)picture.bytes.size());
}

// The file's bytes, already in memory, copied into a fresh buffer.
void BM_Memcpy(benchmark::State& state)
{
    const Picture& picture = PictureOf((int)state.range(0));
    for (auto _ : state) {
        unsigned char* copy = (unsigned char*)malloc(picture.bytes.size());
        memcpy(copy, picture.bytes.data(), picture.bytes.size());
        benchmark::DoNotOptimize(copy);
        benchmark::ClobberMemory();
        free(copy);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)picture.bytes.size());
}

BENCHMARK(BM_LoadDibImage)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StbImage)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
