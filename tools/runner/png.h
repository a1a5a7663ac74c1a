#pragma once

#include <string>

#include "platform/platform.h"

// Writes an image as an 8-bit RGB PNG file; false when it cannot.
bool writePng(const std::string& path, const platform::Image& image);
