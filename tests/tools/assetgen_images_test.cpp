// The generated textures, panel bitmaps and sounds, and the manual: what the
// game relies on when it loads them, read back the way the game reads them.

#include <gtest/gtest.h>
#include <stdlib.h>  // mkdtemp

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assetgen/panels.h"
#include "assetgen/sounds.h"
#include "assetgen/textures.h"
#include "platform/platform.h"

#ifndef SPIELANLEITUNG_PATH
#error "SPIELANLEITUNG_PATH must name tools/assetgen/Spielanleitung.htm"
#endif

namespace {

namespace fs = std::filesystem;
using platform::Image;

struct Size {
    int width;
    int height;
};

// Every texture file the game loads, with the size it must have.
const std::map<std::string, Size>& textureSizes() {
    static const std::map<std::string, Size> sizes = {
        {"grausprenkel.bmp", {128, 128}}, {"Erde1.bmp", {256, 128}},  {"Erde2.bmp", {256, 128}},
        {"Erde3.bmp", {256, 128}},        {"Mars.bmp", {256, 128}},   {"Jupiter.bmp", {256, 128}},
        {"Uranus.bmp", {256, 128}},       {"Neptun.bmp", {256, 128}}, {"Mond1.bmp", {256, 128}},
        {"Mond2.bmp", {256, 128}},        {"Mond3.bmp", {256, 128}},  {"Mond4.bmp", {256, 128}},
        {"Io.bmp", {256, 128}},           {"Titan.bmp", {256, 128}},  {"sonne.bmp", {128, 64}},
        {"rot.bmp", {128, 64}},           {"blau.bmp", {128, 64}},    {"weiss.bmp", {128, 64}},
        {"stars.bmp", {2048, 1024}},      {"Tor1.bmp", {128, 128}},   {"Tor2.bmp", {128, 128}},
        {"Tor3.bmp", {128, 128}},         {"Tor4.bmp", {128, 128}},   {"Tor5.bmp", {128, 128}},
    };
    return sizes;
}

// The names in the order the game loads its 30 textures; some repeat.
const std::vector<std::string> kTexturesAsLoaded = {
    "grausprenkel.bmp", "Erde1.bmp", "Erde2.bmp",   "Erde3.bmp",   "Mars.bmp",   "Mars.bmp",
    "Mars.bmp",         "Jupiter.bmp", "Jupiter.bmp", "Jupiter.bmp", "Uranus.bmp", "Neptun.bmp",
    "Mond4.bmp",        "Io.bmp",    "Io.bmp",      "Titan.bmp",   "sonne.bmp",  "rot.bmp",
    "blau.bmp",         "weiss.bmp", "Mond1.bmp",   "Mond4.bmp",   "Mond3.bmp",  "Mond2.bmp",
    "stars.bmp",        "Tor1.bmp",  "Tor2.bmp",    "Tor3.bmp",    "Tor4.bmp",   "Tor5.bmp",
};

const std::map<std::string, Size>& panelSizes() {
    static const std::map<std::string, Size> sizes = {
        {"Vordergrund.bmp", {256, 768}}, {"RadarBack.bmp", {192, 192}},
        {"Vorne.bmp", {224, 32}},        {"Hinten.bmp", {224, 32}},
        {"Ein.bmp", {224, 32}},          {"Aus.bmp", {224, 32}},
        {"Lenkrakete.bmp", {32, 32}},    {"Gigabombe.bmp", {32, 32}},
        {"Asteroidenbeschleuniger.bmp", {32, 32}}, {"ECM.bmp", {32, 32}},
        {"Energie.bmp", {32, 32}},       {"Laser.bmp", {32, 32}},
        {"Ionen.bmp", {32, 32}},         {"Photonen.bmp", {32, 32}},
        {"Positronen.bmp", {32, 32}},    {"FadenV.bmp", {4, 64}},
        {"FadenH.bmp", {64, 4}},
    };
    return sizes;
}

const std::vector<std::string> kSounds = {
    "machine.wav", "Feindlaser.wav", "EnergyLow.wav", "Sternentor.wav", "Klick.wav",
    "explode.wav", "GunShot.wav",    "Bergbau.wav",   "Explosion.wav",
};

// A stand-in for the game's font: each printable code has its own pattern of
// ink pixels in its 16 x 16 cell, so a wrong cell or a clipped glyph changes
// what lands on a plate.
constexpr std::uint32_t kInk = 0x9CF0FF;

Image testFont() {
    Image font(512, 48, 0);
    for (int code = 33; code < 128; ++code) {
        const int cellX = (code - 32) % 32 * 16, cellY = (code - 32) / 32 * 16;
        for (int y = 2; y < 14; ++y) {
            for (int x = 3; x < 13; ++x) {
                const std::uint32_t h = static_cast<std::uint32_t>(code * 131 + y * 17 + x * 7) * 2654435761u;
                if ((h >> 28) < 6) font.at(cellX + x, cellY + y) = kInk;
            }
        }
    }
    return font;
}

int inkInLabel(const Image& font, const std::string& label) {
    int count = 0;
    for (const char c : label) {
        const int cellX = (c - 32) % 32 * 16, cellY = (c - 32) / 32 * 16;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) count += font.at(cellX + x, cellY + y) == kInk;
        }
    }
    return count;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path makeTempDir() {
    std::string pattern = (fs::temp_directory_path() / "sternfahrt-assets-XXXXXX").string();
    return mkdtemp(pattern.data());
}

