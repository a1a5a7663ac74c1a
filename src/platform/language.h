#pragma once

#include <string>
#include <vector>

// The desktop's choice of language, read as gettext reads it: the list in
// LANGUAGE comes first unless the locale is plain C or POSIX; then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. A value such as
// "en_GB.UTF-8@euro" names the language "en".
struct LocaleVariables {
    std::string language, lcAll, lcMessages, lang;
};

LocaleVariables localeVariablesOfProcess();

// The languages asked for, first choice first; none for the C locale.
std::vector<std::string> preferredLanguages(const LocaleVariables& v);
