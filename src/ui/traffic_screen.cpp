#include <span>

#include "stations/traffic.h"
#include "ui/station_screens.h"

using namespace station_layout;

namespace {

// The panel written row by row down from the top; after a block of rows
// comes an empty one.
class Zeilen {
public:
    explicit Zeilen(TextLayer& t) : t_(t) {}
    int y() const { return y_; }
    void setY(int y) { y_ = y; }
    void zeile(std::string_view text) {
        t_.Text(kSpalte, y_, text);
        y_ += kZeile;
    }
    void zeile(TextId id) { y_ = t_.Zeilen(kSpalte, y_, id); }
    // The text's rows, then the number at the column's end over its last
    // row: a long number stands over the row's last cells.
    void zeilenMitZahl(TextId id, std::int32_t zahl) {
        zeile(id);
        t_.Var(kZahlenEnde, y_ - kZeile, static_cast<std::uint32_t>(zahl));
    }
    void absatz() { y_ += kZeile; }
    void block(TextId id) {
        zeile(id);
        absatz();
    }

private:
    TextLayer& t_;
    int y_ = 8;
};

void ankunft(Zeilen& z, TextLayer& t, const GameState& s) {
    z.zeile(TextId::PassagiereGehenVonBord);
    z.zeilenMitZahl(TextId::Einnahmen, s.picture.einnahmenGezeigt);
    z.setY(72);
    const Passagiergruppe* gruppe = passagiergruppe(s.passagiertyp);
    if (!gruppe || !gruppe->geschichte) return;
    z.block(gruppe->geschichte->text);
    // The fare that is lost, set beside the column instead of under the numbers.
    if (gruppe->geschichte->fahrpreisVerloren) t.Var(kSpalte, z.y(), static_cast<std::uint32_t>(s.picture.einnahmenGezeigt));
}

void angebot(Zeilen& z, const GameState& s) {
    z.zeile(s.aktuellerStern().name);
    z.absatz();
    z.zeile(stationstitel(kVerkehrsstation));
    z.zeile("---------------");
    z.absatz();
    if (const Passagiergruppe* gruppe = passagiergruppe(s.passagiere)) z.block(gruppe->angebot);
    z.zeile(TextId::Ziel);
    z.zeile(s.sternAt(s.pziel).name);
    z.absatz();
    z.zeilenMitZahl(TextId::SieBietenDir, fahrpreis(s.passagiere));
    z.absatz();
    z.block(TextId::Mitnehmen);
    z.zeile(TextId::Dableiben);
}

}  // namespace

void drawTrafficScreen(TextLayer& t, const GameState& s) {
    Zeilen z(t);
    if (s.passagierevonbord) ankunft(z, t, s);
    if (s.passagiertyp != kKeinePassagiere && !s.passagierevonbord) z.zeile(TextId::PassagiereWarten);
    if (angebotSichtbar(s)) angebot(z, s);
}
