#include "ui/cockpit.h"

#include <algorithm>
#include <vector>

#include "ui/text.h"

namespace {

using platform::Platform;

constexpr int kSpalte = 776;       // panel text column
constexpr int kZahlenEnde = 1000;  // right end of panel numbers
constexpr int kSymbolX = 782;
constexpr int kSymbol = 32;
constexpr int kMaxItems = 7;
constexpr int kBalkenEinheiten = 28;

// Words by ranking: the last threshold passed wins.
struct Ruf {
    int above;
    GameText word;
};
constexpr Ruf kRuf[] = {
    {-1000, "Absolut Harmlos~"}, {8, "Harmlos        ~"},  {12, "Kaum Gefaehrich~"},
    {16, "Mittelstark    ~"},    {20, "Gefaehrlich    ~"},  {24, "Furchtbar      ~"},
    {28, "Vernichtend    ~"},    {32, "Unbesiegbar    ~"},
};

constexpr GameText kPassagierWort[10] = {
    "Touristen~", "Haendler~", "Minenarbeiter~", "Kaufleute~", "Soldaten~",
    "Schmuggler~", "Verbrecher~", "Revoluzzer~", "Prinzessin~", "keine Ahnung~",
};

// Sol: each planet's name, then its moons in order.
const std::vector<std::vector<GameText>>& solNames() {
    static const std::vector<std::vector<GameText>> names = {
        {"Merkur~"},
        {"Venus~"},
        {"Erde~", "Mond~"},
        {"Mars~", "Phobos~", "Deimos~"},
        {"Jupiter~", "Io~", "Europa~", "Ganymed~", "Callisto~"},
        {"Saturn~", "Mimas~", "Enceladus~", "Tethys~", "Dione~", "Rhea~", "Titan~", "Iapetus~", "Phoebe~"},
        {"Uranus~", "Miranda~", "Ariel~", "Umbriel~", "Titania~", "Oberon~"},
        {"Neptun~", "Proteus~", "Triton~", "Nereide~"},
        {"Pluto~", "Charon~"},
    };
    return names;
}

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
    t.Text(kSpalte, 8, GameText("System:~"));
    t.Text(kSpalte, 24, stern.name);
    if (s.kampf) {
        t.Text(kSpalte, 8, GameText("Feindentfernung~"));
        t.Text(kSpalte, 24, GameText("               ~"));
        t.Var(kZahlenEnde, 24, static_cast<std::uint32_t>(s.nahfeind));
    }
    t.Text(kSpalte, 56, GameText("Planet/Mond~"));
    t.Zeichen(kSpalte, 72, 'A' + s.planetenpos);
    t.Zeichen(kSpalte + 16, 72, '0' + s.mondpos);
    constexpr GameText kStationZeichen[kStationSlots] = {"H~", "W~", "V~", "K~"};
    for (int slot = 0; slot < kStationSlots; ++slot) {
        if (s.station[slot]) t.Text(998 - 16 * slot, 72, kStationZeichen[slot]);
    }
    if (s.sternenpos == kSol) {
        if (const GameText* name = solBodyName(s.planetenpos, s.mondpos)) t.Text(kSpalte, 72, *name);
    }
    if (s.kampf) {
        t.Text(kSpalte, 56, GameText("Ruf beim Gegner~"));
        t.Text(kSpalte, 72, reputationWord(s.ranking));
    }

    t.Text(824, 664, GameText("Geld:~"));
    t.Var(kZahlenEnde, 664, static_cast<std::uint32_t>(s.geld));
    if (s.aufgabePlanet == 0 && s.aufgabeMond == 0) {
        t.Zeichen(kSpalte, 664, '-');
        t.Zeichen(kSpalte + 16, 664, '-');
    } else {
        t.Zeichen(kSpalte, 664, 'A' + s.aufgabePlanet);
        t.Zeichen(kSpalte + 16, 664, '0' + s.aufgabeMond);
    }
    t.Text(kSpalte, 680, GameText("Passagiere :~"));
    if (s.passagiertyp < 10) {
        t.Text(kSpalte, 696, kPassagierWort[s.passagiertyp]);
        t.Text(kSpalte, 712, GameText("Ziel :~"));
        t.Text(kSpalte, 728, s.sternAt(s.passagierziel).name);
    } else {
        t.Text(kSpalte, 696, GameText("- keine -~"));
    }
}

void messages(TextLayer& t, const GameState& s) {
    if (s.picture.sichtMeldung) {
        t.Text(272, 160, GameText("Sicht :~"));
        t.Var(496, 160, static_cast<std::uint32_t>(s.SIGHT));
    }
    if (s.picture.beuteMeldung) {
        t.Text(100, 176, GameText("  Feindliches Raumschiff vernichtet~"));
        t.Text(100, 192, GameText("             Beute :               ~"));
        t.Var(442, 192, static_cast<std::uint32_t>(s.beute));
    }
    if (s.picture.bergbauMeldung) {
        switch (s.bergbaumeldung) {
            case 1:
                t.Text(100, 176, GameText("  Asteroidenbeschleuniger platziert~"));
                t.Text(100, 192, GameText("             Geld +                ~"));
                t.Var(442, 192, 250);
                break;
            case 2: t.Text(16, 176, GameText("Asteroidenbeschleuniger ist bereits platziert~")); break;
            case 3: t.Text(100, 176, GameText("Kein Asteroidenbeschleuniger vorhanden~")); break;
            default: break;
        }
    }
    if (s.picture.missionsMeldung) t.Text(100, 224, GameText("  Auftrag erfuellt, Sektor gesaeubert~"));
}

}  // namespace

void drawPanel(Platform& p, const Assets& assets) {
    p.blit(768, 0, assets.bitmap[lpVordergrund], {0, 0, 256, 768}, false);
}

const GameText& reputationWord(int ranking) {
    const GameText* word = &kRuf[0].word;
    for (const Ruf& r : kRuf) {
        if (ranking > r.above) word = &r.word;
    }
    return *word;
}

const GameText* solBodyName(int p, int m) {
    const auto& names = solNames();
    if (p < 0 || p >= static_cast<int>(names.size())) return nullptr;
    if (m < 0 || m >= static_cast<int>(names[p].size())) return nullptr;
    return &names[p][m];
}

void drawCockpit(Platform& p, const Assets& assets, const GameState& s) {
    instruments(p, assets, s);
    TextLayer text(p, assets.zeichensatz);
    readings(text, s);
    messages(text, s);
}

void drawClosingMessages(Platform& p, const Assets& assets, const GameState& s) {
    TextLayer text(p, assets.zeichensatz);
    if (s.picture.gameOverMeldung) {
        text.Text(100, 176, GameText("         G A M E   O V E R         ~"));
        text.Text(100, 192, GameText("     Neues Spiel startet jetzt!    ~"));
    }
    if (s.ausserhalb) {
        text.Text(60, 20, GameText("Du bist ausserhalb des Asteroidenfeldes.~"));
        text.Text(60, 36, GameText("Hier gibt es nichts interessantes mehr. ~"));
        text.Text(60, 52, GameText("     Fliege besser wieder zurueck!      ~"));
    }
    if (s.hintFrames > 0) {
        text.Text(32, 700, GameText("F8 : Spiel beenden und Spielanleitung lesen~"));
    }
}
