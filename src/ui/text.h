#pragma once

#include <cstdint>
#include <string_view>

#include "platform/platform.h"
#include "ui/texte.h"

// Text on the back buffer, one 16 x 16 cell of the font bitmap per
// character: codes 32..63 in the font's first row, 64..95 in the second,
// 96..127 in the third. Cells are copied opaque, so a blank erases.
class TextLayer {
public:
    TextLayer(platform::Platform& p, platform::SurfaceId zeichensatz, const Texte& texte)
        : p_(p), font_(zeichensatz), texte_(texte) {}

    // The glyph of code z with its top-left corner at (x, y); only inside
    // 0 < x < 1008 and 0 < y < 752. Always true.
    bool Zeichen(int x, int y, int z);

    // Characters left-aligned, one cell each, up to the first byte of 125
    // or more and at most 80.
    void Text(int x, int y, std::string_view c);

    // A text of the game's language; of a text of several rows, the first.
    void Text(int x, int y, TextId id) { Text(x, y, texte_[id]); }

    // A text's rows one under the other from y, 16 pixels apart; an empty
    // row is only a step down. Returns the y of the row under its last.
    int Zeilen(int x, int y, TextId id);

    // v mod 100000 in decimal, right-aligned: the last digit's cell at x.
    void Var(int x, int y, std::uint32_t v);

    // Blanks the right-hand panel, x 776..1015, y 8..759.
    void Cls();

    const Texte& texte() const { return texte_; }

private:
    platform::Platform& p_;
    platform::SurfaceId font_;
    const Texte& texte_;
};

// Fifteen blanks: a row of the panel, erased.
inline constexpr std::string_view kLeereZeile = "               ";
