#include "support/test_world.h"

#include "world/location_generation.h"
#include "world/universe.h"

const GameState& sharedWorld() {
    static const GameState world = [] {
        GameState s;
        QuietServices services(1000);
        createWorld(s, services);
        return s;
    }();
    return world;
}

GameState freshWorld() { return sharedWorld(); }

void arrive(GameState& s, int system, int planet, int body, std::uint32_t clock) {
    s.sternenpos = static_cast<std::uint16_t>(system);
    s.planetenpos = static_cast<std::uint16_t>(planet);
    s.mondpos = static_cast<std::uint16_t>(body);
    QuietServices services(clock);
    Create_newCube(s, services);
}
