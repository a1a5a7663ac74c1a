#include "app/language_choice.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/data_files.h"

namespace {

constexpr std::string_view kDeutsch = "de";
constexpr std::string_view kSprachen[] = {"de", "en"};

std::string katalogDatei(const std::string& ordner, std::string_view sprache) {
    return ordner + "/" + std::string(sprache) + "/LC_MESSAGES/sternfahrt.mo";
}

// The texts of a catalogue file; nothing (and a word why) when it is not
// there, cannot be read or does not pass its check.
std::optional<Texte> ausDatei(const std::string& datei, bool& vorhanden) {
    std::ifstream in(datei, std::ios::binary);
    vorhanden = in.is_open();
    if (!vorhanden) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto katalog = in.bad() ? std::nullopt : MoCatalogue::parse(bytes);
    if (!katalog) {
        std::fprintf(stderr, "sternfahrt: %s is not a catalogue the game can read; the game speaks German\n",
                     datei.c_str());
        return std::nullopt;
    }
    const std::vector<std::string> fehler = pruefeKatalog(*katalog);
    if (!fehler.empty()) {
        std::fprintf(stderr, "sternfahrt: %s does not fit the game (%zu problems, the first: %s); the game speaks German\n",
                     datei.c_str(), fehler.size(), fehler.front().c_str());
        return std::nullopt;
    }
    return Texte::aus(*katalog);
}

}  // namespace

std::string catalogueDirectory() { return platform::dataFile("locale"); }

bool knownLanguage(std::string_view code) {
    for (const std::string_view s : kSprachen) {
        if (s == code) return true;
    }
    return false;
}

Sprache chooseLanguage(std::string_view gewuenscht, const LocaleVariables& desktop, const std::string& katalogOrdner) {
    std::vector<std::string> wahl;
    if (!gewuenscht.empty()) {
        wahl.emplace_back(gewuenscht);
    } else {
        wahl = preferredLanguages(desktop);
    }
    for (const std::string& sprache : wahl) {
        if (sprache == kDeutsch) return {};
        bool vorhanden = false;
        auto texte = ausDatei(katalogDatei(katalogOrdner, sprache), vorhanden);
        if (texte) return {sprache, std::move(*texte)};
        if (vorhanden) return {};  // a spoilt catalogue: German, not the next choice
        if (!gewuenscht.empty()) {
            std::fprintf(stderr, "sternfahrt: no catalogue for '%s' in %s; the game speaks German\n", sprache.c_str(),
                         katalogOrdner.c_str());
        }
    }
    return {};
}
