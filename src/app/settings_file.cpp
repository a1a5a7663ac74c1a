#include "app/settings_file.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/key_names.h"
#include "platform/xdg_dirs.h"
#include "save/slot_files.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kGroessteDatei = 64 * 1024;

constexpr std::string_view kSchluessel[] = {
    "faster", "slower", "stop", "left", "right", "up", "down", "stop-turning", "fire", "missile", "decoy",
    "giga-bomb", "rear-view", "headlight", "view-farther", "view-nearer", "pause", "options", "manual", "quit",
    "screenshot",
};
static_assert(std::size(kSchluessel) == kAktionen);

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<bool> janein(std::string_view v) {
    if (v == "yes" || v == "true" || v == "on") return true;
    if (v == "no" || v == "false" || v == "off") return false;
    return std::nullopt;
}

std::optional<int> zahl(std::string_view v, const Zahlbereich& bereich) {
    int n = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
    if (r.ec != std::errc{} || r.ptr != v.data() + v.size() || n < bereich.min || n > bereich.max) return std::nullopt;
    return n;
}

// "Left Shift, Right Shift": up to two keys; nothing when a name is unknown.
std::optional<std::array<int, kTastenJeAktion>> tasten(std::string_view v) {
    std::array<int, kTastenJeAktion> out{};
    std::size_t n = 0;
    while (!v.empty()) {
        const std::size_t komma = v.find(',');
        const std::string_view name = trim(v.substr(0, komma));
        const int taste = platform::keyFromName(name);
        if (taste == 0 || n == out.size()) return std::nullopt;
        out[n++] = taste;
        v = komma == std::string_view::npos ? std::string_view{} : v.substr(komma + 1);
    }
    if (n == 0) return std::nullopt;
    return out;
}

// The render scale's words, by enum Aufloesung.
constexpr std::array<std::string_view, static_cast<std::size_t>(Aufloesung::Anzahl)> kAufloesungen{"auto", "native",
                                                                                                   "original"};

std::optional<Aktion> aktionNamens(std::string_view name) {
    for (int i = 0; i < kAktionen; ++i) {
        if (kSchluessel[i] == name) return static_cast<Aktion>(i);
    }
    return std::nullopt;
}

// One line "name = value" into the settings; what is wrong with it, or nothing.
std::optional<std::string> setze(Einstellungen& e, std::string_view name, std::string_view wert) {
    auto ja = [&](bool& ziel) -> std::optional<std::string> {
        const auto b = janein(wert);
        if (!b) return "yes or no";
        ziel = *b;
        return std::nullopt;
    };
    auto nummer = [&](int& ziel, const Zahlbereich& bereich) -> std::optional<std::string> {
        const auto n = zahl(wert, bereich);
        if (!n) return "a number " + std::to_string(bereich.min) + ".." + std::to_string(bereich.max);
        ziel = *n;
        return std::nullopt;
    };
    if (name == "language") {
        if (wert != "de" && wert != "en" && wert != "auto") return std::string("de, en or auto");
        e.sprache = wert == "auto" ? "" : std::string(wert);
        return std::nullopt;
    }
    if (name == "fullscreen") return ja(e.vollbild);
    if (name == "render-scale") {
        for (int i = 0; i < static_cast<int>(Aufloesung::Anzahl); ++i) {
            if (wert == kAufloesungen[i]) {
                e.aufloesung = static_cast<Aufloesung>(i);
                return std::nullopt;
            }
        }
        return std::string("auto, native or original");
    }
    if (name == "volume") return nummer(e.lautstaerke, kLautstaerke);
    if (name == "mouse-sensitivity") return nummer(e.maus, kMaus);
    if (name == "invert-mouse-y") return ja(e.mausUmkehren);
    if (name == "pad-dead-zone") return nummer(e.totzone, kTotzone);
    if (name == "invert-pad-y") return ja(e.padUmkehren);
    if (name == "pause-on-focus-loss") return ja(e.pauseOhneFokus);
    const bool taste = name.substr(0, 4) == "key.";
    const bool knopf = name.substr(0, 4) == "pad.";
    const auto aktion = (taste || knopf) ? aktionNamens(name.substr(4)) : std::nullopt;
    if (!aktion) return std::string("no such setting");
    Belegung& b = e.belegung;
    if (taste) {
        const auto t = tasten(wert);
        if (!t) return std::string("one or two key names, such as Left Shift, Right Shift");
        b.setze(*aktion, *t, b.knopf(*aktion));
    } else {
        const int k = wert == "none" ? platform::pad::None : platform::padButtonFromName(wert);
        if (k == platform::pad::None && wert != "none") return std::string("a gamepad button, such as a or lefttrigger, or none");
        b.setze(*aktion, b.tasten(*aktion), k);
    }
    return std::nullopt;
}

}  // namespace

