#include "save/savegame_record.h"

#include <algorithm>

#include "flight/weapons.h"
#include "stations/shipyard.h"
#include "world/passengers.h"

namespace {

// The 16-bit fields in the order of the file, from offset 4 on.
struct Feld {
    std::uint16_t Spielstand::*datei;
    std::uint16_t GameState::*zustand;
};

#define SF_FELD(name) Feld{&Spielstand::name, &GameState::name}
constexpr std::array<Feld, 33> kFelder{
    SF_FELD(sternenpos),    SF_FELD(planetenpos),  SF_FELD(mondpos),         SF_FELD(lenkraketen),
    SF_FELD(beschleuniger), SF_FELD(gigabomben),   SF_FELD(ecm),             SF_FELD(energielader),
    SF_FELD(energiespeicher), SF_FELD(schildlader), SF_FELD(schildspeicher), SF_FELD(kanone),
    SF_FELD(laderaum),      SF_FELD(energie),      SF_FELD(schild),          SF_FELD(uranld),
    SF_FELD(platinld),      SF_FELD(goldld),       SF_FELD(iridiumld),       SF_FELD(roboterld),
    SF_FELD(computerld),    SF_FELD(elektronikld), SF_FELD(maschinenld),     SF_FELD(panzerld),
    SF_FELD(kanonenld),     SF_FELD(raketenld),    SF_FELD(munitionld),      SF_FELD(nahrungld),
    SF_FELD(textilienld),   SF_FELD(ersatzteileld), SF_FELD(luxusgutld),     SF_FELD(passagierziel),
    SF_FELD(passagiertyp),
};
#undef SF_FELD

constexpr std::size_t kErstesFeld = 4;

// Reads little-endian numbers from a record of bytes; a read past its end
// gives nothing instead of reading beyond it.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<std::uint16_t> u16(std::size_t offset) const {
        if (offset + 2 > bytes_.size()) return std::nullopt;
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::optional<std::int32_t> i32(std::size_t offset) const {
        const auto low = u16(offset), high = u16(offset + 2);
        if (!low || !high) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*low) | static_cast<std::uint32_t>(*high) << 16);
    }

private:
    std::span<const std::uint8_t> bytes_;
};

void putU16(SpielstandBytes& b, std::size_t offset, std::uint16_t v) {
    b[offset] = static_cast<std::uint8_t>(v);
    b[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

// The file's value of an equipment level the shipyard deals in.
std::uint16_t wertImStand(const Spielstand& r, std::uint16_t GameState::*wert) {
    for (const Feld& f : kFelder) {
        if (f.zustand == wert) return r.*f.datei;
    }
    return 0;
}

// The most units of energy or shield any storage the shipyard sells holds.
// Selling storage back keeps the units aboard, so the limit is the largest
// storage's, not the storage the record names.
int hoechsteEinheiten(std::uint16_t GameState::*speicher) {
    for (const Werftangebot& a : kWerftkatalog) {
        if (a.wert == speicher) return kEinheitenJeSpeicher * a.grenze;
    }
    return 0;
}

// Every level within what the shipyard's rows let a player buy and sell: a
// gun up to the best one on offer, any other level between its row's floor
// and limit.
bool ausruestungErreichbar(const Spielstand& r) {
    std::uint16_t besteKanone = 0;
    for (const Werftangebot& a : kWerftkatalog) besteKanone = std::max(besteKanone, a.kanonenTyp);
    for (const Werftangebot& a : kWerftkatalog) {
        const std::uint16_t wert = wertImStand(r, a.wert);
        if (a.kanonenTyp != 0 ? wert > besteKanone : wert < a.boden || wert > a.grenze) return false;
    }
    return true;
}

bool inRange(const Spielstand& r, const std::vector<Stern>& stern) {
    if (r.sternenpos >= stern.size()) return false;
    if (stern[r.sternenpos].planet(r.planetenpos, r.mondpos) == 0) return false;
    if (!ausruestungErreichbar(r)) return false;
    if (r.energie > hoechsteEinheiten(&GameState::energiespeicher)) return false;
    // A shield broken in a fight the menu stayed open through is saved as
    // it is; loading it ends that game again.
    if (r.schild > hoechsteEinheiten(&GameState::schildspeicher) && !shieldBroken(r.schild)) return false;
    if (r.passagiertyp >= kPassagierarten && r.passagiertyp != kKeinePassagiere) return false;
    if (r.passagierziel >= stern.size()) return false;
    return r.geld >= 0;
}

}  // namespace

SpielstandBytes encodeSpielstand(const GameState& s) {
    SpielstandBytes b{};
    const auto geld = static_cast<std::uint32_t>(s.geld);
    putU16(b, 0, static_cast<std::uint16_t>(geld));
    putU16(b, 2, static_cast<std::uint16_t>(geld >> 16));
    for (std::size_t i = 0; i < kFelder.size(); ++i) putU16(b, kErstesFeld + 2 * i, s.*kFelder[i].zustand);
    return b;  // the padding stays 0
}

std::optional<Spielstand> decodeSpielstand(std::span<const std::uint8_t> bytes,
                                           const std::vector<Stern>& stern) {
    if (bytes.size() != kSpielstandBytes) return std::nullopt;
    const RecordReader reader(bytes);
    Spielstand r;
    const auto geld = reader.i32(0);
    if (!geld) return std::nullopt;
    r.geld = *geld;
    for (std::size_t i = 0; i < kFelder.size(); ++i) {
        const auto v = reader.u16(kErstesFeld + 2 * i);
        if (!v) return std::nullopt;
        r.*kFelder[i].datei = *v;
    }
    if (!inRange(r, stern)) return std::nullopt;
    return r;
}

void applySpielstand(GameState& s, const Spielstand& r) {
    s.geld = r.geld;
    for (const Feld& f : kFelder) s.*f.zustand = r.*f.datei;
}
