#include "stations/traffic.h"

namespace {

// A story's new government keeps the population and all but the lowest bit
// of the economy: the story clears four bits, not three.
constexpr std::uint16_t kOhneRegierung = 0xFFF0;

void neueRegierung(GameState& s, int system, int regierung) {
    if (system < 0 || system >= static_cast<int>(s.stern.size())) return;
    std::uint16_t& e = s.stern[static_cast<std::size_t>(system)].eigenschaften;
    e = static_cast<std::uint16_t>((e & kOhneRegierung) + regierung);
}

}  // namespace

std::int32_t fahrpreis(int art) {
    const Passagiergruppe* gruppe = passagiergruppe(art);
    return gruppe ? gruppe->fahrpreis : 0;
}

bool angebotSichtbar(const GameState& s) {
    return s.passagierevonbord || s.passagiertyp == kKeinePassagiere;
}

void trafficStep(GameState& s) {
    if (s.passagiertyp != kKeinePassagiere && s.passagierziel == s.sternenpos) {
        s.passagierevonbord = true;
        s.einnahmen = fahrpreis(s.passagiertyp);
    }
    s.picture.einnahmenGezeigt = s.einnahmen;
    const Passagiergruppe* angekommen = passagiergruppe(s.passagiertyp);
    if (s.passagierevonbord && angekommen && angekommen->geschichte) {
        const Geschichte& g = *angekommen->geschichte;
        if (g.regierung >= 0) neueRegierung(s, g.system == kAngekommen ? s.sternenpos : g.system, g.regierung);
        if (g.fahrpreisVerloren) s.einnahmen = 0;
    }
    const Passagiergruppe* angeboten = passagiergruppe(s.passagiere);
    if (angebotSichtbar(s) && angeboten && angeboten->ziel) s.pziel = static_cast<std::uint16_t>(*angeboten->ziel);
}

void passengerExchange(GameState& s) {
    if (angebotSichtbar(s)) {
        const bool angekommen = s.passagierevonbord;
        s.passagiertyp = s.passagiere;
        s.passagierziel = s.pziel;
        if (angekommen) {
            addIncome(s, s.einnahmen);
            s.passagierevonbord = false;
        }
    } else {
        s.passagiertyp = kKeinePassagiere;
        s.passagierziel = 0;
    }
}
