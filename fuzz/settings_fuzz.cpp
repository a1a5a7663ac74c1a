// Feeds arbitrary text to the settings file's reader. Besides crashes and
// undefined behaviour it stops on settings read that the game could not
// use (a number out of its range, a key bound twice, an action without a
// key), and on settings that do not come back the same when written and
// read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/settings_file.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> warnungen;
    const Einstellungen e = parseSettings(std::string_view(reinterpret_cast<const char*>(data), size), warnungen);
    check(e.belegung.gueltig());
    check(e.lautstaerke >= kLautstaerke.min && e.lautstaerke <= kLautstaerke.max);
    check(e.maus >= kMaus.min && e.maus <= kMaus.max);
    check(e.totzone >= kTotzone.min && e.totzone <= kTotzone.max);
    check(e.sprache.empty() || e.sprache == "de" || e.sprache == "en");
    std::vector<std::string> nochmal;
    check(parseSettings(formatSettings(e), nochmal) == e);
    check(nochmal.empty());
    return 0;
}
