#include "support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>

#include "assetgen/bmp_writer.h"

TempWorkDir::TempWorkDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sternfahrt-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
}

TempWorkDir::~TempWorkDir() {
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempWorkDir::writeBitmap(const std::string& name, int width, int height, std::uint32_t color) {
    writeBitmap(name, platform::Image(width, height, color));
}

void TempWorkDir::writeBitmap(const std::string& name, const platform::Image& image) {
    writeBmp((path_ / name).string(), image);
}
