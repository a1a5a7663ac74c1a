#include "ui/options_menu_screen.h"

#include <array>
#include <optional>

#include "save/options_menu.h"
#include "ui/text.h"

namespace {

constexpr int kSpalte = 100;
constexpr int kErsteZeileY = 164;  // row 0; each row 16 pixels lower
constexpr int kZeilenhoehe = 16;
constexpr std::string_view kCursorplatz = "  ";  // where "->" stands

// Every row of the menu by y: a row the cursor reaches has the two blanks
// of the cursor's place before its text; a blank row only those.
struct Zeile {
    int y;
    std::optional<TextId> text;
    std::string_view einzug = kCursorplatz;
};

// Row 11 at y 340 has nothing drawn on it.
constexpr std::array<Zeile, 13> kZeilen{{
    {100, TextId::MenuTitel, ""},
    {164, TextId::Speichern + 0},
    {180, TextId::Speichern + 1},
    {196, TextId::Speichern + 2},
    {212, TextId::Speichern + 3},
    {228, std::nullopt},
    {244, TextId::Laden + 0},
    {260, TextId::Laden + 1},
    {276, TextId::Laden + 2},
    {292, TextId::Laden + 3},
    {308, std::nullopt},
    {324, TextId::ZurueckZumSpiel},
    {356, TextId::SpielBeenden, "    "},
}};

constexpr int kMeldungY = 388;

}  // namespace

void drawOptionsMenu(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    TextLayer text(p, assets.zeichensatz, texte);
    if (s.abspeichern) {
        for (const Zeile& z : kZeilen) {
            text.Text(kSpalte, z.y, z.einzug);
            if (z.text) text.Text(kSpalte + 16 * static_cast<int>(z.einzug.size()), z.y, *z.text);
        }
        text.Text(kSpalte, kErsteZeileY + kZeilenhoehe * s.zeig, "->");
    }
    if (s.menuMeldungz > 0 && s.menuMeldung > 0 && s.menuMeldung <= 4) {
        text.Text(kSpalte, kMeldungY, TextId::MenuMeldung + (s.menuMeldung - 1));
    }
}
