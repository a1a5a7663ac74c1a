#include "ui/cockpit.h"

#include <algorithm>

#include "ui/text.h"
#include "world/passengers.h"

namespace {

using platform::Platform;

constexpr int kSpalte = 776;       // panel text column
constexpr int kZahlenEnde = 1000;  // right end of panel numbers
constexpr int kSymbolX = 782;
constexpr int kSymbol = 32;
constexpr int kMaxItems = 7;
constexpr int kBalkenEinheiten = 28;

// Words by ranking: the last threshold passed wins.
constexpr int kRufAb[] = {-1000, 8, 12, 16, 20, 24, 28, 32};

// Sol's bodies: how many each planet has, itself and its moons; their names
// follow one another in the texts, planet by planet.
constexpr int kSolKoerper[] = {1, 1, 2, 3, 5, 9, 6, 4, 2};

void symbolRow(Platform& p, platform::SurfaceId symbol, int count, int y) {
    for (int i = 0; i < std::min(count, kMaxItems); ++i) {
        p.blit(kSymbolX + kSymbol * i, y, symbol, {0, 0, kSymbol, kSymbol}, false);
    }
}

// Up to 28 units in four rows of seven.
void bar(Platform& p, platform::SurfaceId symbol, int units, int top) {
    for (int i = 0; i < std::min(units, kBalkenEinheiten); ++i) {
        p.blit(kSymbolX + kSymbol * (i % 7), top + kSymbol * (i / 7), symbol, {0, 0, kSymbol, kSymbol}, false);
    }
}

void instruments(Platform& p, const Assets& a, const GameState& s) {
    drawPanel(p, a);
    const auto& b = a.bitmap;
    p.blit(382, 300, b[lpDDSFadenV], {0, 0, 4, 64}, false);
    p.blit(382, 404, b[lpDDSFadenV], {0, 0, 4, 64}, false);
    p.blit(300, 382, b[lpDDSFadenH], {0, 0, 64, 4}, false);
    p.blit(404, 382, b[lpDDSFadenH], {0, 0, 64, 4}, false);
    p.blit(782, 104, b[s.backsight == 1 ? lpDDSVorne : lpDDSHinten], {0, 0, 224, 32}, false);
    p.blit(782, 152, b[p.lightEnabled(1) ? lpDDSAn : lpDDSAus], {0, 0, 224, 32}, false);
    symbolRow(p, b[lpDDSGigabombe], s.gigabomben, 296);
    symbolRow(p, b[lpDDSECM], s.ecm, 248);
    symbolRow(p, b[lpDDSLenkrakete], s.lenkraketen, 200);
    symbolRow(p, b[lpDDSBeschleuniger], s.beschleuniger, 344);
    bar(p, b[lpDDSEnergie], s.schild, 392);
    if (s.kanone >= 1 && s.kanone <= 4) bar(p, b[lpDDSLaser + s.kanone - 1], s.energie, 520);
}

void readings(TextLayer& t, const GameState& s) {
    const Stern& stern = s.aktuellerStern();
    t.Text(kSpalte, 8, TextId::System);
    t.Text(kSpalte, 24, stern.name);
    if (s.kampf) {
        t.Text(kSpalte, 8, TextId::Feindentfernung);
        t.Text(kSpalte, 24, kLeereZeile);
        t.Var(kZahlenEnde, 24, static_cast<std::uint32_t>(s.nahfeind));
    }
    t.Text(kSpalte, 56, TextId::PlanetMond);
    t.Zeichen(kSpalte, 72, 'A' + s.planetenpos);
    t.Zeichen(kSpalte + 16, 72, '0' + s.mondpos);
    for (int slot = 0; slot < kStationSlots; ++slot) {
        if (s.station[slot]) t.Text(998 - 16 * slot, 72, stationsart(slot).buchstabe);
    }
    if (s.sternenpos == kSol) {
        if (const auto name = solBodyName(s.planetenpos, s.mondpos)) t.Text(kSpalte, 72, *name);
    }
    if (s.kampf) {
        t.Text(kSpalte, 56, TextId::RufBeimGegner);
        t.Text(kSpalte, 72, reputationWord(s.ranking));
    }

    t.Text(824, 664, TextId::GeldCockpit);
    t.Var(kZahlenEnde, 664, static_cast<std::uint32_t>(s.geld));
    if (s.aufgabePlanet == 0 && s.aufgabeMond == 0) {
        t.Zeichen(kSpalte, 664, '-');
        t.Zeichen(kSpalte + 16, 664, '-');
    } else {
        t.Zeichen(kSpalte, 664, 'A' + s.aufgabePlanet);
        t.Zeichen(kSpalte + 16, 664, '0' + s.aufgabeMond);
    }
    t.Text(kSpalte, 680, TextId::Passagiere);
    if (const Passagiergruppe* gruppe = passagiergruppe(s.passagiertyp)) {
        t.Text(kSpalte, 696, gruppe->wort);
        t.Text(kSpalte, 712, TextId::Ziel);
        t.Text(kSpalte, 728, s.sternAt(s.passagierziel).name);
    } else {
        t.Text(kSpalte, 696, TextId::KeinePassagiere);
    }
}

void messages(TextLayer& t, const GameState& s) {
    if (s.picture.sichtMeldung) {
        t.Text(272, 160, TextId::Sicht);
        t.Var(496, 160, static_cast<std::uint32_t>(s.SIGHT));
    }
    if (s.picture.beuteMeldung) {
        t.Zeilen(100, 176, TextId::BeuteMeldung);
        t.Var(442, 192, static_cast<std::uint32_t>(s.beute));
    }
    if (s.picture.bergbauMeldung) {
        switch (s.bergbaumeldung) {
            case 1:
                t.Zeilen(100, 176, TextId::BeschleunigerPlatziert);
                t.Var(442, 192, 250);
                break;
            case 2: t.Text(16, 176, TextId::BeschleunigerSchonDa); break;
            case 3: t.Text(100, 176, TextId::KeinBeschleuniger); break;
            default: break;
        }
    }
    if (s.picture.missionsMeldung) t.Text(100, 224, TextId::AuftragErfuellt);
}

}  // namespace

void drawPanel(Platform& p, const Assets& assets) {
    p.blit(768, 0, assets.bitmap[lpVordergrund], {0, 0, 256, 768}, false);
}

TextId reputationWord(int ranking) {
    int word = 0;
    for (int i = 0; i < static_cast<int>(std::size(kRufAb)); ++i) {
        if (ranking > kRufAb[i]) word = i;
    }
    return TextId::Ruf + word;
}

std::optional<TextId> solBodyName(int p, int m) {
    if (p < 0 || p >= static_cast<int>(std::size(kSolKoerper)) || m < 0 || m >= kSolKoerper[p]) return std::nullopt;
    int vorher = 0;
    for (int planet = 0; planet < p; ++planet) vorher += kSolKoerper[planet];
    return TextId::SolKoerper + (vorher + m);
}

void drawCockpit(Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    instruments(p, assets, s);
    TextLayer text(p, assets.zeichensatz, texte);
    readings(text, s);
    messages(text, s);
}

void drawClosingMessages(Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    TextLayer text(p, assets.zeichensatz, texte);
    if (s.picture.gameOverMeldung) {
        text.Zeilen(100, 176, TextId::GameOver);
    }
    if (s.ausserhalb) {
        text.Zeilen(60, 20, TextId::Ausserhalb);
    }
    if (s.hintFrames > 0) {
        text.Text(32, 700, TextId::StartHinweis);
    }
}
