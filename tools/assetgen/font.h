#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

// The game's font: 96 glyphs (codes 32..127) in 16 x 16 cells, three rows of
// 32 on a 512 x 48 picture, rendered from a TrueType font. Nothing when the
// font file cannot be read.
std::optional<platform::Image> renderFont(const std::string& ttfPath);
