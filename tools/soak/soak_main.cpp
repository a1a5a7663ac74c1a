// Plays the real game on the headless platform with random input for a
// number of frames and checks after every frame that the state is in range
// (soak/invariants.h). Besides keys, mouse, wheel and buttons, a gamepad's
// buttons, stick and triggers (now and then pulled out) and the window's
// focus, it now and then puts the ship at a station or a gate, brings a
// pirate in, buys or sells equipment, changes the settings, spoils a slot
// file, or saves to a slot (the autosave too) and loads one back: every
// record the game wrote must load and give back what it saved. So docking,
// gates, the star map, combat and the options menu's refusals all come
// round. Most frames only simulate; one block of frames in every thousand
// is drawn too.
//
//   soak [--frames N] [--seed S] [--data DIR]
//
// Exits with 1 and the first broken rules when a frame breaks one.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>

#include "app/app.h"
#include "app/controls.h"
#include "app/settings_screen.h"
#include "platform/headless/headless_platform.h"
#include "save/slot_files.h"
#include "soak/invariants.h"
#include "stations/shipyard.h"

namespace fs = std::filesystem;
namespace vk = platform::vk;
namespace pad = platform::pad;
namespace mouse = platform::mouse;
using platform::Message;

namespace {

// Every key the game knows except Esc and F8, which end it, and the
// screenshot keys, which would fill the user's pictures folder.
constexpr int kTasten[] = {vk::Back,  vk::Return, vk::Shift, vk::Pause, vk::Space, vk::Prior, vk::Next,
                           vk::Left,  vk::Up,     vk::Right, vk::Down,  vk::Delete, vk::F1,   vk::F2,
                           vk::F3,    vk::F4,     vk::F5,    vk::F6,    vk::F7,     vk::F9};

// The pad's buttons with an action of their own (Back pauses, which the
// soak answers at once like the Pause key).
constexpr int kKnoepfe[] = {pad::A, pad::B, pad::X, pad::Y, pad::Back, pad::Start, pad::LeftStick, pad::RightStick,
                            pad::LeftShoulder, pad::RightShoulder, pad::DpadUp, pad::DpadDown, pad::DpadLeft,
                            pad::DpadRight};
constexpr int kAchsen[] = {pad::LeftX, pad::LeftY, pad::TriggerLeft, pad::TriggerRight};

constexpr int kDrawnPerThousand = 100;

class Soak {
public:
    Soak(App& app, std::uint64_t seed) : app_(app), rng_(seed) {}

    // This frame's input: a few key changes, mouse records, and now and
    // then a push towards a mode random input rarely reaches.
    void input(std::int64_t frame) {
        platform::Platform& p = app_.platform;
        if (chance(8)) {
            const int key = kTasten[pick(std::size(kTasten))];
            p.postMessage({chance(2) ? platform::Message::KeyDown : platform::Message::KeyUp, key});
        }
        if (chance(40)) releaseAll();
        if (chance(3)) p.postMouse({mouse::X, static_cast<std::uint32_t>(between(-40, 40)), 0, 0});
        if (chance(3)) p.postMouse({mouse::Y, static_cast<std::uint32_t>(between(-40, 40)), 0, 0});
        if (chance(20)) p.postMouse({mouse::Z, static_cast<std::uint32_t>(between(-1, 1) * 120), 0, 0});
        if (chance(15)) {
            const std::uint32_t button = mouse::Button0 + static_cast<std::uint32_t>(pick(3));
            p.postMouse({button, chance(2) ? mouse::Pressed : 0u, 0, 0});
        }
        if (chance(12)) {
            const int knopf = kKnoepfe[pick(std::size(kKnoepfe))];
            p.postMessage({chance(2) ? Message::PadButtonDown : Message::PadButtonUp, knopf});
        }
        if (chance(4)) p.postMessage({Message::PadAxis, kAchsen[pick(std::size(kAchsen))], between(-32768, 32767)});
        if (chance(300)) p.postMessage({chance(2) ? Message::PadRemoved : Message::PadAdded, 0});
        if (chance(400)) p.postMessage({chance(2) ? Message::FocusLost : Message::FocusGained, 0});
        if (frame % 40 == 39) push();
    }

    // The settings screen, when the options menu opened it, is left after a
    // frame: random keys bound there could end the game.
    void leaveSettings() { app_.einstellungsbild = {}; }

