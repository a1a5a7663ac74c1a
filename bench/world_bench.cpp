// Times the universe build and the building of a few locations, in
// milliseconds and as a ratio to the floor of the same run: the 65 000
// generator draws of the asteroid records. Then one flight frame's
// simulation in the thick of a fight (50 attacking ships, 100 shots, 5
// missiles) against the same frame at the same place with nothing flying.
//
//   build/release/bench/world_bench [repetitions]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "flight/flight_frame.h"
#include "world/location_generation.h"
#include "world/universe.h"

namespace {

using Clock = std::chrono::steady_clock;

// The best of several runs, in milliseconds: the least disturbed one.
double bestOf(int repetitions, const std::function<void(int)>& work) {
    double best = 1e30;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        work(i);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (ms < best) best = ms;
    }
    return best;
}

// The best time of one flightFrame over copies of a prepared state, in
// milliseconds; the copy is not timed.
double bestFrame(int repetitions, const GameState& prepared) {
    double best = 1e30;
    QuietServices services(0);
    for (int i = 0; i < repetitions; ++i) {
        GameState s = prepared;
        const auto start = Clock::now();
        flightFrame(s, services);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (ms < best) best = ms;
    }
    return best;
}

// A fight at Jupiter: every ship slot holds an attacker, the first hundred
// shot slots and all five missile slots are in flight.
GameState fight(const GameState& quiet) {
    GameState s = quiet;
    s.schildspeicher = 4;
    s.schild = 28;
    s.feuer = 1;
    const int pirates[] = {4, 6, 8, 9, 10};
    for (int slot = 0; slot < kRaumschiffSlots; ++slot) {
        EnemyShip& ship = s.raumschiff[slot].emplace(pirates[slot % 5], s.rng);
        ship.attacking = true;
    }
    for (int slot = 0; slot < kSchussFeuerSlots; ++slot) {
        Shot& shot = s.schuss[slot].emplace();
        shot.typ = slot % 2 ? kSpielerSchuss : kFeindSchuss;
        shot.pos = fieldPosition(s.rng);
        shot.velocity = {100, 0, 0};
        shot.life = 100;
    }
    for (int slot = 0; slot < kRaketenSlots; ++slot) {
        Missile& missile = s.rakete[slot].emplace();
        missile.pos = fieldPosition(s.rng);
        missile.targetIndex = slot == kSpielerRakete ? kRaumschiffSlots - 1 : kZielSpieler;
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    volatile int sink = 0;
    const double floor = bestOf(repetitions, [&](int) {
        Random rng;
        int sum = 0;
        for (int i = 0; i < 5000 * 13; ++i) sum += rng.rand();
        sink = sink + sum;
    });

    GameState world;
    QuietServices services(0);
    const double universe = bestOf(repetitions, [&](int) {
        GameState s;
        s.asteroid.reserve(kAsteroidAnzahl);
        for (int i = 0; i < kAsteroidAnzahl; ++i) s.asteroid.emplace_back(s.rng);
        buildUniverse(s);
        sink = sink + s.stern[0].eigenschaften;
    });
    createWorld(world, services);

    std::printf("%-44s %9s %9s\n", "what", "ms", "x floor");
    std::printf("%-44s %9.3f %9.2f\n", "floor: 5000 x 13 generator draws", floor, 1.0);
    std::printf("%-44s %9.3f %9.2f\n", "asteroid records + universe build", universe, universe / floor);

    struct Place { const char* name; int system, planet, body; bool loaded; };
    const Place places[] = {
        {"Earth C0", 0, 2, 0, false},
        {"the Moon C1", 0, 2, 1, false},
        {"Saturn F1 (mining)", 0, 5, 1, false},
        {"Sirius Y0 (star gate)", 266, 24, 0, false},
        {"Sirius Y0, strong ship + weapons", 266, 24, 0, true},
    };
    double worst = 0.0;
    for (const Place& place : places) {
        GameState s = world;
        s.sternenpos = static_cast<std::uint16_t>(place.system);
        s.planetenpos = static_cast<std::uint16_t>(place.planet);
        s.mondpos = static_cast<std::uint16_t>(place.body);
        if (place.loaded) {
            s.kanone = 4;
            s.energielader = s.schildlader = 10;
            s.kanonenld = 5;
            s.passagiertyp = 9;
            s.aufgabePlanet = 1;
            s.aufgabeMond = 1;
        }
        const double ms = bestOf(repetitions, [&](int i) {
            services.clock = static_cast<std::uint32_t>(i) * 7919u;
            Create_newCube(s, services);
        });
        if (ms > worst) worst = ms;
        std::printf("Create_newCube at %-27s %9.3f %9.2f\n", place.name, ms, ms / floor);
    }
    std::printf("slowest Create_newCube %.3f ms: %s the 5 ms budget\n", worst,
                worst <= 5.0 ? "within" : "OVER");

    GameState quiet = world;
    quiet.planetenpos = 4;
    Create_newCube(quiet, services);
    for (auto& ship : quiet.raumschiff) ship.reset();
    const double empty = bestFrame(repetitions * 20, quiet);
    const double busy = bestFrame(repetitions * 20, fight(quiet));
    std::printf("%-44s %9.4f %9.2f\n", "flight frame, nothing flying", empty, 1.0);
    std::printf("%-44s %9.4f %9.2f\n", "flight frame, 50 ships, 100 shots, 5 missiles", busy, busy / empty);
    std::printf("fight frame %.4f ms: %s the 0.17 ms budget\n", busy, busy <= 0.17 ? "within" : "OVER");
    return worst <= 5.0 && busy <= 0.17 ? 0 : 1;
}