int brightest(std::uint32_t p) { return std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF}); }

// Mean difference, over all channels, of two columns or of two rows.
double lineDifference(const Image& image, int a, int b, bool rows) {
    const int length = rows ? image.width : image.height;
    double sum = 0.0;
    for (int i = 0; i < length; ++i) {
        const std::uint32_t p = rows ? image.at(i, a) : image.at(a, i);
        const std::uint32_t q = rows ? image.at(i, b) : image.at(b, i);
        for (int shift = 0; shift <= 16; shift += 8) {
            sum += std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF));
        }
    }
    return sum / length;
}

// Whether the step from the last column (or row) to the first is no larger
// than the steps between neighbours inside the picture. On the smooth maps a
// picture that does not wrap shows a step many times larger at the seam; on
// busy patterns the test is coarse.
void expectSeamless(const Image& image, const std::string& name, bool vertically) {
    const int n = vertically ? image.height : image.width;
    double largest = 0.0;
    for (int i = 0; i + 1 < n; ++i) largest = std::max(largest, lineDifference(image, i, i + 1, vertically));
    const double seam = lineDifference(image, n - 1, 0, vertically);
    EXPECT_LE(seam, 1.25 * largest + 1.0) << name << (vertically ? " top/bottom" : " left/right");
}

// A whole set written into a fresh directory, removed again at the end.
struct GeneratedSet {
    fs::path dir = makeTempDir();
    bool ok = false;
    std::string error;

    explicit GeneratedSet(const Image& font) {
        ok = writeTextures(dir, error) && writePanels(dir, font, error) && writeSounds(dir, error);
    }
    ~GeneratedSet() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const Image& font() {
    static const Image image = testFont();
    return image;
}

// One set per test process, made when a test first needs it (CTest runs
// every test in a process of its own).
const GeneratedSet& generated() {
    static const GeneratedSet set(font());
    return set;
}

class GeneratedAssets : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(generated().ok) << generated().error; }

    static fs::path dir() { return generated().dir; }

    static Image load(const std::string& name) {
        Image image;
        EXPECT_TRUE(platform::loadBitmap((dir() / name).string(), image)) << name;
        return image;
    }
};

TEST_F(GeneratedAssets, EveryTextureTheGameLoadsIsThereInItsSize) {
    for (const std::string& name : kTexturesAsLoaded) {
        const Image image = load(name);
        const Size size = textureSizes().at(name);
        EXPECT_EQ(image.width, size.width) << name;
        EXPECT_EQ(image.height, size.height) << name;
    }
}

TEST_F(GeneratedAssets, EveryPanelBitmapIsThereInItsSize) {
    for (const auto& [name, size] : panelSizes()) {
        const Image image = load(name);
        EXPECT_EQ(image.width, size.width) << name;
        EXPECT_EQ(image.height, size.height) << name;
    }
}

