// Drawing: the GL state of the whole run, the two textures, the bitmap
// font, and the frame.
#ifndef HM_RENDER_RENDER_H
#define HM_RENDER_RENDER_H

#include "shell/platform/gl.h"

// Sets the switches that hold for the whole run, loads "font.bmp" and
// "HMmap.bmp" from the working directory into textures and builds the font's
// display lists. Needs a current GL context.
void InitGlState(void);

// Loads a picture into a new texture whose name is stored in *textureName.
// A picture that cannot be loaded has been reported by the loader; a plain
// texture takes its place.
void LoadTexture(const char* fileName, GLuint* textureName);

// Makes the 256 glyph lists and stores the first one's name in
// g_state.fontListBase.
void BuildFontLists(void);

// Draws text at overlay pixel (x, y), 16 pixels per character, with
// blending on for the call only.
void DrawHudText(GLuint x, GLuint y, const char* text);

// Draws one whole frame and presents it.
void RenderFrame(void);

#endif
