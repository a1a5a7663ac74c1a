#include "ui/text.h"

namespace {
constexpr int kZelle = 16;
constexpr int kMaxZeichen = 80;
}  // namespace

bool TextLayer::Zeichen(int x, int y, int z) {
    if (z < 32 || z >= 128) return true;
    const int row = (z - 32) / 32;
    const int column = (z - 32) % 32;
    if (x > 0 && x < 1008 && y > 0 && y < 752) {
        p_.blit(x, y, font_, {column * kZelle, row * kZelle, kZelle, kZelle}, false);
    }
    return true;
}

void TextLayer::Text(int x, int y, std::string_view c) {
    for (int i = 0; i < kMaxZeichen && i < static_cast<int>(c.size()); ++i) {
        const int b = static_cast<signed char>(c[static_cast<std::size_t>(i)]);
        if (b >= 125) return;
        Zeichen(x + kZelle * i, y, b);
    }
}

int TextLayer::Zeilen(int x, int y, TextId id) {
    for (const std::string& zeile : texte_.zeilen(id)) {
        Text(x, y, zeile);
        y += kZelle;
    }
    return y;
}

void TextLayer::Var(int x, int y, std::uint32_t v) {
    v %= 100000;
    const int d[5] = {static_cast<int>(v / 10000), static_cast<int>(v / 1000 % 10),
                      static_cast<int>(v / 100 % 10), static_cast<int>(v / 10 % 10),
                      static_cast<int>(v % 10)};
    Zeichen(x, y, '0' + d[4]);
    if (d[0] || d[1] || d[2] || d[3]) Zeichen(x - 16, y, '0' + d[3]);
    if (d[0] || d[1] || d[2]) Zeichen(x - 32, y, '0' + d[2]);
    if (d[0] || d[1]) Zeichen(x - 48, y, '0' + d[1]);
    if (d[0]) Zeichen(x - 64, y, '0' + d[0]);
}

void TextLayer::Cls() {
    for (int i = 0; i <= 46; ++i) Text(776, 8 + 16 * i, kLeereZeile);
}
