#pragma once

#include <string>

#include "platform/platform.h"

// Writes an image as an uncompressed 24-bit .bmp file, bottom-up rows padded
// to four bytes, the same bytes every time.
bool writeBmp(const std::string& path, const platform::Image& image);
