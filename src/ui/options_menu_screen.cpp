#include "ui/options_menu_screen.h"

#include <optional>

#include "save/options_menu.h"
#include "ui/text.h"

namespace {

constexpr int kSpalte = 100;
// The cursor "->" stands on the two blanks before a row's text; the line
// that ends the game is set in further.
constexpr std::string_view kCursorplatz = "  ";
constexpr std::string_view kFusseinzug = "    ";

// A row's blanks, then its text after them.
void zeile(TextLayer& t, int y, std::string_view einzug, std::optional<TextId> text) {
    t.Text(kSpalte, y, einzug);
    if (text) t.Text(kSpalte + 16 * static_cast<int>(einzug.size()), y, *text);
}

}  // namespace

void drawOptionsMenu(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    TextLayer text(p, assets.zeichensatz, texte);
    if (s.abspeichern) {
        text.Text(kSpalte, kMenuTitelY, TextId::MenuTitel);
        for (std::size_t i = 0; i < kMenuZeilen.size(); ++i) {
            zeile(text, kMenuErsteZeileY + kMenuZeilenhoehe * static_cast<int>(i), kCursorplatz, kMenuZeilen[i].text);
        }
        zeile(text, kMenuFussY, kFusseinzug, TextId::SpielBeenden);
        text.Text(kSpalte, kMenuErsteZeileY + kMenuZeilenhoehe * s.zeig, "->");
    }
    const auto meldung = meldungstext(s.menuMeldung);
    if (s.menuMeldungz > 0 && meldung) text.Text(kSpalte, kMenuMeldungY, *meldung);
}
