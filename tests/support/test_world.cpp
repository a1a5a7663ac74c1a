#include "support/test_world.h"

#include "world/location_generation.h"
#include "world/universe.h"

const GameState& sharedWorld() {
    static const GameState world = [] {
        GameState s;
        s.timeGetTime = fixedClock(1000);
        createWorld(s);
        return s;
    }();
    return world;
}

GameState freshWorld(std::uint32_t clock) {
    GameState s = sharedWorld();
    s.timeGetTime = fixedClock(clock);
    return s;
}

void arrive(GameState& s, int system, int planet, int body, std::uint32_t clock) {
    s.sternenpos = static_cast<std::uint16_t>(system);
    s.planetenpos = static_cast<std::uint16_t>(planet);
    s.mondpos = static_cast<std::uint16_t>(body);
    s.timeGetTime = fixedClock(clock);
    Create_newCube(s);
}
