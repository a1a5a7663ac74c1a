#include <span>

#include "stations/traffic.h"
#include "ui/station_screens.h"

using namespace station_layout;

namespace {

// The panel written line by line down from the top; an empty line is a
// step of 32 after the line before it.
class Zeilen {
public:
    Zeilen(TextLayer& t) : t_(t) {}
    int y() const { return y_; }
    void setY(int y) { y_ = y; }
    void zeile(const GameText& text) {
        t_.Text(kSpalte, y_, text);
        y_ += kZeile;
    }
    // The text, then its number at the column's end over it: a long number
    // stands over the text's last cells.
    void zeileMitZahl(const GameText& text, std::int32_t zahl) {
        t_.Text(kSpalte, y_, text);
        t_.Var(kZahlenEnde, y_, static_cast<std::uint32_t>(zahl));
        y_ += kZeile;
    }
    void absatz() { y_ += kZeile; }
    void block(std::span<const GameText> texte) {
        for (const GameText& text : texte) zeile(text);
        absatz();
    }

private:
    TextLayer& t_;
    int y_ = 8;
};

constexpr GameText kAngebot0[] = {"Ein paar Tou-~", "risten fragen~", "nach einer Mit-~", "fluggelegenheit~"};
constexpr GameText kAngebot1[] = {"Einige Handels-~", "leute wollen ~", "mit Dir mit-~", "fliegen~"};
constexpr GameText kAngebot2[] = {"Minenarbeiter~", "moechten einen~", "Ausflug machen.~", "Mitnehmen ?~"};
constexpr GameText kAngebot3[] = {"Geschaeftsleute~", "fragen bei Dir~", "nach einer Mit-~", "fluggelegenheit~"};
constexpr GameText kAngebot4[] = {"Soldaten auf ~", "der Rueckkehr~", "vom Urlaub~", "wollen zurueck~"};
constexpr GameText kAngebot5[] = {"Zwielichtige~", "Haendler bitten~", "Dich um ein~", "Flugticket.~"};
constexpr GameText kAngebot6[] = {"Eine gesuchte~", "Raeuberbande~", "sucht einen~", "Unterschlupf~"};
constexpr GameText kAngebot7[] = {"Bewaffnete~", "Volksbefreier~", "suchen neuen~", "Revolutionsort~"};
constexpr GameText kAngebot8[] = {"Eine schoene~", "Prinzessin auf~", "der Flucht~",    "und ein Milch-~",
                                  "gesicht~",      "unterbreiten~",   "Dir ein Angebot~"};
constexpr GameText kAngebot9[] = {"Ein Greis mit~", "brauner Kutte~", "und ein Gruen-~", "schnabel mit~",
                                  "einem Laser-~",  "schwert wollen~", "schnell nach~",  "Adlebaran~"};

constexpr std::span<const GameText> kAngebot[kPassagierarten] = {
    kAngebot0, kAngebot1, kAngebot2, kAngebot3, kAngebot4, kAngebot5, kAngebot6, kAngebot7, kAngebot8, kAngebot9,
};

constexpr GameText kSturz[] = {"Sie stuerzen~",   "den Imperator~", "von Aldebaran~",
                               "und zerstoeren~", "seinen Todes-~", "Stern~"};
constexpr GameText kKrieg[] = {"Der Begleiter~", "der Prinzessin~", "schluepft in~",   "eine schwarze~",
                               "Ruestung mit~",  "Atemgeraet und~", "faengt einen~", "Krieg an!~"};
constexpr GameText kRevolte[] = {"Die Revoluzzer~", "zettlen eine~", "Revolte an.~"};
constexpr GameText kVerhaftung[] = {"Gleich nach~",      "ihrer Ankunft~", "werden die Ver-~", "brecher ver-~",
                                    "haftet. Du als~", "Komplize auch.~", "Kosten fuer~",    "freilassung :~"};

constexpr GameText kMitnehmen[] = {"Verlaesst Du~", "die Station mit~", "der Returntaste,~", "(l. Maustaste)~",
                                   "kommen sie mit.~"};
constexpr GameText kDableiben[] = {"Bei Verlassen~", "der Station mit~", "der Shifttaste,~", "(r. Maustaste)~",
                                   "bleiben sie da.~"};

void ankunft(Zeilen& z, TextLayer& t, const GameState& s) {
    z.zeile(GameText("Deine Passgiere~"));
    z.zeile(GameText("gehen von Bord.~"));
    z.zeileMitZahl(GameText("Einnahmen :~"), s.picture.einnahmenGezeigt);
    z.setY(72);
    switch (s.passagiertyp) {
        case kGreis: z.block(kSturz); break;
        case kPrinzessin: z.block(kKrieg); break;
        case kVolksbefreier: z.block(kRevolte); break;
        case kVerbrecher:
            z.block(kVerhaftung);
            // The bail, set beside the column instead of under the numbers.
            t.Var(kSpalte, z.y(), static_cast<std::uint32_t>(s.picture.einnahmenGezeigt));
            break;
        default: break;
    }
}

void warten(Zeilen& z) {
    z.zeile(GameText("Deine Passgiere~"));
    z.zeile(GameText("haben ihr Ziel~"));
    z.zeile(GameText("noch nicht er-~"));
    z.zeile(GameText("reicht.~"));
    z.absatz();
    z.zeile(GameText("Returntaste od.~"));
    z.zeile(GameText("linke Maustaste~"));
    z.zeile(GameText("- Passagiere   ~"));
    z.zeile(GameText("  rauswerfen!~"));
}

void angebot(Zeilen& z, const GameState& s) {
    z.zeile(s.aktuellerStern().name);
    z.absatz();
    z.zeile(GameText("Verkehrsstation~"));
    z.zeile(GameText("---------------~"));
    z.absatz();
    if (s.passagiere < kPassagierarten) z.block(kAngebot[s.passagiere]);
    z.zeile(GameText("Ziel :~"));
    z.zeile(s.sternAt(s.pziel).name);
    z.absatz();
    z.zeile(GameText("Sie bieten~"));
    z.zeileMitZahl(GameText("Dir :~"), fahrpreis(s.passagiere));
    z.absatz();
    z.block(kMitnehmen);
    for (const GameText& text : kDableiben) z.zeile(text);
}

}  // namespace

void drawTrafficScreen(TextLayer& t, const GameState& s) {
    Zeilen z(t);
    if (s.passagierevonbord) ankunft(z, t, s);
    if (s.passagiertyp != kKeinePassagiere && !s.passagierevonbord) warten(z);
    if (angebotSichtbar(s)) angebot(z, s);
}
