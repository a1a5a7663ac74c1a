#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "world/game_state.h"

// A savegame: the 34 values that are the player's own (location, money,
// equipment, energy, cargo, passengers) in 72 bytes, little-endian, no
// header: geld as a signed 32-bit number at offset 0, then 33 unsigned
// 16-bit numbers from offset 4 to 68, then two padding bytes (written as 0,
// never read).
constexpr std::size_t kSpielstandBytes = 72;
using SpielstandBytes = std::array<std::uint8_t, kSpielstandBytes>;

// The 34 values as a file gave them, once they have been checked.
struct Spielstand {
    std::int32_t geld = 0;
    std::uint16_t sternenpos = 0, planetenpos = 0, mondpos = 0;
    std::uint16_t lenkraketen = 0, beschleuniger = 0, gigabomben = 0, ecm = 0;
    std::uint16_t energielader = 0, energiespeicher = 0, schildlader = 0, schildspeicher = 0;
    std::uint16_t kanone = 0, laderaum = 0, energie = 0, schild = 0;
    std::uint16_t uranld = 0, platinld = 0, goldld = 0, iridiumld = 0;
    std::uint16_t roboterld = 0, computerld = 0, elektronikld = 0, maschinenld = 0;
    std::uint16_t panzerld = 0, kanonenld = 0, raketenld = 0, munitionld = 0;
    std::uint16_t nahrungld = 0, textilienld = 0, ersatzteileld = 0, luxusgutld = 0;
    std::uint16_t passagierziel = 0, passagiertyp = 0;
};

// The record of the state's 34 values.
SpielstandBytes encodeSpielstand(const GameState& s);

// Reads a record of exactly 72 bytes and checks every value against what the
// game itself can reach: a location that exists in the universe, equipment
// within the shipyard's rows, no more energy or shield than the largest
// storage holds (or a broken shield), a passenger kind the traffic station
// knows, no debt. Anything else gives nothing; every record the game writes
// is read back.
std::optional<Spielstand> decodeSpielstand(std::span<const std::uint8_t> bytes,
                                           const std::vector<Stern>& stern);

// Takes the 34 values over into the state; nothing else changes.
void applySpielstand(GameState& s, const Spielstand& r);
