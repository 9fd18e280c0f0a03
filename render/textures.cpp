// The GL switches that hold for the whole run, and the two pictures as
// textures.
#include <stdlib.h>
#include <string.h>

#include "core/viewer_state.h"
#include "image/load_dib_image.h"
#include "render/render.h"

// What stands in for a picture that could not be loaded (its loader has
// already told the user): a plain map square, and a black font picture, whose
// glyphs the text blending leaves transparent, so no garbage is drawn.
static const GLubyte kMissingMapTexel[4] = {96, 100, 104, 0};
static const GLubyte kMissingFontTexel[4] = {0, 0, 0, 0};

void InitGlState(void)
{
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_POLYGON_SMOOTH);
    LoadTexture("font.bmp", &g_state.fontTexture);
    BuildFontLists();
    LoadTexture("HMmap.bmp", &g_state.mapTexture);
}

// Uploads the picture's packed rows. The unpack alignment stays at the GL's
// 4, which fits packed rows only when 3 x width is a multiple of 4; any other
// width is copied into padded rows first, so the GL never reads past the
// picture's data.
static void UploadRgbRows(const RgbImage* image)
{
    size_t packedRow = (size_t)image->width * 3;
    if (packedRow % 4 == 0) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, image->data);
        return;
    }
    size_t paddedRow = (packedRow + 3) & ~(size_t)3;
    unsigned char* padded = (unsigned char*)malloc(paddedRow * (size_t)image->height);
    if (padded == NULL) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, kMissingMapTexel);
        return;
    }
    for (int row = 0; row < image->height; row++) {
        memcpy(padded + paddedRow * row, image->data + packedRow * row, packedRow);
    }
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 padded);
    free(padded);
}

void LoadTexture(const char* fileName, GLuint* textureName)
{
    RgbImage* image = LoadDibImage(fileName);

    glGenTextures(1, textureName);
    glBindTexture(GL_TEXTURE_2D, *textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);

    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (image != NULL && image->width <= maxSize && image->height <= maxSize) {
        UploadRgbRows(image);
    } else {
        const GLubyte* texel = textureName == &g_state.fontTexture ? kMissingFontTexel
                                                                    : kMissingMapTexel;
        glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    }

    if (image != NULL) {
        free(image->data);
        free(image);
    }
}
