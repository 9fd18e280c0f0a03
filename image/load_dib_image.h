// The BMP loader: device-independent bitmap files (with or without the file
// header) into RgbImage.
#ifndef HM_IMAGE_LOAD_DIB_IMAGE_H
#define HM_IMAGE_LOAD_DIB_IMAGE_H

#include "image/rgb_image.h"
#include "shell/platform/win32.h"

// Reads the picture in `fileName` (a path in the local 8-bit character set).
// Returns a new picture, or NULL after one error box captioned "Error" has
// told the user why.
RgbImage* LoadDibImage(const char* fileName);

// The number of palette entries that follow the info header at `header`: a
// 12-byte header's entries by its bit count, a 40-byte header's by its
// colours-used field or else its bit count (1: 2, 4: 16, 8: 256, others 0).
// A 12-byte header is read for 12 bytes, any other for 40.
WORD DibColorCount(const void* header);

#endif
