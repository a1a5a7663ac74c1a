#pragma once

#include <functional>
#include <string>

namespace platform {

// Reads an environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The folder for a program's screenshots, after the freedesktop
// conventions: `program` inside the user's pictures folder (the
// XDG_PICTURES_DIR of the environment, else of
// $XDG_CONFIG_HOME/user-dirs.dirs, ~/.config/user-dirs.dirs without it),
// or, where the user has none (or it is the home folder itself, which means
// "none"), `fallback` inside $XDG_DATA_HOME (~/.local/share). Relative
// paths in the variables are ignored, as the conventions ask. Empty when
// there is no home folder to go by.
std::string screenshotFolder(const EnvironmentLookup& environment, const std::string& program,
                             const std::string& fallback);

// The pictures folder a user-dirs.dirs file names ($HOME expanded); empty
// when it names none.
std::string picturesFolderIn(const std::string& userDirsFile, const std::string& home);

}  // namespace platform
