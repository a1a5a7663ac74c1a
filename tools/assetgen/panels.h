#pragma once

#include <filesystem>
#include <string>

#include "platform/platform.h"

// Writes the 2D bitmaps of the cockpit into the directory out: the
// instrument panel (256 x 768), the radar scope (192 x 192, black where it is
// transparent), the view and headlight plates (224 x 32) with their labels
// in the game's font, the 32 x 32 symbols of the equipment and the
// crosshair bars. font is the game's font picture: 16 x 16 cells, code c at
// column (c - 32) mod 32, row (c - 32) div 32, pale glyphs on black. False
// with a message in error when a file cannot be written.
bool writePanels(const std::filesystem::path& out, const platform::Image& font, std::string& error);