TEST_F(GeneratedAssets, TwoRunsWriteTheSameBytes) {
    const GeneratedSet second(font());
    ASSERT_TRUE(second.ok) << second.error;
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir())) names.insert(entry.path().filename().string());
    std::set<std::string> secondNames;
    for (const auto& entry : fs::directory_iterator(second.dir)) secondNames.insert(entry.path().filename().string());
    EXPECT_EQ(names, secondNames);
    EXPECT_EQ(names.size(), textureSizes().size() + panelSizes().size() + kSounds.size());
    for (const std::string& name : names) {
        const std::string a = readFile(dir() / name);
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == readFile(second.dir / name)) << name << " differs between runs";
    }
}

TEST_F(GeneratedAssets, SphereMapsJoinWhereTheyWrapAround) {
    for (const auto& [name, size] : textureSizes()) {
        if (size.width != 2 * size.height || name == "stars.bmp") continue;
        expectSeamless(load(name), name, false);
    }
}

TEST_F(GeneratedAssets, TilesJoinOnAllSides) {
    for (const std::string name : {"grausprenkel.bmp", "Tor1.bmp", "Tor2.bmp", "Tor3.bmp", "Tor4.bmp", "Tor5.bmp"}) {
        const Image image = load(name);
        expectSeamless(image, name, false);
        expectSeamless(image, name, true);
    }
}

TEST_F(GeneratedAssets, TexturesAreNotFlat) {
    for (const auto& [name, size] : textureSizes()) {
        const Image image = load(name);
        const auto [low, high] = std::minmax_element(image.pixels.begin(), image.pixels.end(),
                                                     [](std::uint32_t a, std::uint32_t b) { return brightest(a) < brightest(b); });
        EXPECT_GE(brightest(*high) - brightest(*low), 16) << name;
    }
}

TEST_F(GeneratedAssets, StarSkyIsDarkWithManyPointsOfLight) {
    const Image sky = load("stars.bmp");
    int dark = 0, stars = 0;
    for (const std::uint32_t p : sky.pixels) {
        dark += brightest(p) < 0x20;
        stars += brightest(p) >= 0x40;
    }
    const int total = static_cast<int>(sky.pixels.size());
    EXPECT_GT(dark, total * 9 / 10);
    EXPECT_GT(stars, 2000);
}

TEST_F(GeneratedAssets, RadarIsTransparentOutsideItsScopeOnly) {
    const Image radar = load("RadarBack.bmp");
    ASSERT_EQ(radar.width, 192);
    for (int y = 0; y < radar.height; ++y) {
        for (int x = 0; x < radar.width; ++x) {
            const double d = std::hypot(x + 0.5 - 96.0, y + 0.5 - 96.0);
            if (d > 94.0) {
                EXPECT_EQ(radar.at(x, y), 0u) << "outside the scope at " << x << "," << y;
            } else if (d < 90.0) {
                EXPECT_NE(radar.at(x, y), 0u) << "a transparent hole in the scope at " << x << "," << y;
            }
        }
    }
}

