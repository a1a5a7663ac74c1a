#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// The picture as R, G, B, A bytes with alpha 255, rows from the top.
std::vector<std::uint8_t> rgbaBytes(const Image& image);

// The image of RGBA bytes as OpenGL reads them, bottom row first.
Image imageFromGlRows(const std::vector<std::uint8_t>& rgba, int width, int height);

// Uploads a picture as an RGBA8 texture; its first row is at t = 0. Filters
// are linear, wrapping repeats. 0 for an empty picture.
GLuint uploadTexture(const Image& image);
// Gives a texture a new picture (of any size), leaving its parameters.
void replaceTexture(GLuint texture, const Image& image);

}  // namespace platform::sdl
