#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> readAll(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

int generate(const fs::path& dir) {
    const std::string command = std::string(ASSETGEN_PATH) + " " + dir.string() + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// The whole data set comes out the same, byte for byte, on every run, with
// every file the game loads by name.
TEST(AssetGenerator, WritesTheWholeSetTheSameEveryTime) {
    TempWorkDir dir;
    ASSERT_EQ(generate(dir.path() / "a"), 0);
    ASSERT_EQ(generate(dir.path() / "b"), 0);
    const auto a = readAll(dir.path() / "a");
    const auto b = readAll(dir.path() / "b");
    EXPECT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(b.at(name) == bytes) << name << " differs between runs";
    }

    const char* expected[] = {
        // meshes
        "Raumschiff1.X", "Raumschiff2.X", "Raumschiff3.X", "Raumschiff4.X", "Raumschiff5.X",
        "Raumschiff6.X", "Raumschiff7.X", "Raumschiff8.X", "Raumschiff9.X", "Raumschiff10.X",
        "Raumschiff11.X", "Raumschiff12.X", "Rakete.X", "Explosion.X", "asteroid_new.x",
        "Station1.x", "Station2.x", "Station3.x", "Station4.x", "Kugel_new.x", "Kugel_newHell.x",
        "sonne.X", "Tor.x",
        // textures
        "grausprenkel.bmp", "Erde1.bmp", "Erde2.bmp", "Erde3.bmp", "Mars.bmp", "Jupiter.bmp",
        "Uranus.bmp", "Neptun.bmp", "Mond4.bmp", "Io.bmp", "Titan.bmp", "sonne.bmp", "rot.bmp",
        "blau.bmp", "weiss.bmp", "Mond1.bmp", "Mond3.bmp", "Mond2.bmp", "stars.bmp", "Tor1.bmp",
        "Tor2.bmp", "Tor3.bmp", "Tor4.bmp", "Tor5.bmp",
        // panel bitmaps and the font
        "Vordergrund.bmp", "RadarBack.bmp", "Lenkrakete.bmp", "Gigabombe.bmp",
        "Asteroidenbeschleuniger.bmp", "Ein.bmp", "Aus.bmp", "Vorne.bmp", "Hinten.bmp",
        "Laser.bmp", "Ionen.bmp", "Photonen.bmp", "Positronen.bmp", "Energie.bmp", "FadenV.bmp",
        "FadenH.bmp", "ECM.bmp", "Zeichensatz.bmp",
        // sounds and the manual
        "machine.wav", "Feindlaser.wav", "EnergyLow.wav", "Sternentor.wav", "Klick.wav",
        "explode.wav", "GunShot.wav", "Bergbau.wav", "Explosion.wav", "Spielanleitung.htm",
    };
    for (const char* name : expected) {
        ASSERT_TRUE(a.count(name)) << name << " is missing";
        EXPECT_GT(a.at(name).size(), 40u) << name;
    }

    // The font: 512 x 48, read from the bitmap header.
    const std::string& font = a.at("Zeichensatz.bmp");
    auto le32 = [&](std::size_t at) {
        return static_cast<std::int32_t>(static_cast<unsigned char>(font[at]) |
                                         static_cast<unsigned char>(font[at + 1]) << 8 |
                                         static_cast<unsigned char>(font[at + 2]) << 16 |
                                         static_cast<unsigned char>(font[at + 3]) << 24);
    };
    EXPECT_EQ(le32(18), 512);
    EXPECT_EQ(le32(22), 48);

    EXPECT_NE(generate(dir.path() / "a" / "Zeichensatz.bmp" / "x"), 0);  // cannot write there
}
