// Feeds arbitrary files to the BMP loader. The loader reads a path, so each
// input is written to a file first.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "image/load_dib_image.h"

static char g_path[64];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (g_path[0] == '\0') {
        snprintf(g_path, sizeof g_path, "/tmp/hm-fuzz-image-%d.bmp", (int)getpid());
    }
    FILE* f = fopen(g_path, "wb");
    if (f == NULL) {
        return 0;
    }
    fwrite(data, 1, size, f);
    fclose(f);

    RgbImage* image = LoadDibImage(g_path);
    if (image == NULL) {
        return 0;
    }
    if (image->width <= 0 || image->height <= 0 || image->data == NULL) {
        abort();
    }
    // Every byte of the picture must be there: touch the first and last row.
    size_t bytes = (size_t)image->width * image->height * 3;
    volatile unsigned sum = image->data[0] + image->data[bytes - 1];
    (void)sum;
    free(image->data);
    free(image);
    return 0;
}
