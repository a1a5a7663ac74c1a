#include "platform/language.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "de_DE.UTF-8@euro" -> "de".
std::string languageOf(const std::string& locale) { return locale.substr(0, locale.find_first_of("_.@")); }

}  // namespace

LocaleVariables localeVariablesOfProcess() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::vector<std::string> preferredLanguages(const LocaleVariables& v) {
    const std::string& locale = !v.lcAll.empty() ? v.lcAll : !v.lcMessages.empty() ? v.lcMessages : v.lang;
    const std::string sprache = languageOf(locale);
    if (sprache.empty() || sprache == "C" || sprache == "POSIX") return {};
    std::vector<std::string> languages;
    for (std::size_t start = 0; start <= v.language.size();) {
        const std::size_t end = std::min(v.language.find(':', start), v.language.size());
        const std::string entry = languageOf(v.language.substr(start, end - start));
        if (!entry.empty()) languages.push_back(entry);
        start = end + 1;
    }
    languages.push_back(sprache);
    return languages;
}
