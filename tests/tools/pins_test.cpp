// What the game does, pinned: the inspector's output for a dozen locations
// chosen to cover every branch of the location build, and two scripted runs
// of the runner, with the state after every frame and everything chosen
// frames put on the screen. A failure here is a change of the game's rules or
// of its picture; when one is meant, the new values go in with the change
// that explains them.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "inspector/digest.h"
#include "support/hex.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace {

struct LocationPin {
    const char* arguments;
    const char* digest;
};

constexpr LocationPin kLocations[] = {
    {"", "f8fdc99270d1f7ea"},                                         // Earth: trade and traffic station
    {"--system 0 --planet 2 --body 1 --clock 5", "c7547d1a80070c24"},   // the Moon: its combat station
    {"--system 0 --planet 5 --body 1 --clock 4242", "127bae06fa6dff80"},  // Saturn's moon: mining, two moon gates
    {"--system 0 --planet 8 --clock 17", "a00eb9c7a26dddbb"},           // Pluto: the star gate
    {"--system 0 --planet 0 --clock 3", "79a285bb73538f42"},            // Mercury: no sun gate
    {"--system 0 --planet 7 --body 2 --clock 8", "8f153e6d547c7870"},   // a moon of Neptune with a shipyard
    {"--system 11 --planet 5 --clock 21", "266ae4bb6566405e"},          // all four stations, at war
    {"--system 208 --planet 3 --clock 1234 --passengers 8", "90fcb3c9903a1671"},  // Aldebaran, a princess aboard
    {"--system 8 --planet 12 --clock 126 --cargo 12=1", "d013abe017cb085a"},      // one consumer good draws pirates
    {"--system 8 --planet 12 --clock 2517 --kanone 4 --cargo 0=1 --cargo 4=1 --cargo 8=1 --cargo 12=1"
     " --mission 3 1 --passengers 9",
     "6e0c8d0f094ee5e3"},                                               // pirates and a mission squadron
    {"--system 0 --planet 2 --clock 77 --kanone 4 --mission 3 1", "5d4019eedaed972d"},  // the squadron at Earth
    {"--system 266 --planet 24 --clock 9", "f4120c180b062072"},         // the last row of the body table
    {"--system 20 --planet 1 --clock 2", "080b4a28f25373f6"},           // a "normal" star in lower case
};

// One recorded picture split by what drew it.
struct Picture {
    std::string scene, radar, overlay, text;  // 3D view, radar, 2D copies, the text read from the font
};

// The character whose 16 x 16 cell of the font (surface 1) a copy took.
char glyph(int sx, int sy) { return static_cast<char>(32 + sy / 16 * 32 + sx / 16); }

Picture split(const std::string& record) {
    Picture picture;
    std::map<std::pair<int, int>, char> cells;  // (y, x) -> character, later copies over earlier ones
    bool radar = false;
    std::istringstream lines(record);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("state viewport 0 0 192 192", 0) == 0 || line.rfind("clear 0 0 192 192", 0) == 0) {
            radar = true;
        } else if (line.rfind("state viewport 0 0 768 768", 0) == 0 || line.rfind("clear 0 0 768 768", 0) == 0) {
            radar = false;
        }
        if (line.rfind("blit", 0) == 0 || line.rfind("fill", 0) == 0) {
            picture.overlay += line + '\n';
            int x, y, source, sx, sy;
            if (std::sscanf(line.c_str(), "blit %d %d %d %d %d", &x, &y, &source, &sx, &sy) == 5 && source == 1) {
                cells[{y, x}] = glyph(sx, sy);
            }
        } else if (line == "flip") {
            picture.overlay += line + '\n';
        } else {
            (radar ? picture.radar : picture.scene) += line + '\n';
        }
    }
    // Runs of neighbouring cells as "y x: text" lines.
    int row = -1, next = 0;
    for (const auto& [at, c] : cells) {
        if (at.first != row || at.second != next) {
            if (row >= 0) picture.text += '\n';
            picture.text.append(std::to_string(at.first)).append(" ").append(std::to_string(at.second)).append(":");
            row = at.first;
        }
        picture.text += c;
        next = at.second + 16;
    }
    return picture;
}

struct FramePin {
    int frame;
    const char *scene, *radar, *overlay, *text;
};

struct RunPin {
    const char* script;
    const char* clock;
    int frames;
    const char* trace;
    std::vector<FramePin> pictures;
};

