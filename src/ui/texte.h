#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mo_catalogue.h"
#include "world/texts.h"

// The texts of the language the game speaks, row by row: German, the
// game's own, or a catalogue's translations once the catalogue has passed
// its check.
class Texte {
public:
    static Texte deutsch();

    // The catalogue's texts, if it passes pruefeKatalog; otherwise nothing.
    static std::optional<Texte> aus(const MoCatalogue& katalog);

    // The rows of a text; an empty row is a step down with nothing drawn.
    std::span<const std::string> zeilen(TextId id) const { return zeilen_[static_cast<std::size_t>(id)]; }

    // A text of one row.
    std::string_view operator[](TextId id) const { return zeilen(id).front(); }

private:
    std::array<std::vector<std::string>, kTextAnzahl> zeilen_;
};

// Whether a catalogue may stand for German: every text has its
// translation, in the font's characters, within the rows and cells of its
// place, covering what it must cover, with the placeholders the German one
// has, ending with a row of text. The problems, one per line; none when
// the catalogue is fit.
std::vector<std::string> pruefeKatalog(const MoCatalogue& katalog);

// How many cells a row takes on the screen ("%c%c" stands for two).
int zellen(std::string_view zeile);

// The rows of a text.
std::vector<std::string> inZeilen(std::string_view text);
