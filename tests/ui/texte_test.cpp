// The catalogues: the check a catalogue must pass before the game speaks its
// language, run over slips a translator makes; the choice of the language
// from the desktop's variables; and every catalogue of the repository.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>

#include "app/language_choice.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"
#include "ui/texte.h"

namespace {

std::string poString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '"' || c == '\\') out += std::string("\\") + c;
        else out += c;
    }
    return out + "\"";
}

// A catalogue that passes: German for every text, each row cut to its place.
std::map<std::string, std::string> fittingTranslations() {
    std::map<std::string, std::string> t;
    for (const Eintrag& e : alleTexte()) {
        const std::vector<std::string> rows = inZeilen(e.deutsch);
        std::string text;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i > 0) text += '\n';
            const std::size_t placeholders = rows[i].size() - static_cast<std::size_t>(zellen(rows[i]));
            text += rows[i] == "%s" ? rows[i] : rows[i].substr(0, e.box.breite + placeholders);
        }
        t[std::string(e.deutsch)] = text;
    }
    return t;
}

// Compiles a catalogue with msgfmt, as the build does, and reads it back.
std::optional<MoCatalogue> compile(const std::map<std::string, std::string>& translations) {
    TempWorkDir dir;
    {
        std::ofstream po("t.po");
        po << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
        for (const auto& [de, en] : translations) po << "msgid " << poString(de) << "\nmsgstr " << poString(en) << "\n\n";
    }
    if (std::system("msgfmt -o t.mo t.po") != 0) {
        ADD_FAILURE() << readFile("t.po");
        return std::nullopt;
    }
    return MoCatalogue::parse(readBytes("t.mo"));
}

}  // namespace

TEST(Catalogues, ATranslatorsSlipIsNamedAndTheCatalogueRefused) {
    const auto fitting = fittingTranslations();
    const auto whole = compile(fitting);
    ASSERT_TRUE(whole);
    EXPECT_EQ(pruefeKatalog(*whole), std::vector<std::string>{});
    EXPECT_TRUE(Texte::aus(*whole));

    // A mission text that loses its name row or its target cell.
    const std::string auftrag(eintrag(TextId::Auftrag + 2).deutsch);
    auto ohne = [&](std::string_view platzhalter, const char* statt) {
        std::string t = fitting.at(auftrag);
        return t.replace(t.find(platzhalter), platzhalter.size(), statt);
    };
    struct Slip { std::string german, translation; const char* named; };
    const Slip slips[] = {
        {"Sicht :", "", "has no translation"},
        {"Zielsystem :", "A row sixteen ce", "has a row of 16 cells, its place 15"},
        {"Ziel :", "Zi\xC3\xABl", "outside the font"},
        {"Ziel :", "Ziel}", "outside the font"},
        {"Ziel :", "Ziel ~", "outside the font"},
        {"Deine Passgiere\ngehen von Bord.", "One\ntwo\nthree", "has 3 rows, its place 2"},
        {"Harmlos        ", "Harmless", "must cover 15"},
        {"Ruf beim Gegner", "Rep", "must cover 11"},  // narrower than "Planet/Mond"
        {"Merkur", "M", "must cover 2"},
        {"Ziel :", "Ziel %s", "placeholders"},
        {auftrag, ohne("%s", "Sol"), "placeholders"},
        {auftrag, ohne("%c%c", "A1"), "placeholders"},
    };
    for (const Slip& slip : slips) {
        SCOPED_TRACE(slip.german);
        auto spoilt = fitting;
        spoilt[slip.german] = slip.translation;
        const auto katalog = compile(spoilt);
        ASSERT_TRUE(katalog);
        const auto fehler = pruefeKatalog(*katalog);
        ASSERT_EQ(fehler.size(), 1u) << fehler[0] << " / " << fehler.back();
        EXPECT_NE(fehler[0].find(slip.named), std::string::npos) << fehler[0];
        EXPECT_FALSE(Texte::aus(*katalog));
    }
}

