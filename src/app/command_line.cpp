#include "app/command_line.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "app/language_choice.h"

namespace {

// One row an option: its name, the name of its value (or none), what it
// does, and how it is taken.
struct Option {
    const char* name;
    const char* value;
    const char* help;
    bool (*take)(CommandLine& line, const char* value);
};

bool frameCount(CommandLine& s, const char* v) {
    char* end = nullptr;
    const long long n = std::strtoll(v, &end, 10);
    s.frames = n;
    return *v != '\0' && *end == '\0' && n >= 0;
}

constexpr Option kOptions[] = {
    {"--window", nullptr, "play in a resizable window instead of full screen",
     [](CommandLine& s, const char*) { return s.windowed = true; }},
    {"--lang", "de|en", "speak German or English, not the desktop's language",
     [](CommandLine& s, const char* v) { return knownLanguage(s.lang = v); }},
    {"--render-scale", "native|original",
     "draw the picture at the pixels it is shown with, or at 1024 x 768 scaled when shown (by default native "
     "on a graphics card, original on a software renderer)",
     [](CommandLine& s, const char* v) {
         const std::string_view w = v;
         s.scale = w == "native" ? Aufloesung::Bildschirm : Aufloesung::Original;
         return w == "native" || w == "original";
     }},
    {"--data", "DIR", "read the data files from DIR",
     [](CommandLine& s, const char* v) { return !(s.data = v).empty(); }},
    {"--script", "FILE", "play the input recorded in FILE (for automated runs)",
     [](CommandLine& s, const char* v) { return !(s.script = v).empty(); }},
    {"--frames", "N", "end the game after N frames (for automated runs)", frameCount},
    {"--help", nullptr, "show this help and end", [](CommandLine& s, const char*) { return s.help = true; }},
    {"--version", nullptr, "show the version and end", [](CommandLine& s, const char*) { return s.version = true; }},
};

}  // namespace

bool readCommandLine(int argc, const char* const* argv, CommandLine& line, std::string& bad) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const Option* option = nullptr;
        for (const Option& o : kOptions) {
            if (arg == o.name) option = &o;
        }
        const char* value = option && option->value ? (i + 1 < argc ? argv[++i] : nullptr) : "";
        if (!option || !value || !option->take(line, value)) {
            bad = argv[i];
            return false;
        }
    }
    return true;
}

std::string usage() {
    std::string text = "usage: sternfahrt";
    for (const Option& o : kOptions) text += std::string(" [") + o.name + (o.value ? std::string(" ") + o.value : "") + "]";
    return text + "\n";
}

std::string optionsHelp() {
    std::string text;
    for (const Option& o : kOptions) {
        std::string left = std::string("  ") + o.name + (o.value ? std::string(" ") + o.value : "");
        left.resize(std::max<std::size_t>(left.size() + 2, 18), ' ');
        text += left + o.help + "\n";
    }
    return text;
}
