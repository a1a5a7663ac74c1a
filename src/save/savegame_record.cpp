#include "save/savegame_record.h"

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

// What the shipyard sells at most of each kind that is counted out.
constexpr std::uint16_t kHoechstens = 7;
constexpr std::uint16_t kHoechsteKanone = 4;
constexpr std::uint16_t kHoechsterSpeicher = 4;
constexpr std::uint16_t kKleinsterLaderaum = 20;
constexpr std::uint16_t kEnergieJeSpeicher = 7;
constexpr std::uint16_t kPassagierArten = 10;

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

bool inRange(const Spielstand& r, const std::vector<Stern>& stern) {
    if (r.sternenpos >= stern.size()) return false;
    if (stern[r.sternenpos].planet(r.planetenpos, r.mondpos) == 0) return false;
    for (const std::uint16_t anzahl : {r.lenkraketen, r.beschleuniger, r.gigabomben, r.ecm}) {
        if (anzahl > kHoechstens) return false;
    }
    if (r.kanone > kHoechsteKanone) return false;
    if (r.energielader < 1 || r.schildlader < 1) return false;
    if (r.energiespeicher < 1 || r.energiespeicher > kHoechsterSpeicher) return false;
    if (r.schildspeicher < 1 || r.schildspeicher > kHoechsterSpeicher) return false;
    if (r.laderaum < kKleinsterLaderaum) return false;
    if (r.energie > kEnergieJeSpeicher * r.energiespeicher) return false;
    if (r.schild > kEnergieJeSpeicher * r.schildspeicher) return false;
    if (r.passagiertyp >= kPassagierArten && r.passagiertyp != kKeinePassagiere) return false;
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
