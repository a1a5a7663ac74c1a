#include "support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "assetgen/bmp_writer.h"
#include "assetgen/wav_writer.h"
#include "platform/asset_manifest.h"

TempWorkDir::TempWorkDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sternfahrt-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
    // The user's own folders, here: no test reads or writes the real ones.
    for (std::size_t i = 0; i < kFolders.size(); ++i) {
        if (const char* home = std::getenv(kFolders[i])) previousFolders_[i] = home;
        ::setenv(kFolders[i], path_.c_str(), 1);
    }
}

TempWorkDir::~TempWorkDir() {
    std::filesystem::current_path(previous_);
    for (std::size_t i = 0; i < kFolders.size(); ++i) {
        if (previousFolders_[i]) {
            ::setenv(kFolders[i], previousFolders_[i]->c_str(), 1);
        } else {
            ::unsetenv(kFolders[i]);
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempWorkDir::writeBitmap(const std::string& name, int width, int height, std::uint32_t color) {
    writeBitmap(name, platform::Image(width, height, color));
}

void TempWorkDir::writeBitmap(const std::string& name, const platform::Image& image) {
    writeBmp((path_ / name).string(), image);
}

void TempWorkDir::writeMinimalGameData() {
    writeBitmap("Zeichensatz.bmp", 512, 48, 0x808080);
    constexpr const char* kTriangle =
        "xof 0303txt 0032\n"
        "Mesh Dreieck {\n 3;\n 0.0;0.0;0.0;,\n 0.0;1.0;0.0;,\n 1.0;0.0;0.0;;\n 1;\n 3;0,1,2;;\n}\n";
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind == AssetKind::Mesh) std::ofstream(path_ / f.name) << kTriangle;
        // A tenth of a second of a quiet tone.
        if (f.kind == AssetKind::Sound) writeWav((path_ / f.name).string(), std::vector<std::int16_t>(kWavRate / 10, 100));
    }
}