    // Now and then a save to a slot (the autosave too), loaded back at once:
    // it gives back what was saved. And now and then a slot loaded: one the
    // game wrote (here, from its menu or as its autosave) always loads; only
    // what spoilSlot left is refused.
    std::string checkSlots() {
        if (!chance(25)) return {};
        GameState& s = app_.game;
        const int slot = static_cast<int>(pick(kSlotAnzahl + 1));
        const std::string name = "slot " + std::to_string(slot);
        GameState geladen = s;
        if (chance(2)) {
            if (s.gameover > 0) return {};  // a destroyed ship is not saved
            if (slot == kAutoSlot) {
                autosave(app_);
            } else if (save(s, slot, slotDirectory()) != SlotErgebnis::Gelungen) {
                return "saving " + name + " failed";
            }
            if (load(geladen, slot, slotDirectory()) != SlotErgebnis::Gelungen) return name + " just saved does not load";
            if (encodeSpielstand(geladen) != encodeSpielstand(s)) return name + " does not give back what was saved";
            return {};
        }
        std::ifstream in(slotDirectory() / slotFileName(slot), std::ios::binary);
        if (!in) return {};
        const std::string inhalt{std::istreambuf_iterator<char>(in), {}};
        if (verdorben_[slot] == inhalt) return {};
        if (load(geladen, slot, slotDirectory()) != SlotErgebnis::Gelungen) return name + ", written by the game, does not load";
        return {};
    }

private:
    bool chance(int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(rng_) == 0; }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    void releaseAll() {
        for (const int key : kTasten) {
            if (key != vk::Pause) app_.platform.postMessage({platform::Message::KeyUp, key});
        }
    }

    void push() {
        GameState& s = app_.game;
        if (s.render != 0) return;
        // Stations and gates three times as often as the rest.
        constexpr int kWahl[] = {0, 0, 0, 1, 1, 1, 2, 3, 4, 5, 6, 6, 7};
        switch (kWahl[pick(std::size(kWahl))]) {
            case 0: {  // to a station
                const int k = static_cast<int>(pick(kStationSlots));
                if (s.station[k]) {
                    s.x = s.station[k]->pos.x;
                    s.y = s.station[k]->pos.y;
                    s.z = s.station[k]->pos.z;
                }
                break;
            }
            case 1: {  // into a gate
                const std::optional<Gate>* gates[] = {&s.sonnentor, &s.aussentor, &s.planetentor, &s.mondtor,
                                                      &s.sternentor};
                const auto& gate = *gates[pick(std::size(gates))];
                if (gate) {
                    s.x = gate->pos.x;
                    s.y = gate->pos.y;
                    s.z = gate->pos.z;
                }
                break;
            }
            case 2: {  // a pirate in the lowest free slot
                for (auto& slot : s.raumschiff) {
                    if (!slot) {
                        slot.emplace(static_cast<int>(pick(12)) + 1, s.rng);
                        break;
                    }
                }
                break;
            }
            case 3:  // money to spend at the stations
                addIncome(s, between(0, 100000));
                break;
            case 4:  // a slot file spoilt: cut short, lengthened or garbled
                spoilSlot();
                break;
            case 5:  // the pirates give up
                for (auto& slot : s.raumschiff) {
                    if (slot && slot->attacking) slot.reset();
                }
                break;
            case 6:  // the shipyard without docking: buying and selling equipment
                for (int i = 0; i < 5; ++i) {
                    const int zeile = static_cast<int>(pick(kWerftzeilen));
                    if (chance(2)) {
                        werftKauf(s, zeile);
                    } else {
                        werftVerkauf(s, zeile);
                    }
                }
                break;
            case 7:  // another setting
                changeSettings();
                break;
            default:
                break;
        }
    }

    // A setting changed as the settings screen would; the keys that end the
    // game keep their keys, which the soak never presses.
    void changeSettings() {
        Einstellungen& e = app_.einstellungen;
        switch (pick(6)) {
            case 0: e.maus = between(kMaus.min, kMaus.max); break;
            case 1: e.mausUmkehren = !e.mausUmkehren; break;
            case 2: e.totzone = between(kTotzone.min, kTotzone.max); break;
            case 3: e.padUmkehren = !e.padUmkehren; break;
            case 4: e.lautstaerke = between(kLautstaerke.min, kLautstaerke.max); break;
            default: {
                const auto aktion = static_cast<Aktion>(pick(static_cast<int>(Aktion::Anleitung)));
                const int taste = kTasten[pick(std::size(kTasten))];
                const auto besitzer = e.belegung.aktionDerTaste(taste);
                if (besitzer != Aktion::Ende && besitzer != Aktion::Anleitung) e.belegung.bindeTaste(aktion, taste, true);
                break;
            }
        }
        applySettings(app_);
    }

