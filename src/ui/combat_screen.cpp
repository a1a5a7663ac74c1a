#include "ui/station_screens.h"

using namespace station_layout;

namespace {

constexpr int kErsteZeile = 88;

// A mission text's placeholders: a row that is the system's name, and the
// two cells of the target cell's letter and digit.
constexpr std::string_view kName = "%s";
constexpr std::string_view kZelle = "%c%c";

}  // namespace

void drawCombatScreen(TextLayer& t, const GameState& s) {
    const Stern& stern = s.aktuellerStern();
    t.Text(kSpalte, 8, stern.name);
    t.Text(kSpalte, 24, stationstitel(kKampfstation));
    t.Text(kSpalte, 40, "============");
    int y = kErsteZeile;
    for (const std::string& zeile : t.texte().zeilen(TextId::Auftrag + regierung(stern))) {
        const std::size_t zelle = zeile.find(kZelle);
        if (zeile == kName) {
            t.Text(kSpalte, y, stern.name);
        } else if (zelle == std::string::npos) {
            t.Text(kSpalte, y, zeile);
        } else {
            // The row with blanks where the cell goes, then its letter and digit.
            std::string ohne = zeile;
            ohne.replace(zelle, kZelle.size(), "  ");
            t.Text(kSpalte, y, ohne);
            const int x = kSpalte + 16 * static_cast<int>(zelle);
            t.Zeichen(x, y, static_cast<int>('A' + s.aufgabeP));
            t.Zeichen(x + 16, y, static_cast<int>('0' + s.aufgabeM));
        }
        y += kZeile;
    }
}
