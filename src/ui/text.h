#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "world/game_text.h"

// Text on the back buffer, one 16 x 16 cell of the font bitmap per
// character: codes 32..63 in the font's first row, 64..95 in the second,
// 96..127 in the third. Cells are copied opaque, so a blank erases.
class TextLayer {
public:
    TextLayer(platform::Platform& p, platform::SurfaceId zeichensatz) : p_(p), font_(zeichensatz) {}

    // The glyph of code z with its top-left corner at (x, y); only inside
    // 0 < x < 1008 and 0 < y < 752. Always true.
    bool Zeichen(int x, int y, int z);

    // A game text, left-aligned, one cell per byte; ends at the first byte
    // of 125 or more ('~'), after 80 bytes at the latest.
    void Text(int x, int y, const GameText& c);

    // v mod 100000 in decimal, right-aligned: the last digit's cell at x.
    void Var(int x, int y, std::uint32_t v);

    // Blanks the right-hand panel, x 776..1015, y 8..759.
    void Cls();

private:
    platform::Platform& p_;
    platform::SurfaceId font_;
};
