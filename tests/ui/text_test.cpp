#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "ui/text.h"

namespace {

struct Screen {
    platform::HeadlessPlatform p;
    platform::SurfaceId font = p.createSurface(platform::Image(512, 48, 0xFFFFFF));
    const Texte texte = Texte::deutsch();
    TextLayer text{p, font, texte};

    // The character whose font cell a copy took, or '?' for anything else.
    static char glyph(const platform::HeadlessPlatform::Blit& b) {
        if (b.sourceRect.w != 16 || b.sourceRect.h != 16 || b.colorKey) return '?';
        return glyphOf(b);
    }

    // What was drawn on one line, by cell: "x:char" pairs.
    std::string cells() const {
        std::string out;
        for (const auto& b : p.blits) out += std::to_string(b.x) + ":" + glyph(b) + " ";
        return out;
    }
};

}  // namespace

TEST(Text, StopsAtTheTildeAndSkipsControlBytes) {
    Screen s;
    s.text.Text(776, 8, "System:");
    ASSERT_EQ(s.p.blits.size(), 7u);
    EXPECT_EQ(s.cells(), "776:S 792:y 808:s 824:t 840:e 856:m 872:: ");
    EXPECT_EQ(s.p.blits.back().y, 8);

    s.p.blits.clear();
    s.text.Text(100, 100, "a}b");  // a right brace ends a text too
    EXPECT_EQ(s.cells(), "100:a ");

    s.p.blits.clear();
    s.text.Text(100, 100, "\ta ");  // a tab leaves its cell empty
    EXPECT_EQ(s.cells(), "116:a 132:  ");
}

TEST(Text, CellsOnTheScreenEdgeAreNotDrawn) {
    Screen s;
    s.text.Zeichen(0, 100, 'A');
    s.text.Zeichen(100, 0, 'A');
    s.text.Zeichen(1008, 100, 'A');
    s.text.Zeichen(100, 752, 'A');
    s.text.Zeichen(100, 100, 31);
    s.text.Zeichen(100, 100, 128);
    EXPECT_TRUE(s.p.blits.empty());
    s.text.Zeichen(1007, 751, 'A');
    s.text.Zeichen(50, 50, '~');
    EXPECT_EQ(s.cells(), "1007:A 50:~ ");
    EXPECT_EQ(s.p.blits[0].sourceRect.y, 16);
    EXPECT_EQ(s.p.blits[1].sourceRect.y, 32);
}