TEST_F(GeneratedAssets, PlatesCarryTheirLabelsCentred) {
    const std::map<std::string, std::string> labels = {
        {"Vorne.bmp", "Vorne"}, {"Hinten.bmp", "Hinten"}, {"Ein.bmp", "Ein"}, {"Aus.bmp", "Aus"}};
    std::vector<Image> plates;
    for (const auto& [file, label] : labels) {
        const Image plate = load(file);
        ASSERT_EQ(plate.width, 224);
        ASSERT_EQ(plate.height, 32);
        int ink = 0, left = plate.width, right = -1, top = plate.height, bottom = -1;
        for (int y = 0; y < plate.height; ++y) {
            for (int x = 0; x < plate.width; ++x) {
                if (plate.at(x, y) != kInk) continue;
                ++ink;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        // All of the label's glyph pixels, and nothing else in their colour.
        EXPECT_EQ(ink, inkInLabel(font(), label)) << file;
        EXPECT_NEAR((left + right) / 2.0, 111.5, 3.0) << file;
        EXPECT_NEAR((top + bottom) / 2.0, 15.5, 3.0) << file;
        plates.push_back(plate);
    }
    for (std::size_t i = 0; i < plates.size(); ++i) {
        for (std::size_t j = i + 1; j < plates.size(); ++j) EXPECT_NE(plates[i].pixels, plates[j].pixels);
    }
}

TEST_F(GeneratedAssets, PanelIsDarkWhereTheTextGoes) {
    const Image panel = load("Vordergrund.bmp");
    double sum = 0.0;
    int brightestPixel = 0;
    for (int y = 8; y < 760; ++y) {
        for (int x = 8; x < 248; ++x) {
            sum += brightest(panel.at(x, y));
            brightestPixel = std::max(brightestPixel, brightest(panel.at(x, y)));
        }
    }
    // Well below the pale text (0x9CF0FF at its brightest).
    EXPECT_LT(sum / (240.0 * 752.0), 40.0);
    EXPECT_LT(brightestPixel, 0x80);
}

TEST_F(GeneratedAssets, SymbolsStandOnBlack) {
    for (const auto& [name, size] : panelSizes()) {
        if (size.width != 32 || size.height != 32) continue;
        const Image symbol = load(name);
        for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
            EXPECT_EQ(symbol.at(x, y), 0u) << name << " corner " << x << "," << y;
        }
        const auto lit = std::count_if(symbol.pixels.begin(), symbol.pixels.end(),
                                       [](std::uint32_t p) { return brightest(p) >= 0x40; });
        EXPECT_GT(lit, 32 * 32 / 10) << name;
    }
}

TEST_F(GeneratedAssets, GunEnergyHasTheColourOfItsGun) {
    struct Sum {
        double r = 0, g = 0, b = 0;
    };
    auto sum = [](const Image& image) {
        Sum s;
        for (const std::uint32_t p : image.pixels) {
            s.r += (p >> 16) & 0xFF;
            s.g += (p >> 8) & 0xFF;
            s.b += p & 0xFF;
        }
        return s;
    };
    const Sum laser = sum(load("Laser.bmp")), ion = sum(load("Ionen.bmp"));
    const Sum photon = sum(load("Photonen.bmp")), positron = sum(load("Positronen.bmp"));
    EXPECT_GT(laser.r, 1.5 * std::max(laser.g, laser.b));
    EXPECT_GT(ion.g, 1.5 * std::max(ion.r, ion.b));
    EXPECT_GT(photon.b, 1.5 * std::max(photon.r, photon.g));
    EXPECT_GT(std::min(positron.r, positron.b), 1.3 * positron.g);
}

TEST_F(GeneratedAssets, CrosshairBarsAreBrightInTheMiddleAndBlackAtTheEnds) {
    const Image vertical = load("FadenV.bmp"), horizontal = load("FadenH.bmp");
    ASSERT_EQ(vertical.width, 4);
    ASSERT_EQ(horizontal.height, 4);
    for (int across = 0; across < 4; ++across) {
        EXPECT_EQ(vertical.at(across, 0), 0u);
        EXPECT_EQ(vertical.at(across, 63), 0u);
        EXPECT_EQ(horizontal.at(0, across), 0u);
        EXPECT_EQ(horizontal.at(63, across), 0u);
    }
    EXPECT_GE(brightest(vertical.at(1, 32)), 0xC0);
    EXPECT_GE(brightest(horizontal.at(32, 2)), 0xC0);
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8);
}

TEST_F(GeneratedAssets, SoundsArePlayableShortAndNotClipped) {
    for (const std::string& name : kSounds) {
        SCOPED_TRACE(name);
        const std::string wav = readFile(dir() / name);
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(le32(wav, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 4), "WAVE");
        EXPECT_EQ(wav.substr(12, 4), "fmt ");
        EXPECT_EQ(le32(wav, 16), 16u);
        EXPECT_EQ(le16(wav, 20), 1);          // PCM
        EXPECT_EQ(le16(wav, 22), 1);          // mono
        EXPECT_EQ(le32(wav, 24), 22050u);
        EXPECT_EQ(le32(wav, 28), 44100u);     // bytes per second
        EXPECT_EQ(le16(wav, 32), 2);          // bytes per frame
        EXPECT_EQ(le16(wav, 34), 16);
        EXPECT_EQ(wav.substr(36, 4), "data");
        const std::uint32_t bytes = le32(wav, 40);
        ASSERT_EQ(bytes, wav.size() - 44);
        const std::size_t count = bytes / 2;
        const double seconds = static_cast<double>(count) / 22050.0;
        EXPECT_GE(seconds, 0.1);
        EXPECT_LE(seconds, 1.5);

        int peak = 0;
        for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(le16(wav, 44 + 2 * i)))));
        EXPECT_LE(peak, static_cast<int>(0.9 * 32768));
        EXPECT_GT(peak, static_cast<int>(0.2 * 32768));
        // Starting and ending near silence: no click at either end.
        const int first = std::abs(static_cast<std::int16_t>(le16(wav, 44)));
        const int last = std::abs(static_cast<std::int16_t>(le16(wav, 44 + 2 * (count - 1))));
        EXPECT_LT(first, 0.05 * 32768);
        EXPECT_LT(last, 0.05 * 32768);
    }
}

