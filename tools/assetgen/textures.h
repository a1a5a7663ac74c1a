#pragma once

#include <filesystem>
#include <string>

// Writes the textures of the 3D scene into the directory out: the planet,
// moon and sun maps (256 x 128 and 128 x 64, equirectangular, joining
// without a seam where left and right edge meet on the sphere), the star sky
// (512 x 256), the grey flecks of ships and stations (128 x 128) and the
// five gate patterns (128 x 128, tiling). False with a message in error when
// a file cannot be written.
bool writeTextures(const std::filesystem::path& out, std::string& error);
