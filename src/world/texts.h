#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Every text the player reads, by name. The German words are the game's
// own and the key of every other language's catalogue (po/); they are
// written here in German, marked with N_ so that xgettext finds them.
//
// A text is one or more rows of the font's 7-bit characters, separated by
// '\n'; an empty row is a step down with nothing drawn. Two placeholders
// stand for what the code draws itself: a row that is "%s" is the system's
// name, and "%c%c" marks the two cells of a mission's target cell.
#define N_(text) text

enum class TextId : std::uint16_t {
    // --- the cockpit
    System, Feindentfernung, PlanetMond, RufBeimGegner, GeldCockpit, Passagiere, Ziel, KeinePassagiere, Sicht,
    BeuteMeldung, BeschleunigerPlatziert, BeschleunigerSchonDa, KeinBeschleuniger, AuftragErfuellt, GameOver,
    Ausserhalb, StartHinweis,
    // --- the stations
    StationVerlassen, PreiseFuerWaren, LadungAnBord, Ladung, Geld, Ausruestung, Kanone, ImAngebot,
    KanonenImAngebot, PassagiereGehenVonBord, Einnahmen, PassagiereWarten, SieBietenDir, Mitnehmen, Dableiben,
    // --- the star map
    Standort, Passagierziel, KeinPassagierziel, Zielsystem, Typ, Sternenbild, Planeten, Regierung, Wirtschaft,
    Einwohner, Milliarden,
    // --- the options menu
    MenuTitel, SpielBeenden, ZurueckZumSpiel, AutoLaden, EinstellungenZeile,
    // --- the pause, the settings screen, and what keeping them may say
    Pause, EinstellungenTitel, Ja, Nein, Vollbild, Fenster, TasteDruecken, SchonBelegt, TauschenFrage, Getauscht,
    EinstellungenHilfe, EinstellungenNichtGesichert, AutosaveFehlgeschlagen,

    // --- groups of texts, each in the order of what it names
    Speichern,                                // save to slot 1..4
    Laden = Speichern + 4,                    // load slot 1..4
    MenuMeldung = Laden + 4,                  // what went wrong, by MenuMeldung 1..4
    Ware = MenuMeldung + 4,                   // the sixteen goods
    Sternentyp = Ware + 16,                   // by enum Sternentyp
    Sternbild = Sternentyp + 7,               // by enum Sternbild
    RegierungName = Sternbild + 64,           // governments 0..7
    WirtschaftName = RegierungName + 8,       // economies 0..3, then an unknown one
    Ruf = WirtschaftName + 5,                 // reputation words, weakest first
    Passagierwort = Ruf + 8,                  // the cockpit's word for each passenger kind
    Angebot = Passagierwort + 10,             // the traffic station's offer of each kind
    Geschichte = Angebot + 10,                // arrival stories: overthrow, war, revolt, arrest
    Auftrag = Geschichte + 4,                 // the combat station's text by government 0..7
    SolKoerper = Auftrag + 8,                 // Sol's planets and moons, planet by planet
    Werftangebot = SolKoerper + 33,           // the shipyard's thirteen offers
    Ausruestungszeile = Werftangebot + 13,    // the shipyard's list of what is fitted
    Kanonenname = Ausruestungszeile + 9,      // no gun, then guns 1..4
    Stationstitel = Kanonenname + 5,          // by station kind
    Stationsbuchstabe = Stationstitel + 4,    // the cockpit's letter of each kind
    Einstellung = Stationsbuchstabe + 4,      // the settings screen's rows, by Einstellungszeile
    Aktionsname = Einstellung + 11,           // the actions, by enum Aktion
    Schild = Aktionsname + 21,                // the words on the cockpit's plates, by kSchilder
    Fotomeldung = Schild + 4,                 // the screenshot key's messages, by fotomeldung 1..4
    Aufloesung = Fotomeldung + 4,             // the settings screen's words, by enum Aufloesung
    Anzahl = Aufloesung + 3,
};

constexpr int kTextAnzahl = static_cast<int>(TextId::Anzahl);

// The n-th text of a group.
constexpr TextId operator+(TextId gruppe, int n) {
    return static_cast<TextId>(static_cast<int>(gruppe) + n);
}

// Where a text stands decides how much of it fits: at most `breite` cells
// in a row and `zeilen` rows; a text drawn over another one to hide it has
// every row at least `mindestens` cells wide, or at least as wide as the
// first row of the text it covers (`deckt`).
struct TextBox {
    std::uint8_t breite = 15;
    std::uint8_t zeilen = 1;
    std::uint8_t mindestens = 0;
    TextId deckt = TextId::Anzahl;  // Anzahl: none
};

struct Eintrag {
    TextId id;            // its name; Anzahl for the next member of a group
    TextBox box;
    std::string_view deutsch;
};

// All texts in the order of their names.
std::span<const Eintrag> alleTexte();
const Eintrag& eintrag(TextId id);
