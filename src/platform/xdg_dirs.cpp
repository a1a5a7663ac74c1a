#include "platform/xdg_dirs.h"

#include <cstdlib>

namespace platform {

std::filesystem::path xdgBaseDirectory(const char* variable, const char* home, const char* fallback) {
    if (variable && *variable == '/') return variable;
    if (home && *home == '/') return std::filesystem::path(home) / fallback;
    return {};
}

std::filesystem::path xdgDataHome() {
    return xdgBaseDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), ".local/share");
}

std::filesystem::path xdgConfigHome() {
    return xdgBaseDirectory(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config");
}

}  // namespace platform
