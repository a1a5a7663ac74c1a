#pragma once

#include <filesystem>

// The user's own directories after the freedesktop base-directory rules,
// shared by everything the game keeps for the player (savegames, later
// settings and screenshots).
namespace platform {

// The directory a base-directory variable names when it holds an absolute
// path (an empty or relative one is ignored), otherwise `fallback` under
// the home directory; empty when neither is known.
std::filesystem::path xdgBaseDirectory(const char* variable, const char* home, const char* fallback);

// $XDG_DATA_HOME, or ~/.local/share.
std::filesystem::path xdgDataHome();
// $XDG_CONFIG_HOME, or ~/.config.
std::filesystem::path xdgConfigHome();

}  // namespace platform