// The desktop's variables as gettext reads them, and the game's choice
// among German and the catalogues it finds.
TEST(Catalogues, TheLanguageFollowsTheDesktop) {
    struct Case { LocaleVariables v; std::vector<std::string> languages; };
    const Case cases[] = {
        {{"", "", "", ""}, {}},
        {{"", "", "", "C.UTF-8"}, {}},
        {{"en", "", "", "C"}, {}},  // LANGUAGE counts only outside the C locale
        {{"", "", "", "en_US.UTF-8"}, {"en"}},
        {{"", "de_DE.UTF-8", "fr_FR", "en_GB"}, {"de"}},
        {{"", "", "fr_FR@euro", "en_GB"}, {"fr"}},
        {{"fr:en_GB", "", "", "de_AT.UTF-8"}, {"fr", "en", "de"}},
        {{"::en", "", "", "POSIX"}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(preferredLanguages(c.v), c.languages) << c.v.language << "|" << c.v.lcAll << "|" << c.v.lang;
    }

    TempWorkDir dir;
    const std::string ordner = (dir.path() / "locale").string();
    std::filesystem::create_directories(ordner + "/en/LC_MESSAGES");
    std::filesystem::copy_file(std::string(DATA_DIR) + "/locale/en/LC_MESSAGES/sternfahrt.mo",
                               ordner + "/en/LC_MESSAGES/sternfahrt.mo");
    EXPECT_EQ(chooseLanguage("", {"", "", "", "en_US.UTF-8"}, ordner).code, "en");
    EXPECT_EQ(chooseLanguage("", {"fr:en", "", "", "fr_FR.UTF-8"}, ordner).code, "en");
    EXPECT_EQ(chooseLanguage("", {"", "", "", "fr_FR.UTF-8"}, ordner).code, "de");
    EXPECT_EQ(chooseLanguage("", {"de:en", "", "", "de_DE.UTF-8"}, ordner).code, "de");
    EXPECT_EQ(chooseLanguage("de", {"", "", "", "en_US.UTF-8"}, ordner).code, "de");
    EXPECT_EQ(chooseLanguage("en", {"", "", "", "de_DE.UTF-8"}, ordner).code, "en");
    EXPECT_EQ(chooseLanguage("en", {}, dir.path().string()).code, "de");  // no catalogue there

    // A catalogue that reads but fails its check (a character outside the
    // font): German, and not the next language either.
    std::string mo = readFile(ordner + "/en/LC_MESSAGES/sternfahrt.mo");
    mo[mo.find("Paused")] = '~';
    std::ofstream(ordner + "/en/LC_MESSAGES/sternfahrt.mo", std::ios::binary | std::ios::trunc) << mo;
    const Sprache spoilt = chooseLanguage("", {"en:de", "", "", "en_US.UTF-8"}, ordner);
    EXPECT_EQ(spoilt.code, "de");
    EXPECT_EQ(spoilt.texte[TextId::System], "System:");
}

// Every catalogue the game is built with passes its check.
TEST(Catalogues, EveryCatalogueOfTheGameFits) {
    std::ifstream linguas(std::string(SOURCE_DIR) + "/po/LINGUAS");
    int catalogues = 0;
    for (std::string lang; std::getline(linguas, lang);) {
        if (lang.empty() || lang[0] == '#') continue;
        SCOPED_TRACE(lang);
        const auto katalog =
            MoCatalogue::parse(readBytes(std::string(DATA_DIR) + "/locale/" + lang + "/LC_MESSAGES/sternfahrt.mo"));
        ASSERT_TRUE(katalog);
        EXPECT_EQ(pruefeKatalog(*katalog), std::vector<std::string>{});
        ++catalogues;
    }
    EXPECT_GE(catalogues, 1);
}

// A compiled catalogue is read whole or not at all: cut short anywhere, or
// with a table pointing outside the file, it is no catalogue.
TEST(Catalogues, AMoFileIsReadWholeOrNotAtAll) {
    const std::vector<std::uint8_t> whole = readBytes(std::string(DATA_DIR) + "/locale/en/LC_MESSAGES/sternfahrt.mo");
    const auto katalog = MoCatalogue::parse(whole);
    ASSERT_TRUE(katalog);
    std::set<std::string_view> deutsch;
    for (const Eintrag& e : alleTexte()) deutsch.insert(e.deutsch);
    EXPECT_EQ(katalog->size(), deutsch.size());
    for (std::size_t length : {std::size_t{0}, std::size_t{27}, std::size_t{28}, whole.size() / 2, whole.size() - 2}) {
        EXPECT_FALSE(MoCatalogue::parse(std::span(whole).first(length))) << length;
    }
    std::vector<std::uint8_t> spoilt = whole;
    spoilt[8] = 0xff;  // far more entries than the file holds
    spoilt[9] = 0xff;
    EXPECT_FALSE(MoCatalogue::parse(spoilt));
    spoilt = whole;
    spoilt[0] ^= 1;  // not the magic number
    EXPECT_FALSE(MoCatalogue::parse(spoilt));
}
