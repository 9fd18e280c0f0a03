// A loaded picture: tightly packed 8-bit red, green, blue triples.
#ifndef HM_IMAGE_RGB_IMAGE_H
#define HM_IMAGE_RGB_IMAGE_H

// The record and its data live on the C heap; whoever receives the picture
// frees both.
struct RgbImage {
    int width;
    int height;           // rows; always positive for a loaded picture
    unsigned char* data;  // 3 * width * height bytes, the bottom row first
};

#endif
