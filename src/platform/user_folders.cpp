#include "platform/user_folders.h"

#include <filesystem>
#include <fstream>

namespace platform {
namespace {

// A value of the file: "$HOME/..." or an absolute path, in double quotes.
std::string expand(std::string value, const std::string& home) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
        if (home.empty()) return {};
        return home + value.substr(5);
    }
    return !value.empty() && value.front() == '/' ? value : std::string();
}

std::string absolute(const char* value) { return value && *value == '/' ? std::string(value) : std::string(); }

bool sameFolder(const std::string& a, const std::string& b) {
    return std::filesystem::path(a).lexically_normal() / "" == std::filesystem::path(b).lexically_normal() / "";
}

}  // namespace

std::string picturesFolderIn(const std::string& userDirsFile, const std::string& home) {
    std::ifstream in(userDirsFile);
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        constexpr const char* kKey = "XDG_PICTURES_DIR=";
        if (line.compare(start, std::char_traits<char>::length(kKey), kKey) != 0) continue;
        std::string value = line.substr(start + std::char_traits<char>::length(kKey));
        value.erase(value.find_last_not_of(" \t\r") + 1);
        found = expand(value, home);  // the last line wins, as when sourced
    }
    return found;
}

std::string screenshotFolder(const EnvironmentLookup& environment, const std::string& program,
                             const std::string& fallback) {
    const std::string home = absolute(environment("HOME"));
    std::string pictures = absolute(environment("XDG_PICTURES_DIR"));
    if (pictures.empty()) {
        std::string config = absolute(environment("XDG_CONFIG_HOME"));
        if (config.empty() && !home.empty()) config = home + "/.config";
        if (!config.empty()) pictures = picturesFolderIn(config + "/user-dirs.dirs", home);
    }
    if (!pictures.empty() && (home.empty() || !sameFolder(pictures, home))) {
        return (std::filesystem::path(pictures) / program).string();
    }
    std::string data = absolute(environment("XDG_DATA_HOME"));
    if (data.empty() && !home.empty()) data = home + "/.local/share";
    if (data.empty()) return {};
    return (std::filesystem::path(data) / fallback).string();
}

}  // namespace platform
