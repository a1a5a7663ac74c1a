#include "world/universe.h"

#include "world/star_catalogue.h"

namespace {

// The bodies of one system, row by row.
void drawBodies(Stern& s, Random& rng) {
    const int h = static_cast<int>(s.planeten * 0.5);
    for (int p = 0; p < kPlanetZeilen; ++p) {
        if (p > s.planeten) {
            for (int m = 0; m < kKoerperSpalten; ++m) s.planet.set(p, m, 0);
        } else if (p < h) {
            // Inner planet: rocky, at most one moon.
            s.planet.set(p, 0, static_cast<std::uint16_t>(rng.rand() % 6 + 1));
            if (rng.rand() % 9 > 7) s.planet.set(p, 0, 12);
            const int n = rng.rand() % 3;
            for (int m = 1; m < kKoerperSpalten; ++m) {
                s.planet.set(p, m, m < n ? static_cast<std::uint16_t>(rng.rand() % 4 + 1) : 0);
            }
        } else {
            // Outer planet: gas giants and ice, up to eight moons, looks 1..4
            // twice as likely as 5..9.
            s.planet.set(p, 0, static_cast<std::uint16_t>(rng.rand() % 9 + 7));
            const int n = rng.rand() % 10;
            for (int m = 1; m < kKoerperSpalten; ++m) {
                std::uint16_t code = 0;
                if (m < n) {
                    code = static_cast<std::uint16_t>(rng.rand() % 13 + 1);
                    if (code > 9) code -= 9;
                }
                s.planet.set(p, m, code);
            }
        }
    }
}

// Every body beyond the middle planet carries a mining asteroid.
void markMiningBodies(Stern& s) {
    for (int p = s.planeten / 2 + 1; p < kPlanetZeilen; ++p) {
        for (int m = 0; m < kKoerperSpalten; ++m) {
            const std::uint16_t code = s.planet(p, m);
            if (code != 0) s.planet.set(p, m, code + kBergbauMarke);
        }
    }
}

void drawProperties(Stern& s, Random& rng) {
    s.rekt = 24.0f - s.rekt;
    const int government = rng.rand() % 8;
    const int economy = rng.rand() % 4;
    const int population = (rng.rand() % 10 + 1) * s.planeten;
    s.eigenschaften = static_cast<std::uint16_t>(government + 8 * economy + 256 * population);
}

// Draws one moon code per listed moon: looks 1..4, each with a mining asteroid.
void drawSolMoons(Stern& sol, Random& rng, int planet, int lastMoon) {
    for (int m = 1; m <= lastMoon; ++m) {
        sol.planet.set(planet, m, static_cast<std::uint16_t>(rng.rand() % 4 + 1 + kBergbauMarke));
    }
}

// Sol is the real solar system, a democracy of normal economy with 253
// billion people.
void fixUpSol(Stern& sol, Random& rng) {
    sol.eigenschaften = 64783;
    for (int p = 0; p <= 11; ++p) {
        for (int m = 0; m < kKoerperSpalten; ++m) sol.planet.set(p, m, 0);
    }
    struct Body { int p, m; std::uint16_t code; };
    constexpr Body kBodies[] = {
        {0, 0, 12},                                          // Merkur
        {1, 0, 3},                                           // Venus
        {2, 0, 1}, {2, 1, 1},                                // Erde, Mond
        {3, 0, 5}, {3, 1, 18}, {3, 2, 18},                   // Mars, Phobos, Deimos
        {4, 0, 23}, {4, 1, 21}, {4, 2, 22}, {4, 3, 18}, {4, 4, 17},  // Jupiter ..
        {5, 0, 24},                                          // Saturn
        {6, 0, 26},                                          // Uranus
        {7, 0, 27},                                          // Neptun
        {8, 0, 29}, {8, 1, 20},                              // Pluto, Charon
    };
    for (const Body& b : kBodies) sol.planet.set(b.p, b.m, b.code);
    drawSolMoons(sol, rng, 5, 8);
    sol.planet.set(5, 6, 23);  // Titan
    drawSolMoons(sol, rng, 6, 5);
    drawSolMoons(sol, rng, 7, 3);
    for (int p = 9; p < kPlanetZeilen; ++p) sol.planet.set(p, 0, 0);
}

}  // namespace

void Einlesen_Sterne(std::vector<Stern>& stern) {
    for (std::size_t i = 0; i < stern.size() && i < kKatalog.size(); ++i) {
        const CatalogueEntry& e = kKatalog[i];
        Stern& s = stern[i];
        s.name = e.name;
        s.typ = e.typ;
        s.besond = e.besond;
        s.sternbld = e.sternbld;
        s.groesse = e.groesse;
        s.planeten = e.planeten;
        s.dekl = e.dekl;
        s.rekt = e.rekt;
    }
}

void buildUniverse(GameState& s) {
    s.stern.assign(kSternAnzahl, Stern{});
    Einlesen_Sterne(s.stern);
    for (Stern& system : s.stern) drawBodies(system, s.rng);
    for (Stern& system : s.stern) markMiningBodies(system);
    for (Stern& system : s.stern) drawProperties(system, s.rng);

    // Aldebaran is ruled by a despot, whatever was drawn.
    Stern& aldebaran = s.stern[kAldebaran];
    aldebaran.eigenschaften = static_cast<std::uint16_t>((aldebaran.eigenschaften & 0xFFF0) | 3);

    fixUpSol(s.stern[kSol], s.rng);
}

void createWorld(GameState& s, Services& services) {
    s.asteroid.clear();
    s.asteroid.reserve(kAsteroidAnzahl);
    for (int i = 0; i < kAsteroidAnzahl; ++i) s.asteroid.emplace_back(s.rng);
    buildUniverse(s);
    Start_newGame(s, services);
}
