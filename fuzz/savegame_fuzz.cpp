// Feeds arbitrary bytes to the savegame reader, as if they were a slot file.
// Besides crashes and undefined behaviour it stops on a record that was
// taken although a value in it is out of range, and on one taken whose
// values do not come back byte for byte when it is written again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "save/savegame_record.h"
#include "world/universe.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

const GameState& universe() {
    static const GameState s = [] {
        GameState built;
        buildUniverse(built);
        return built;
    }();
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const GameState& world = universe();
    const auto record = decodeSpielstand(std::span<const std::uint8_t>(data, size), world.stern);
    if (!record) return 0;
    check(size == kSpielstandBytes);
    GameState s;
    s.stern = world.stern;
    applySpielstand(s, *record);
    check(s.geld >= 0);
    check(s.sternenpos < kSternAnzahl && s.passagierziel < kSternAnzahl);
    check(s.stern[s.sternenpos].planet(s.planetenpos, s.mondpos) != 0);
    check(s.kanone <= 4 && s.energiespeicher >= 1 && s.energiespeicher <= 4);
    check(s.schildspeicher >= 1 && s.schildspeicher <= 4 && s.laderaum >= 20);
    // Storage sold back keeps its units; a shield broken in a fight is kept.
    check(s.energie <= 28 && (s.schild <= 28 || s.schild > 65500));
    check(s.lenkraketen <= 7 && s.beschleuniger <= 7 && s.gigabomben <= 7 && s.ecm <= 7);
    check(s.passagiertyp < 10 || s.passagiertyp == kKeinePassagiere);
    const SpielstandBytes again = encodeSpielstand(s);
    for (std::size_t i = 0; i < 70; ++i) check(again[i] == data[i]);
    return 0;
}