TEST(AssetGeneratorErrors, AnUnwritableDirectoryIsReported) {
    const fs::path nowhere = fs::temp_directory_path() / "sternfahrt-no-such-dir" / "below";
    std::string error;
    EXPECT_FALSE(writeTextures(nowhere, error));
    EXPECT_NE(error.find("below"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(writePanels(nowhere, font(), error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(writeSounds(nowhere, error));
    EXPECT_FALSE(error.empty());
}

// ---------------------------------------------------------------- manual

std::string manual() { return readFile(SPIELANLEITUNG_PATH); }

// The elements in the order they open, which must be the reverse of the
// order they close; void elements close themselves.
TEST(Spielanleitung, IsAWellNestedHtmlPage) {
    const std::string html = manual();
    ASSERT_FALSE(html.empty());
    EXPECT_NE(html.find("<!DOCTYPE html>"), std::string::npos);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<title>"), std::string::npos);

    const std::set<std::string> voidElements = {"meta", "br", "hr", "img", "link", "col", "wbr"};
    std::vector<std::string> open;
    std::set<std::string> seen;
    for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        if (html.compare(at, 4, "<!--") == 0) {
            at = html.find("-->", at);
            ASSERT_NE(at, std::string::npos) << "unclosed comment";
            continue;
        }
        if (html.compare(at, 2, "<!") == 0) continue;
        const bool closing = html[at + 1] == '/';
        std::size_t nameStart = at + (closing ? 2 : 1), nameEnd = nameStart;
        while (nameEnd < html.size() && std::isalnum(static_cast<unsigned char>(html[nameEnd]))) ++nameEnd;
        const std::string name = html.substr(nameStart, nameEnd - nameStart);
        ASSERT_FALSE(name.empty()) << "a stray '<' at byte " << at;
        seen.insert(name);
        if (voidElements.count(name)) continue;
        if (closing) {
            ASSERT_FALSE(open.empty()) << "</" << name << "> closes nothing";
            ASSERT_EQ(open.back(), name) << "</" << name << "> closes <" << open.back() << ">";
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    EXPECT_TRUE(open.empty()) << "<" << (open.empty() ? "" : open.back()) << "> is never closed";
    for (const char* element : {"html", "head", "body", "title", "h1", "h2", "table"}) {
        EXPECT_TRUE(seen.count(element)) << element;
    }
}

TEST(Spielanleitung, ControlTableNamesEveryKey) {
    const std::string html = manual();
    const std::size_t heading = html.find("Steuerung</h2>");
    ASSERT_NE(heading, std::string::npos);
    const std::size_t begin = html.find("<table", heading), end = html.find("</table>", begin);
    ASSERT_NE(end, std::string::npos);
    const std::string table = html.substr(begin, end - begin);
    for (const char* key : {"Shift", "Return", "Mausrad", "Backspace", "mittlere Maustaste", "Pfeiltasten",
                            "Entf", "rechte Maustaste", "Leertaste", "linke Maustaste", "F1<", "F2<",
                            "F3<", "F4<", "F5<", "F8<", "F9<", "Bild auf", "Bild ab", "Pause", "Esc"}) {
        EXPECT_NE(table.find(key), std::string::npos) << key;
    }
}

TEST(Spielanleitung, NamesTheSaveSlotsAndTheGoods) {
    const std::string html = manual();
    for (const char* word : {"SpielstandA.sav", "SpielstandD.sav", "Uran", "Platin", "Gold", "Iridium", "Roboter",
                             "Computer", "Elektronik", "Maschinen", "Panzer", "Kanonen", "Raketen", "Munition",
                             "Nahrung", "Textilien", "Ersatzteile", "Luxusgut", "545"}) {
        EXPECT_NE(html.find(word), std::string::npos) << word;
    }
}

}  // namespace
