// The generated textures, cockpit bitmaps and sounds, read back the way the
// game reads them: what its drawing and its sound rely on.

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>  // mkdtemp

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "assetgen/panels.h"
#include "assetgen/sounds.h"
#include "assetgen/textures.h"
#include "platform/asset_manifest.h"
#include "platform/platform.h"
#include "support/run_tool.h"

namespace {

namespace fs = std::filesystem;
using platform::Image;

// What the generator writes, written once per test process (CTest runs each
// test in a process of its own) and read the way the game reads it.
struct Generated {
    std::map<std::string, Image> images;
    std::map<std::string, std::string> sounds;
};

const Generated& generated() {
    static const Generated set = [] {
        std::string pattern = (fs::temp_directory_path() / "sternfahrt-assets-XXXXXX").string();
        const fs::path dir = mkdtemp(pattern.data());
        std::string error;
        if (!writeTextures(dir, error) || !writePanels(dir, Image(512, 48), error) || !writeSounds(dir, error))
            ADD_FAILURE() << error;
        Generated g;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string(), path = entry.path().string();
            if (entry.path().extension() == ".wav") g.sounds[name] = readFile(path);
            if (entry.path().extension() == ".bmp" && !platform::loadBitmap(path, g.images[name]))
                ADD_FAILURE() << name << " does not read";
        }
        fs::remove_all(dir);
        return g;
    }();
    return set;
}

const Image& image(const std::string& name) { return generated().images.at(name); }

}  // namespace

// The radar is copied with colour 0 transparent: black round the scope and
// nowhere inside it.
TEST(GeneratedAssets, RadarIsTransparentOutsideItsScopeOnly) {
    const Image& radar = image("RadarBack.bmp");
    const double r = radar.width / 2.0;
    for (int y = 0; y < radar.height; ++y) {
        for (int x = 0; x < radar.width; ++x) {
            const double d = std::hypot(x + 0.5 - r, y + 0.5 - r);
            if (d < r - 6 || d > r - 2) {
                EXPECT_EQ(radar.at(x, y) == 0, d > r - 2) << (d > r - 2 ? "colour outside" : "a hole in")
                                                          << " the scope at " << x << "," << y;
            }
        }
    }
}

// Text cells and symbols are copied opaquely, black round their ink, so the
// panel must be black wherever the cockpit puts them (panel coordinates:
// the text column from x 8, the symbol rows and bars from x 14, seven wide),
// or each letter and symbol would show as a box.
TEST(GeneratedAssets, PanelIsBlackWhereTextAndSymbolsGo) {
    const Image& panel = image("Vordergrund.bmp");
    const auto lit = [&](int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) n += panel.at(x, y) != 0;
        }
        return n;
    };
    for (const int y : {8, 24, 56, 72, 664, 680, 696, 712, 728}) {
        EXPECT_EQ(lit(8, y, 248, y + 16), 0) << "text at " << y;
    }
    for (const int y : {200, 248, 296, 344}) EXPECT_EQ(lit(14, y, 238, y + 32), 0) << "symbols at " << y;
    EXPECT_EQ(lit(14, 392, 238, 648), 0) << "shield and gun energy bars";
}

// The symbols are copied opaquely side by side onto the panel's black, in
// rows and bars; their corners must not frame each one.
TEST(GeneratedAssets, SymbolsStandOnBlack) {
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind != AssetKind::Bitmap || f.width != 32 || f.height != 32) continue;
        const Image& symbol = image(f.name);
        for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
            EXPECT_EQ(symbol.at(x, y), 0u) << f.name << " corner " << x << "," << y;
        }
    }
}

// The game plays what SDL reads: 16-bit mono PCM, a fraction of a second
// long, loud enough to hear, not clipped, and starting and ending near
// silence so that neither end clicks.
TEST(GeneratedAssets, SoundsArePlayableShortAndNotClipped) {
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind != AssetKind::Sound) continue;
        SCOPED_TRACE(f.name);
        SDL_AudioSpec format{};
        Uint8* data = nullptr;
        Uint32 bytes = 0;
        const std::string& wav = generated().sounds.at(f.name);
        ASSERT_TRUE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), int(wav.size())), 1, &format, &data, &bytes))
            << SDL_GetError();
        std::vector<std::int16_t> samples(bytes / 2);
        std::memcpy(samples.data(), data, samples.size() * 2);
        SDL_FreeWAV(data);
        EXPECT_EQ(format.format, AUDIO_S16LSB);
        EXPECT_EQ(format.channels, 1);
        const double seconds = static_cast<double>(samples.size()) / format.freq;
        EXPECT_GE(seconds, 0.1);
        EXPECT_LE(seconds, 1.5);
        ASSERT_FALSE(samples.empty());
        int peak = 0;
        for (const std::int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_LE(peak, 0.9 * 32768);
        EXPECT_GT(peak, 0.2 * 32768);
        EXPECT_LT(std::abs(int(samples.front())), 0.05 * 32768);
        EXPECT_LT(std::abs(int(samples.back())), 0.05 * 32768);
    }
}
