#pragma once

#include <string>
#include <string_view>

#include "platform/language.h"
#include "ui/texte.h"

// The language the game speaks and its texts.
struct Sprache {
    std::string code = "de";
    Texte texte = Texte::deutsch();
};

// Chooses the language: the one asked for (--lang), or else the first of
// the desktop's languages that is German or has a catalogue in
// `katalogOrdner` (LANG/LC_MESSAGES/sternfahrt.mo); German when none has.
// A catalogue that cannot be read or fails its check is not used: the game
// speaks German and says why on stderr.
Sprache chooseLanguage(std::string_view gewuenscht, const LocaleVariables& desktop, const std::string& katalogOrdner);

// The languages the game knows: German and those of the catalogues it was
// built with.
bool knownLanguage(std::string_view code);

// Where the compiled catalogues are, by language: in the data directory.
std::string catalogueDirectory();
