#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "flight/flight_frame.h"
#include "inspector/digest.h"
#include "support/hex.h"
#include "inspector/world_json.h"
#include "support/test_world.h"

namespace {

// One input of the script: in a frame, a flag set or cleared.
struct Input {
    int frame;
    std::int32_t GameState::*flag;
    std::int32_t value;
};

// Fire held for most of the run while turning, a missile, a decoy, a giga
// bomb late on.
constexpr Input kScript[] = {
    {0, &GameState::feuer, 1},         {40, &GameState::missileKey, 1},    {60, &GameState::ecmKey, 1},
    {61, &GameState::ecmKey, 0},       {120, &GameState::right, 1},        {135, &GameState::right, 0},
    {140, &GameState::up, 1},          {150, &GameState::up, 0},           {160, &GameState::missileKey, 1},
    {200, &GameState::gigabombKey, 1}, {202, &GameState::gigabombKey, 0}, {330, &GameState::feuer, 0},
};

// The arrow flags act on the turn rates as the keys do.
void apply(GameState& s, const Input& in) {
    s.*in.flag = in.value;
    if (in.flag == &GameState::right) s.kipp = in.value ? -0.03f : 0.0f;
    if (in.flag == &GameState::up) s.nick = in.value ? -0.03f : 0.0f;
}

}  // namespace

// The Moon with the clock at 6 holds two pirates and five guards; two
// missile carriers join them, one in the line of fire, and an enemy missile
// is already on its way.
// The state after every frame is pinned: any change of order or rule shows.
TEST(Pins, AFightAtTheMoon) {
    GameState s = freshWorld();
    arrive(s, 0, 2, 1, 6);
    s.kanone = 2;
    s.energiespeicher = 2;
    s.energie = 14;
    s.schildspeicher = 4;
    s.schild = 28;
    s.lenkraketen = 2;
    s.ecm = 1;
    s.gigabomben = 1;
    s.raumschiff[20].emplace(9, s.rng).pos = {4000, 0, 0};  // in the line of fire
    s.raumschiff[21].emplace(6, s.rng).pos = {3000, -800, 600};
    s.rakete[0].emplace().pos = {0, 0, 20000};

    QuietServices services(6);
    std::uint64_t digest = 0;
    int kills = 0, hits = 0, missileFrames = 0, decoyFrames = 0;
    for (int frame = 0; frame < 400; ++frame) {
        for (const Input& in : kScript) {
            if (in.frame == frame) apply(s, in);
        }
        s.ranking = computeRanking(s);
        const auto geld = s.geld;
        flightFrame(s, services);
        if (s.geld > geld) ++kills;
        if (s.rakete[kSpielerRakete]) ++missileFrames;
        if (s.dummy) ++decoyFrames;
        JsonWriter json;
        writePlayer(json, s);
        writeCombat(json, s);
        std::ostringstream sounds;
        for (int n : services.sounds) sounds << n << ' ';
        hits += static_cast<int>(std::count(services.sounds.begin(), services.sounds.end(), 7));
        services.sounds.clear();
        digest = fnv1a(std::to_string(digest) + json.str() + sounds.str());
    }
    // The run is worth pinning only if it fights.
    EXPECT_GT(kills, 0);
    EXPECT_GT(hits, 0);
    EXPECT_GT(missileFrames, 0);
    EXPECT_GT(decoyFrames, 0);
    EXPECT_EQ(hex(digest), "e2ec98eda38e7530") << kills << " kills, " << hits << " hits, " << missileFrames << " missile frames, "
                               << decoyFrames << " decoy frames";
}
