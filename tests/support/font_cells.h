#pragma once

#include <cstdio>
#include <map>
#include <string>

#include "platform/headless/headless_platform.h"

// The character whose 16 x 16 font cell a recorded copy took.
inline char glyphOf(const platform::HeadlessPlatform::Blit& b) {
    return static_cast<char>(32 + b.sourceRect.y / 16 * 32 + b.sourceRect.x / 16);
}

// The text the traced pictures copied from the font onto row y left of x
// `before`, left to right, the last copy to a cell winning; blanks at the
// end cut.
inline std::string textRow(const platform::HeadlessPlatform& p, platform::SurfaceId font, int y, int before = 1024) {
    std::map<int, char> cells;
    for (const std::string& line : p.shown) {
        platform::HeadlessPlatform::Blit b{};
        if (std::sscanf(line.c_str(), "blit %d %d %d %d %d", &b.x, &b.y, &b.source, &b.sourceRect.x,
                        &b.sourceRect.y) == 5 && b.y == y && b.x < before && b.source == font) {
            cells[b.x] = glyphOf(b);
        }
    }
    std::string out;
    for (const auto& [x, c] : cells) out += c;
    return out.erase(out.find_last_not_of(' ') + 1);
}
