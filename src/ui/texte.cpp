#include "ui/texte.h"

#include <algorithm>

namespace {

constexpr std::string_view kName = "%s";
constexpr std::string_view kZelle = "%c%c";

// The font draws codes 32..124; 125 and above end a text.
bool imZeichensatz(char c) { return c >= 32 && c < 125; }

int anzahl(std::string_view text, std::string_view was) {
    int n = 0;
    for (std::size_t at = text.find(was); at != std::string_view::npos; at = text.find(was, at + was.size())) ++n;
    return n;
}

int namenszeilen(const std::vector<std::string>& zeilen) {
    return static_cast<int>(std::count(zeilen.begin(), zeilen.end(), kName));
}

// What is wrong with one translation of a German text, or nothing.
std::string fehlerIn(const Eintrag& e, std::string_view uebersetzung, const MoCatalogue& katalog) {
    if (uebersetzung.empty()) return "has no translation";
    for (const char c : uebersetzung) {
        if (c != '\n' && !imZeichensatz(c)) return "holds a character outside the font";
    }
    const std::vector<std::string> zeilen = inZeilen(uebersetzung);
    const std::vector<std::string> deutsch = inZeilen(e.deutsch);
    if (zeilen.size() > e.box.zeilen) {
        return "has " + std::to_string(zeilen.size()) + " rows, its place " + std::to_string(e.box.zeilen);
    }
    if (zeilen.back().empty()) return "ends with an empty row";
    if (namenszeilen(zeilen) != namenszeilen(deutsch) || anzahl(uebersetzung, kName) != namenszeilen(zeilen) ||
        anzahl(uebersetzung, kZelle) != anzahl(e.deutsch, kZelle) ||
        anzahl(uebersetzung, "%") != anzahl(uebersetzung, kName) + 2 * anzahl(uebersetzung, kZelle)) {
        return "does not keep the placeholders of the German text (a row \"%s\", \"%c%c\")";
    }
    int mindestens = e.box.mindestens;
    if (e.box.deckt != TextId::Anzahl) {
        if (const std::string* gedeckt = katalog.find(eintrag(e.box.deckt).deutsch)) {
            mindestens = std::max(mindestens, zellen(inZeilen(*gedeckt).front()));
        }
    }
    for (const std::string& zeile : zeilen) {
        if (zeile == kName || zeile.empty()) continue;
        const int breite = zellen(zeile);
        if (breite > e.box.breite) {
            return "has a row of " + std::to_string(breite) + " cells, its place " + std::to_string(e.box.breite) +
                   ": \"" + zeile + "\"";
        }
        if (breite < mindestens) {
            return "has a row of " + std::to_string(breite) + " cells, it must cover " + std::to_string(mindestens);
        }
    }
    return {};
}

}  // namespace

int zellen(std::string_view zeile) { return static_cast<int>(zeile.size()) - 2 * anzahl(zeile, kZelle); }

std::vector<std::string> inZeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        zeilen.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return zeilen;
        start = end + 1;
    }
}

Texte Texte::deutsch() {
    Texte t;
    for (std::size_t i = 0; i < alleTexte().size(); ++i) t.zeilen_[i] = inZeilen(alleTexte()[i].deutsch);
    return t;
}

std::optional<Texte> Texte::aus(const MoCatalogue& katalog) {
    if (!pruefeKatalog(katalog).empty()) return std::nullopt;
    Texte t;
    for (std::size_t i = 0; i < alleTexte().size(); ++i) t.zeilen_[i] = inZeilen(*katalog.find(alleTexte()[i].deutsch));
    return t;
}

std::vector<std::string> pruefeKatalog(const MoCatalogue& katalog) {
    std::vector<std::string> fehler;
    for (const Eintrag& e : alleTexte()) {
        const std::string* uebersetzung = katalog.find(e.deutsch);
        const std::string problem = fehlerIn(e, uebersetzung ? std::string_view(*uebersetzung) : "", katalog);
        if (!problem.empty()) fehler.push_back("\"" + inZeilen(e.deutsch).front() + "\" " + problem);
    }
    return fehler;
}