void checkRun(const RunPin& pin) {
    TempWorkDir dir;
    std::string arguments = std::string("--headless --data ") + DATA_DIR + " --script " + PINS_DIR + "/" + pin.script +
                            " --clock " + pin.clock + " --frames " + std::to_string(pin.frames) + " --trace trace.txt";
    for (const FramePin& p : pin.pictures) {
        arguments += " --record " + std::to_string(p.frame) + ":frame" + std::to_string(p.frame) + ".txt";
    }
    ASSERT_EQ(runTool(RUNNER_PATH, arguments).exitCode, 0) << arguments;
    EXPECT_EQ(hex(fnv1a(readFile("trace.txt"))), pin.trace) << pin.script << ": the states of the run";
    for (const FramePin& p : pin.pictures) {
        const std::string record = readFile("frame" + std::to_string(p.frame) + ".txt");
        ASSERT_FALSE(record.empty()) << "frame " << p.frame;
        const Picture picture = split(record);
        SCOPED_TRACE(std::string(pin.script) + ", frame " + std::to_string(p.frame));
        EXPECT_EQ(hex(fnv1a(picture.scene)), p.scene) << "the 3D view";
        EXPECT_EQ(hex(fnv1a(picture.radar)), p.radar) << "the radar";
        EXPECT_EQ(hex(fnv1a(picture.overlay)), p.overlay) << "the panel, symbols and texts";
        EXPECT_EQ(hex(fnv1a(picture.text)), p.text) << picture.text;
    }
}

}  // namespace

TEST(Pins, LocationBuilds) {
    for (const LocationPin& pin : kLocations) {
        const ToolRun run = runTool(INSPECTOR_PATH, std::string("location ") + pin.arguments);
        ASSERT_EQ(run.exitCode, 0) << pin.arguments;
        EXPECT_EQ(hex(fnv1a(run.out)), pin.digest) << "location " << pin.arguments;
    }
}

TEST(Pins, OutThroughEveryPlanetToTheStarMapAndBack) {
    checkRun({"route.rec", "4711", 3100, "52948fd783d7b053",
              {{2, "d56c8257d64327e0", "6e11527a2c4b3c8a", "4ec4103e8f8b8971", "8742693205999d0a"},
               {100, "ecc582150c26f503", "184bdac606c7c575", "5753888aa5a567e8", "7d083300278e1fb5"},
               {200, "7b63e02aaa477bfa", "14650fb0739d0383", "4191d5c305be31ee", "14650fb0739d0383"},
               {2792, "7d8a9f7066e6180a", "14650fb0739d0383", "4f3744b432c8dcce", "81feb4f35b8c9ae6"},
               {3050, "ccf45e52940a9a47", "0514b8651a3d2bc0", "d6771a2b8cd544d5", "4cb3da1f86b17cb0"}}});
}

// Out to Pluto, through the star gate, on the map turned to Minelauva and
// zoomed out, the jump and the arrival at its outermost planet.
TEST(Pins, ThroughTheStarGateToAnotherSystem) {
    checkRun({"stars.rec", "4711", 3160, "93c7dae37e99352b",
              {{2895, "6ed0d14a0770f281", "14650fb0739d0383", "2b56cca55bb83d24", "461de6845ca50cb4"},
               {3150, "2e1d2f05b108824f", "b9a32d7153e7a302", "a374de156115f5a4", "3a0d87a43b83be67"}}});
}

TEST(Pins, ToTheMoonAndBackwardsHome) {
    checkRun({"moon.rec", "99", 400, "e1bc6a2b6cc8dc20",
              {{230, "2f89449993e83ece", "82527450250ad5ef", "829ba02a7dfdba9b", "5db428348faa69c2"},
               {335, "5358cbffae14da8c", "cf77fd1b0190cefa", "3c9937020ff5c0bf", "7d083300278e1fb5"},
               {365, "8599b49c655d216e", "1ce73ebf608cd8bf", "4255e329998a6522", "1895124f4b170305"}}});
}

TEST(Pins, DockedAtEarthsTradeStation) {
    checkRun({"trade_station.rec", "4711", 350, "62bfec3e7e82eca5",
              {{312, "c833f0241e6b4fd0", "14650fb0739d0383", "95efa62e93cff394", "34efe23eecd28709"},
               {345, "2e60fa71b14b85ce", "08df703b11674010", "5b5f7b8309c2362f", "7d083300278e1fb5"}}});
}

TEST(Pins, DockedAtEarthsTrafficStation) {
    checkRun({"traffic_station.rec", "4711", 340, "cc7804ff8be8cfd3",
              {{318, "7b03739407a9aab9", "14650fb0739d0383", "d2c1b269544d715b", "4e2fb471d2964574"}}});
}

TEST(Pins, DockedAtTheMoonsCombatStation) {
    checkRun({"moon_combat_station.rec", "4711", 540, "f4e8ce88ff887f8a",
              {{520, "4465a1c89fc8da99", "14650fb0739d0383", "d229f86fb6938f0a", "febaa2b53dfb7869"}}});
}