    void spoilSlot() {
        const int slot = static_cast<int>(pick(kSlotAnzahl + 1));
        std::string& inhalt = verdorben_[slot];
        inhalt.clear();
        const int length = between(0, 80);
        for (int i = 0; i < length; ++i) inhalt += static_cast<char>(between(0, 255));
        const fs::path directory = slotDirectory();
        std::error_code ec;
        fs::create_directories(directory, ec);
        std::ofstream(directory / slotFileName(slot), std::ios::binary | std::ios::trunc) << inhalt;
    }

    App& app_;
    std::mt19937_64 rng_;
    std::map<int, std::string> verdorben_;  // what spoilSlot wrote into each slot
};

template <typename T>
bool number(std::string_view text, T& value) {
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc{} && r.ptr == text.data() + text.size();
}

// A working directory of its own, with the data files linked in; the slot
// files written land in it too, as the user's data directory.
fs::path workDirectory(const fs::path& data) {
    const fs::path dir = fs::temp_directory_path() / ("sternfahrt-soak-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(data)) {
        fs::create_symlink(fs::absolute(entry.path()), dir / entry.path().filename());
    }
    return dir;
}

}  // namespace

int main(int argc, char** argv) {
    std::int64_t frames = 20000;
    std::uint64_t seed = 1;
    fs::path data = ".";
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--frames" && hasValue && number(std::string_view(argv[i + 1]), frames)) {
            ++i;
        } else if (a == "--seed" && hasValue && number(std::string_view(argv[i + 1]), seed)) {
            ++i;
        } else if (a == "--data" && hasValue) {
            data = argv[++i];
        } else {
            std::fprintf(stderr, "usage: soak [--frames N] [--seed S] [--data DIR]\n");
            return 2;
        }
    }
    std::error_code ec;
    const fs::path dir = workDirectory(fs::absolute(data, ec));
    fs::current_path(dir);
    ::setenv("XDG_DATA_HOME", dir.c_str(), 1);

    platform::HeadlessPlatform p;
    App app(p);
    std::uint32_t clock = static_cast<std::uint32_t>(seed);
    app.clockSource = [&clock] { return clock += 7919; };
    if (!Init(app)) {
        std::fprintf(stderr, "soak: start-up failed: %s\n", app.ErrStr ? app.ErrStr : "?");
        return 1;
    }
    Soak soak(app, seed);
    int status = 0;
    std::int64_t modes[4] = {};
    std::int64_t frame = 0;
    for (; frame < frames; ++frame) {
        app.drawPictures = frame % 1000 < kDrawnPerThousand;
        soak.leaveSettings();
        soak.input(frame);
        Pass pass;
        do {
            pass = mainLoopPass(app);
            // Paused (by the key, the pad or the focus): the key that pauses
            // now goes on.
            if (pass == Pass::Paused) {
                p.postMessage({platform::Message::KeyDown, app.einstellungen.belegung.tasten(Aktion::Pause)[0]});
            }
        } while (pass == Pass::Message || pass == Pass::Paused);
        if (pass == Pass::Quit) {
            std::fprintf(stderr, "soak: the game ended at frame %lld\n", static_cast<long long>(frame));
            status = 1;
            break;
        }
        p.blits.clear();
        p.draws.clear();
        p.sounds.clear();
        auto broken = checkInvariants(app.game);
        if (const std::string slot = soak.checkSlots(); !slot.empty()) broken.push_back(slot);
        if (app.game.render >= 0 && app.game.render < 4) ++modes[app.game.render];
        if (!broken.empty()) {
            std::fprintf(stderr, "soak: frame %lld (seed %llu) breaks:\n", static_cast<long long>(frame),
                         static_cast<unsigned long long>(seed));
            for (std::size_t i = 0; i < broken.size() && i < 20; ++i) std::fprintf(stderr, "  %s\n", broken[i].c_str());
            status = 1;
            break;
        }
    }
    std::printf("soak: %lld frames, seed %llu: flight %lld, star map %lld, docked %lld, jump %lld%s\n",
                static_cast<long long>(frame), static_cast<unsigned long long>(seed),
                static_cast<long long>(modes[0]), static_cast<long long>(modes[1]),
                static_cast<long long>(modes[2]), static_cast<long long>(modes[3]),
                status == 0 ? "; every frame in range" : "");
    if (!app.cleanedUp) Cleanup(app);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return status;
}
