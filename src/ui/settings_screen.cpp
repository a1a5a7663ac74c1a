#include "ui/settings_screen.h"

#include "ui/cockpit.h"
#include "ui/text.h"

namespace {

constexpr int kSpalte = 100;
constexpr int kName = 132;       // after the cursor's place
constexpr int kWert = 500;
constexpr int kKnopf = 676;      // an action's pad button
constexpr int kTitelY = 72;
constexpr int kErsteY = 104;
constexpr int kZeile = 16;
constexpr int kTastenZellen = 10;
constexpr int kMeldungY = kErsteY + kZeile * kBildreihen + 16;
constexpr int kHilfeY = kMeldungY + 48;

// Each language by its own name, the same in every language.
std::string_view sprachname(const std::string& code) { return code == "en" ? "English" : "Deutsch"; }

// The action's first key, as the layout labels it; a second one is not
// shown (there is no room), but works.
std::string tasten(const platform::Platform& p, const Belegung& b, Aktion a) {
    return p.keyLabel(b.tasten(a)[0]).substr(0, kTastenZellen);
}

void wert(TextLayer& t, int y, const Einstellungen& e, int zeile, const std::string& sprache) {
    auto janein = [&](bool b) { t.Text(kWert, y, b ? TextId::Ja : TextId::Nein); };
    switch (static_cast<Einstellungszeile>(zeile)) {
        case Einstellungszeile::Sprache: t.Text(kWert, y, sprachname(sprache)); break;
        case Einstellungszeile::Bildschirm: t.Text(kWert, y, e.vollbild ? TextId::Vollbild : TextId::Fenster); break;
        case Einstellungszeile::Aufloesung: t.Text(kWert, y, TextId::Aufloesung + static_cast<int>(e.aufloesung)); break;
        case Einstellungszeile::Lautstaerke: t.Var(kWert + 32, y, static_cast<std::uint32_t>(e.lautstaerke)); break;
        case Einstellungszeile::Maus: t.Var(kWert + 32, y, static_cast<std::uint32_t>(e.maus)); break;
        case Einstellungszeile::MausUmkehren: janein(e.mausUmkehren); break;
        case Einstellungszeile::Totzone: t.Var(kWert + 32, y, static_cast<std::uint32_t>(e.totzone)); break;
        case Einstellungszeile::PadUmkehren: janein(e.padUmkehren); break;
        case Einstellungszeile::PauseOhneFokus: janein(e.pauseOhneFokus); break;
        case Einstellungszeile::Anzahl: break;
    }
}

}  // namespace

std::string padLabel(int knopf) {
    switch (knopf) {
        case platform::pad::A: return "A";
        case platform::pad::B: return "B";
        case platform::pad::X: return "X";
        case platform::pad::Y: return "Y";
        case platform::pad::Back: return "Back";
        case platform::pad::Guide: return "Guide";
        case platform::pad::Start: return "Start";
        case platform::pad::LeftStick: return "LS";
        case platform::pad::RightStick: return "RS";
        case platform::pad::LeftShoulder: return "LB";
        case platform::pad::RightShoulder: return "RB";
        case platform::pad::DpadUp: return "D-Up";
        case platform::pad::DpadDown: return "D-Dn";
        case platform::pad::DpadLeft: return "D-Lt";
        case platform::pad::DpadRight: return "D-Rt";
        case platform::pad::LeftTrigger: return "LT";
        case platform::pad::RightTrigger: return "RT";
        case platform::pad::None: return "-";
        default: return std::string("#").append(std::to_string(knopf));
    }
}

void drawSettingsScreen(platform::Platform& p, const Assets& assets, const Texte& texte, const Einstellungen& e,
                        const Einstellungsbild& bild, const std::string& sprache) {
    p.clear(true, 0, true, 1.0f);
    drawPanel(p, assets);
    TextLayer t(p, assets.zeichensatz, texte);
    t.Text(kName, kTitelY, TextId::EinstellungenTitel);
    for (int zeile = 0; zeile < kBildreihen; ++zeile) {
        const int y = kErsteY + kZeile * zeile;
        if (zeile < kEinstellungsreihen) {
            t.Text(kName, y, TextId::Einstellung + zeile);
            wert(t, y, e, zeile, sprache);
        } else if (zeile < kStandardreihe) {
            const auto a = static_cast<Aktion>(zeile - kErsteAktionsreihe);
            t.Text(kName, y, aktionsname(a));
            t.Text(kWert, y, tasten(p, e.belegung, a));
            t.Text(kKnopf, y, padLabel(e.belegung.knopf(a)));
        } else {
            t.Text(kName, y, TextId::Einstellung + (kEinstellungsreihen + zeile - kStandardreihe));
        }
    }
    t.Text(kSpalte, kErsteY + kZeile * bild.zeile, "->");
    if (bild.erfassen) {
        t.Text(kSpalte, kMeldungY, TextId::TasteDruecken);
    } else if (bild.frage) {
        t.Text(kSpalte, kMeldungY, TextId::SchonBelegt);
        t.Text(kSpalte + 16 * 19, kMeldungY, aktionsname(bild.frage->besitzer));
        t.Text(kSpalte, kMeldungY + kZeile, TextId::TauschenFrage);
    } else if (bild.meldung) {
        t.Text(kSpalte, kMeldungY, *bild.meldung);
    }
    t.Zeilen(kSpalte, kHilfeY, TextId::EinstellungenHilfe);
}

void drawPauseSign(platform::Platform& p, const Assets& assets, const Texte& texte) {
    TextLayer t(p, assets.zeichensatz, texte);
    const auto text = texte[TextId::Pause];
    t.Text(384 - 8 * static_cast<int>(text.size()), 376, text);
}
