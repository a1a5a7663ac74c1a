#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/keys.h"
#include "world/texts.h"

// What the player does, whatever key or gamepad button does it. The rules
// act on actions; each action sets what its key always set, so the same
// actions work the star map, the stations and the menus: "faster" jumps and
// leaves a station, "slower" chooses and takes passengers, the four turns
// move the cursors.
enum class Aktion : std::uint8_t {
    Schneller, Langsamer, Stopp, Links, Rechts, Hoch, Runter, Geradeaus, Feuer, Rakete, Abwehr, Gigabombe,
    Rueckblick, Scheinwerfer, SichtWeiter, SichtNaeher, Pause, Optionen, Anleitung, Ende, Bildschirmfoto, Anzahl
};
constexpr int kAktionen = static_cast<int>(Aktion::Anzahl);
constexpr int kTastenJeAktion = 2;

// An action's name and its bindings when nothing else is chosen: one or two
// keys (0: none) and a gamepad button; held on a pad, an action that acts
// on every key-down repeats like a held key.
struct Aktionszeile {
    std::array<int, kTastenJeAktion> tasten;
    int knopf;
    bool wiederholt = false;
};

namespace vk = platform::vk;
namespace pad = platform::pad;

inline constexpr std::array<Aktionszeile, kAktionen> kAktionszeilen{{
    {{vk::Shift, vk::RightShift}, pad::RightTrigger, true},  // Schneller
    {{vk::Return, vk::KeypadEnter}, pad::LeftTrigger, true},  // Langsamer
    {{vk::Back, 0}, pad::B},                                  // Stopp
    {{vk::Left, 0}, pad::DpadLeft},
    {{vk::Right, 0}, pad::DpadRight},
    {{vk::Up, 0}, pad::DpadUp},
    {{vk::Down, 0}, pad::DpadDown},
    {{vk::Delete, 0}, pad::RightStick},                       // Geradeaus
    {{vk::Space, 0}, pad::A},                                 // Feuer
    {{vk::F3, 0}, pad::X},                                    // Rakete
    {{vk::F4, 0}, pad::Y},                                    // Abwehr
    {{vk::F5, 0}, pad::RightShoulder},                        // Gigabombe
    {{vk::F1, 0}, pad::LeftShoulder},                         // Rueckblick
    {{vk::F2, 0}, pad::LeftStick},                            // Scheinwerfer
    {{vk::Prior, 0}, pad::None, true},                        // SichtWeiter
    {{vk::Next, 0}, pad::None, true},                         // SichtNaeher
    {{vk::Pause, 0}, pad::Back},
    {{vk::F9, 0}, pad::Start},                                // Optionen
    {{vk::F8, 0}, pad::None},                                 // Anleitung
    {{vk::Escape, 0}, pad::None},                             // Ende
    {{vk::F12, vk::Print}, pad::None},                        // Bildschirmfoto
}};

constexpr TextId aktionsname(Aktion a) { return TextId::Aktionsname + static_cast<int>(a); }

// Which keys and pad buttons stand for which action. A key or button stands
// for one action at most, and every action keeps at least one key.
class Belegung {
public:
    static Belegung standard();

    std::optional<Aktion> aktionDerTaste(int taste) const;
    std::optional<Aktion> aktionDesKnopfs(int knopf) const;
    const std::array<int, kTastenJeAktion>& tasten(Aktion a) const { return tasten_[index(a)]; }
    int knopf(Aktion a) const { return knoepfe_[index(a)]; }

    // Binds a key (or a pad button) to an action, in place of the keys (the
    // button) it had. A key another action has is taken from it only by
    // swapping: that action gets this one's first key (button) instead;
    // without `tauschen` nothing changes.
    enum class Ergebnis { Belegt, Getauscht, Abgelehnt };
    Ergebnis bindeTaste(Aktion a, int taste, bool tauschen);
    Ergebnis bindeKnopf(Aktion a, int knopf, bool tauschen);
    // The action that has a key or button, for asking before a swap.
    std::optional<Aktion> besitzer(int taste, bool knopf) const { return knopf ? aktionDesKnopfs(taste) : aktionDerTaste(taste); }

    // Sets an action's bindings as a settings file names them, unchecked:
    // gueltig() tells afterwards whether the whole fits together.
    void setze(Aktion a, const std::array<int, kTastenJeAktion>& tasten, int knopf);
    // Every key and button at one action at most, every action with a key.
    bool gueltig() const;

    bool operator==(const Belegung&) const = default;

private:
    static std::size_t index(Aktion a) { return static_cast<std::size_t>(a); }
    std::array<std::array<int, kTastenJeAktion>, kAktionen> tasten_{};
    std::array<int, kAktionen> knoepfe_{};
};

// How many pixels the picture is drawn with: at the display's on a
// graphics card and at 1024 x 768 on a software renderer, at the display's,
// or at 1024 x 768 scaled up when shown.
enum class Aufloesung : std::uint8_t { Automatisch, Bildschirm, Original, Anzahl };

// The player's settings, kept in the settings file.
struct Einstellungen {
    std::string sprache;        // "de" or "en"; empty: the desktop's
    bool vollbild = true;
    Aufloesung aufloesung = Aufloesung::Automatisch;
    int lautstaerke = 100;      // the effects, percent
    int maus = 100;             // mouse sensitivity, percent
    bool mausUmkehren = false;  // moving the mouse up pitches the other way
    int totzone = 20;           // of the pad's stick, percent of its way
    bool padUmkehren = false;   // the stick's up and down the other way
    bool pauseOhneFokus = true; // pause when another window takes the keyboard
    Belegung belegung = Belegung::standard();

    bool operator==(const Einstellungen&) const = default;
};

// The ranges of the numbers, and the steps the settings screen takes.
struct Zahlbereich {
    int min, max, schritt;
};
inline constexpr Zahlbereich kLautstaerke{0, 100, 10};
inline constexpr Zahlbereich kMaus{25, 400, 25};
inline constexpr Zahlbereich kTotzone{0, 90, 5};

// The rows of the settings screen: the nine settings, one row for each
// action's bindings, back to the settings a new player has, and back.
enum class Einstellungszeile { Sprache, Bildschirm, Aufloesung, Lautstaerke, Maus, MausUmkehren, Totzone, PadUmkehren,
                               PauseOhneFokus, Anzahl };
constexpr int kEinstellungsreihen = static_cast<int>(Einstellungszeile::Anzahl);
constexpr int kErsteAktionsreihe = kEinstellungsreihen;
constexpr int kStandardreihe = kErsteAktionsreihe + kAktionen;
constexpr int kZurueckreihe = kStandardreihe + 1;
constexpr int kBildreihen = kZurueckreihe + 1;

// The settings screen while it is open: the row of the cursor, whether it
// waits for a key or pad button to bind to the row's action, the swap it
// asks about, and a message with the frames it still shows.
struct Einstellungsbild {
    struct Tausch {
        Aktion aktion;    // the row's action
        int taste;        // the key or button pressed
        bool knopf;       // a pad button, not a key
        Aktion besitzer;  // the action that has it now
    };
    bool offen = false;
    int zeile = 0;
    bool erfassen = false;
    std::optional<Tausch> frage;
    std::optional<TextId> meldung;
    int meldungz = 0;
};
