#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"

// The game's icon: an Earth-like planet of the game's own texture, lit from
// the upper left, inside the glowing ring of a star gate in the colours of
// the gate texture.
namespace gen {

// The sizes a desktop looks for in the hicolor theme.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// One icon of size x size pixels, 0xAARRGGBB, transparent around the
// picture; drawn from the planet map (equirectangular) and the gate texture.
std::vector<std::uint32_t> drawIcon(int size, const platform::Image& planet, const platform::Image& gate);

// The same picture as SVG: the planet's mean colours shaded by gradients.
std::string iconSvg(const platform::Image& planet, const platform::Image& gate);

// Writes <size>x<size>/apps/<name>.png for every size and
// scalable/apps/<name>.svg under dir, from the planet map and gate texture
// in the data directory. False with a message in error when it cannot.
bool writeIcons(const std::filesystem::path& dir, const std::string& name, const std::filesystem::path& data,
                std::string& error);

}  // namespace gen