std::string_view aktionsSchluessel(Aktion a) { return kSchluessel[static_cast<std::size_t>(a)]; }

fs::path settingsFile() {
    const fs::path home = platform::xdgConfigHome();
    return home.empty() ? home : home / "sternfahrt" / "sternfahrt.conf";
}

Einstellungen parseSettings(std::string_view text, std::vector<std::string>& warnungen) {
    Einstellungen e;
    int zeile = 0;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view line = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
        ++zeile;
        line = trim(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const std::size_t gleich = line.find('=');
        const std::string_view name = trim(line.substr(0, gleich));
        const std::optional<std::string> fehler =
            gleich == std::string_view::npos ? std::optional<std::string>("not \"name = value\"")
                                              : setze(e, name, trim(line.substr(gleich + 1)));
        if (fehler) warnungen.push_back("line " + std::to_string(zeile) + ": " + std::string(name) + ": " + *fehler);
    }
    if (!e.belegung.gueltig()) {
        warnungen.push_back("the keys bind one key twice or leave an action without one; all keys as at first");
        e.belegung = Belegung::standard();
    }
    return e;
}

std::string formatSettings(const Einstellungen& e) {
    auto janein = [](bool b) { return b ? "yes" : "no"; };
    char line[160];
    std::string out =
        "# Sternfahrt's settings, written by the game whenever one changes. Each line is\n"
        "# \"name = value\"; a '#' starts a comment. A line the game cannot read keeps that\n"
        "# setting as a new player has it; delete the file for all of them.\n";
    auto add = [&](const char* name, const std::string& wert, const char* kommentar) {
        std::snprintf(line, sizeof line, "%-28s # %s\n", (std::string(name) + " = " + wert).c_str(), kommentar);
        out += line;
    };
    add("language", e.sprache.empty() ? "auto" : e.sprache, "de, en, or auto for the desktop's");
    add("fullscreen", janein(e.vollbild), "yes: full screen, no: a window");
    add("render-scale", std::string(kAufloesungen[static_cast<std::size_t>(e.aufloesung)]),
        "auto, native (the display's pixels), original (1024 x 768)");
    add("volume", std::to_string(e.lautstaerke), "sound effects, 0..100 percent");
    add("mouse-sensitivity", std::to_string(e.maus), "25..400 percent");
    add("invert-mouse-y", janein(e.mausUmkehren), "yes: the mouse pitches the other way");
    add("pad-dead-zone", std::to_string(e.totzone), "of the gamepad stick's way, 0..90 percent");
    add("invert-pad-y", janein(e.padUmkehren), "yes: the stick pitches the other way");
    add("pause-on-focus-loss", janein(e.pauseOhneFokus), "yes: pause when another window is chosen");
    out += "# The keys by their place on the keyboard (named as on an American one), one or\n"
           "# two for each action; the gamepad's buttons as SDL names them (a, b, x, y, back,\n"
           "# start, leftstick, rightstick, leftshoulder, rightshoulder, dpup, dpdown, dpleft,\n"
           "# dpright, lefttrigger, righttrigger) or none.\n";
    for (int i = 0; i < kAktionen; ++i) {
        const auto a = static_cast<Aktion>(i);
        std::string keys;
        for (const int t : e.belegung.tasten(a)) {
            if (t == 0) continue;
            if (!keys.empty()) keys += ", ";
            keys += platform::keyName(t);
        }
        const int k = e.belegung.knopf(a);
        out += "key." + std::string(kSchluessel[i]) + " = " + keys + "\n";
        out += "pad." + std::string(kSchluessel[i]) + " = " + (k == platform::pad::None ? "none" : platform::padButtonName(k)) + "\n";
    }
    return out;
}

Einstellungen loadSettings(const fs::path& file) {
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (ec || status.type() == fs::file_type::not_found) return {};
    auto uebergehen = [&](const char* warum) {
        std::fprintf(stderr, "sternfahrt: %s %s; the settings are as at first\n", file.c_str(), warum);
        return Einstellungen{};
    };
    if (status.type() != fs::file_type::regular) return uebergehen("is not a file");
    if (fs::file_size(file, ec) > kGroessteDatei || ec) return uebergehen("is larger than any settings file");
    std::ifstream in(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    if (!in.is_open() || in.bad()) return uebergehen("cannot be read");
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 && b != '\n' && b != '\r' && b != '\t') return uebergehen("is not text");
    }
    std::vector<std::string> warnungen;
    Einstellungen e = parseSettings(text, warnungen);
    for (const std::string& w : warnungen) std::fprintf(stderr, "sternfahrt: %s, %s\n", file.c_str(), w.c_str());
    return e;
}

bool saveSettings(const Einstellungen& e, const fs::path& file) {
    const std::string text = formatSettings(e);
    return writeFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}
