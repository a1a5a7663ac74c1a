#pragma once

#include <filesystem>
#include <string>

// Synthesises the game's nine sound effects and writes them into the
// directory out as 16-bit mono .wav files at 22050 Hz, each a fraction of a
// second long and peaking at 85 % of full scale. False with a message in
// error when a file cannot be written.
bool writeSounds(const std::filesystem::path& out, std::string& error);
