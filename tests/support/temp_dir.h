#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/platform.h"

// A fresh directory that the test works in, and the user's data and
// settings directories ($XDG_DATA_HOME, $XDG_CONFIG_HOME); the previous
// working directory and variables come back and the directory goes away at
// the end of the scope.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a bitmap of one colour, or of the given picture.
    void writeBitmap(const std::string& name, int width, int height, std::uint32_t color);
    void writeBitmap(const std::string& name, const platform::Image& image);

    // The font, every mesh (each a single triangle) and every sound effect
    // (each a tenth of a second long).
    void writeMinimalGameData();

private:
    static constexpr std::array<const char*, 2> kFolders = {"XDG_DATA_HOME", "XDG_CONFIG_HOME"};
    std::filesystem::path previous_;
    std::array<std::optional<std::string>, 2> previousFolders_;
    std::filesystem::path path_;
};
