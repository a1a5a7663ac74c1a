#pragma once

#include <filesystem>
#include <string>

// Writes the game's 23 meshes as text .X files into outDir: the twelve ship
// types, missile, explosion, asteroid, four stations, planet, sun, sky sphere
// and gate. The same bytes on every run. On failure the reason is in error.
bool writeMeshes(const std::filesystem::path& outDir, std::string& error);
