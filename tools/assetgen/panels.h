#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string_view>
#include <string>

#include "platform/platform.h"

// Writes the 2D bitmaps of the cockpit into the directory out: the
// instrument panel (256 x 768), the radar scope (192 x 192, black where it is
// transparent), the 32 x 32 symbols of the equipment, the crosshair bars and
// the plates with their German words. font is the game's font picture: 16 x 16 cells, code c at
// column (c - 32) mod 32, row (c - 32) div 32, pale glyphs on black. False
// with a message in error when a file cannot be written.
bool writePanels(const std::filesystem::path& out, const platform::Image& font, std::string& error);

// The view and headlight plates (224 x 32) with their words in the game's
// font: forward, back, on, off, into Vorne, Hinten, Ein and Aus with the
// ending (".en" for English, none for German) and ".bmp".
bool writePlates(const std::filesystem::path& out, const platform::Image& font, const std::array<std::string, 4>& worte,
                 const std::string& endung, std::string& error);

// The plates' four words, German or as `translate` gives them.
std::array<std::string, 4> platesWords(const std::function<std::string(std::string_view)>& translate = {});
