#include "app/controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/screenshot.h"
#include "app/settings_screen.h"
#include "platform/device_setup.h"
#include "platform/error_texts.h"
#include "save/options_menu.h"
#include "save/slot_files.h"

namespace {

using namespace platform;

constexpr float kSpeedStep = 4.5f;
constexpr float kKeyRate = 0.03f;
constexpr float kMouseRate = 0.0003f;
constexpr float kSightStep = 500.0f;
constexpr float kSightMin = 500.0f;
constexpr float kSightMax = 40000.0f;
constexpr int kSightShowFrames = 50;
constexpr int kMouseThreshold = 5;

// A trigger counts as pressed past half its way and as released under a
// quarter, so that a trembling finger does not flicker it.
constexpr int kAbzugDrueckt = 16384, kAbzugLos = 8192;
constexpr float kAchseVoll = 32767.0f;
// A held pad button repeats its action like a held key: after half a
// second, then thirty times a second (frames at 60 a second).
constexpr int kPadVerzoegerung = 30, kPadAbstand = 2;
constexpr int kAutosaveMeldungFrames = 120;

bool steering(const GameState& s) { return s.abspeichern == 0; }  // the options menu takes the arrows

// The game ends as asked, its state kept in the autosave first.
void beenden(App& app) {
    autosave(app, true);
    app.endeGesichert = true;
    app.platform.destroyWindow();
}

void anleitungOeffnen(App& app) {
    // The manual opens in the user's viewer; without one the game still ends
    // as asked, and says where the manual is.
    const std::string anleitung = manualFile(app);
    if (!app.platform.openDocument(anleitung)) {
        std::error_code ec;
        const std::filesystem::path path = std::filesystem::absolute(anleitung, ec);
        std::fprintf(stderr, "sternfahrt: no viewer could be started; the manual is %s\n",
                     (ec ? anleitung : path.string()).c_str());
    }
    beenden(app);
}

// The face buttons work the screens: A chooses (as Return), B leaves or
// jumps (as Shift), in the options menu, at a station and on the star map.
std::optional<Aktion> bildschirmknopf(const App& app, int knopf) {
    const GameState& s = app.game;
    if (s.abspeichern == 0 && s.render != 1 && s.render != 2) return std::nullopt;
    if (knopf == pad::A) return Aktion::Langsamer;
    if (knopf == pad::B) return Aktion::Schneller;
    return std::nullopt;
}

void tasteLoslassen(App& app, Aktion a) {
    // A release before any frame saw the press waits until after the next.
    if (app.eingabe.gedruecktSeitFrame.test(static_cast<std::size_t>(a))) {
        app.eingabe.aufgeschoben.push_back(a);
    } else {
        aktionLoslassen(app, a);
    }
}

void knopfDruecken(App& app, int knopf) {
    if (knopf < 0 || knopf >= static_cast<int>(app.eingabe.padGedrueckt.size())) return;
    auto aktion = bildschirmknopf(app, knopf);
    if (!aktion) aktion = app.einstellungen.belegung.aktionDesKnopfs(knopf);
    if (!aktion) return;  // a button bound to nothing does nothing
    app.eingabe.padGedrueckt[static_cast<std::size_t>(knopf)] = aktion;
    app.eingabe.padGehalten[static_cast<std::size_t>(knopf)] = 0;
    aktionDruecken(app, *aktion);
}

void knopfLoslassen(App& app, int knopf) {
    if (knopf < 0 || knopf >= static_cast<int>(app.eingabe.padGedrueckt.size())) return;
    auto& gedrueckt = app.eingabe.padGedrueckt[static_cast<std::size_t>(knopf)];
    if (!gedrueckt) return;
    const Aktion a = *gedrueckt;
    gedrueckt.reset();
    tasteLoslassen(app, a);
}

void achse(App& app, int welche, int wert) {
    Eingabe& e = app.eingabe;
    switch (welche) {
        case pad::LeftX: e.stickX = wert; break;
        case pad::LeftY: e.stickY = wert; break;
        case pad::TriggerLeft:
        case pad::TriggerRight: {
            const int knopf = welche == pad::TriggerLeft ? pad::LeftTrigger : pad::RightTrigger;
            const bool gedrueckt = e.padGedrueckt[static_cast<std::size_t>(knopf)].has_value();
            if (!gedrueckt && wert > kAbzugDrueckt) knopfDruecken(app, knopf);
            if (gedrueckt && wert < kAbzugLos) knopfLoslassen(app, knopf);
            break;
        }
        default: break;
    }
}

// A pad pulled out leaves the ship as if its stick and buttons were let go.
void padWeg(App& app) {
    for (int knopf = 0; knopf < static_cast<int>(app.eingabe.padGedrueckt.size()); ++knopf) knopfLoslassen(app, knopf);
    app.eingabe.stickX = app.eingabe.stickY = 0;
}

// The stick's way past the dead zone, 0..1 of what is left, bent so that
// small movements turn finely: the square, with its sign.
float auslenkung(int wert, int totzone) {
    const float v = std::clamp(static_cast<float>(wert) / kAchseVoll, -1.0f, 1.0f);
    const float tot = static_cast<float>(totzone) / 100.0f;
    if (std::fabs(v) <= tot) return 0.0f;
    const float rest = (std::fabs(v) - tot) / (1.0f - tot);
    return std::copysign(rest * rest, v);
}

// The stick turns the ship like the arrow keys, in proportion to its
// deflection and up to their rate; let go, it stops the turn as a released
// arrow key does.
void stickSteuern(App& app) {
    GameState& s = app.game;
    Eingabe& e = app.eingabe;
    const float x = auslenkung(e.stickX, app.einstellungen.totzone);
    float y = auslenkung(e.stickY, app.einstellungen.totzone);
    if (app.einstellungen.padUmkehren) y = -y;
    const bool aktiv = x != 0.0f || y != 0.0f;
    if (aktiv && steering(s)) {
        s.kipp = -kKeyRate * x;
        s.nick = kKeyRate * y;
    } else if (e.stickAktiv) {
        s.kipp = 0.0f;
        s.nick = 0.0f;
    }
    e.stickAktiv = aktiv && steering(s);
}

void padWiederholen(App& app) {
    for (std::size_t knopf = 0; knopf < app.eingabe.padGedrueckt.size(); ++knopf) {
        const auto& aktion = app.eingabe.padGedrueckt[knopf];
        if (!aktion || !kAktionszeilen[static_cast<std::size_t>(*aktion)].wiederholt) continue;
        const int gehalten = ++app.eingabe.padGehalten[knopf];
        if (gehalten >= kPadVerzoegerung && (gehalten - kPadVerzoegerung) % kPadAbstand == 0) {
            aktionDruecken(app, *aktion);
        }
    }
}

}  // namespace

void aktionDruecken(App& app, Aktion a) {
    GameState& s = app.game;
    app.eingabe.gedruecktSeitFrame.set(static_cast<std::size_t>(a));
    auto& wartet = app.eingabe.aufgeschoben;
    wartet.erase(std::remove(wartet.begin(), wartet.end(), a), wartet.end());
    switch (a) {
        case Aktion::Stopp: s.speed = 0.0f; break;
        case Aktion::Langsamer: s.speed -= kSpeedStep; s.enter = 1; break;
        case Aktion::Schneller: s.speed += kSpeedStep; s.shift = 1; break;
        case Aktion::Pause:
            app.paused = !app.paused;
            app.pauseBild = 0;
            break;
        case Aktion::Feuer: s.feuer = 1; break;
        case Aktion::SichtWeiter:
            s.SIGHT = std::min(s.SIGHT + kSightStep, kSightMax);
            s.sightchg = kSightShowFrames;
            break;
        case Aktion::SichtNaeher:
            s.SIGHT = std::max(s.SIGHT - kSightStep, kSightMin);
            s.sightchg = kSightShowFrames;
            break;
        case Aktion::Links:
            if (steering(s)) s.kipp = kKeyRate;
            s.left = 1;
            break;
        case Aktion::Hoch:
            if (steering(s)) s.nick = -kKeyRate;
            s.up = 1;
            break;
        case Aktion::Rechts:
            if (steering(s)) s.kipp = -kKeyRate;
            s.right = 1;
            break;
        case Aktion::Runter:
            if (steering(s)) s.nick = kKeyRate;
            s.down = 1;
            break;
        case Aktion::Geradeaus: s.kipp = 0.0f; s.nick = 0.0f; break;
        case Aktion::Rueckblick: s.backsight = -s.backsight; break;
        case Aktion::Scheinwerfer:
            SetSpotlight(app.platform, {s.x, s.y, s.z}, s.blickrichtung);
            toggle_light(app.platform, 1);
            break;
        case Aktion::Rakete: s.missileKey = 1; break;
        case Aktion::Abwehr: s.ecmKey = 1; break;
        case Aktion::Gigabombe: s.gigabombKey = 1; break;
        case Aktion::Anleitung: anleitungOeffnen(app); break;
        case Aktion::Optionen: s.optionsKey = 1; break;
        case Aktion::Bildschirmfoto: takeScreenshot(app); break;
        case Aktion::Ende:
        case Aktion::Anzahl: break;
    }
}

void aktionLoslassen(App& app, Aktion a) {
    GameState& s = app.game;
    switch (a) {
        case Aktion::Langsamer: s.enter = 0; break;
        case Aktion::Schneller: s.shift = 0; break;
        case Aktion::Ende: beenden(app); break;  // on release, not on press
        case Aktion::Feuer: s.feuer = 0; break;
        case Aktion::Links: s.left = 0; s.kipp = 0.0f; break;
        case Aktion::Hoch: s.up = 0; s.nick = 0.0f; break;
        case Aktion::Rechts: s.right = 0; s.kipp = 0.0f; break;
        case Aktion::Runter: s.down = 0; s.nick = 0.0f; break;
        case Aktion::Rakete: s.missileKey = 0; break;
        case Aktion::Abwehr: s.ecmKey = 0; break;
        case Aktion::Gigabombe: s.gigabombKey = 0; break;
        case Aktion::Optionen: s.optionsKey = 0; break;
        default: break;
    }
}

WindowEvent WindowProc(App& app, const Message& message) {
    if (app.onMessage) app.onMessage(message);
    if (message.type == Message::Destroy) {
        // The window closed by the desktop: nothing since the last save is lost.
        if (!app.endeGesichert) autosave(app, true);
        return WindowEvent::Destroyed;
    }
    if (app.einstellungsbild.offen) {
        settingsInput(app, message);
        return WindowEvent::None;
    }
    const Belegung& b = app.einstellungen.belegung;
    switch (message.type) {
        case Message::KeyDown:
            if (const auto a = b.aktionDerTaste(message.key)) aktionDruecken(app, *a);
            break;
        case Message::KeyUp:
            if (const auto a = b.aktionDerTaste(message.key)) tasteLoslassen(app, *a);
            break;
        case Message::PadButtonDown: knopfDruecken(app, message.key); break;
        case Message::PadButtonUp: knopfLoslassen(app, message.key); break;
        case Message::PadAxis: achse(app, message.key, message.value); break;
        case Message::PadRemoved: padWeg(app); break;
        case Message::FocusLost:
            if (app.einstellungen.pauseOhneFokus && !app.paused) {
                app.paused = 1;
                app.pauseBild = 0;
            }
            break;
        case Message::FocusGained:
        case Message::PadAdded:
        case Message::Destroy:
        case Message::Quit: break;
    }
    return WindowEvent::None;
}

void readMouse(App& app) {
    GameState& s = app.game;
    platform::Platform& p = app.platform;
    s.mouseRight = s.mouseLeft = s.mouseUp = s.mouseDown = 0;
    s.mouseButtonRight = s.mouseButtonLeft = 0;
    s.wheelForward = s.wheelBack = 0;
    int dx = 0, dy = 0, dz = 0;
    bool linksGedrueckt = false, rechtsGedrueckt = false;  // pressed in this read
    const int empfindlichkeit = app.einstellungen.maus;
    const int umkehren = app.einstellungen.mausUmkehren ? -1 : 1;

    // The sums are applied once per record and once more after the last, so
    // one wheel notch changes the speed twice.
    for (bool gotEvent = true; gotEvent;) {
        MouseEvent event;
        gotEvent = p.readMouse(event);
        if (gotEvent) {
            if (app.onMouse) app.onMouse(event);
            const auto data = static_cast<std::int32_t>(event.data);
            const bool pressed = (event.data & mouse::Pressed) != 0;
            switch (event.offset) {
                case mouse::X: dx += data * empfindlichkeit / 100; break;
                case mouse::Y: dy += umkehren * data * empfindlichkeit / 100; break;
                case mouse::Z: dz += data; break;
                case mouse::Button0:
                    // A click whose release comes in the same read still
                    // counts as pressed in this frame; the release follows
                    // after it.
                    if (pressed) {
                        s.feuer = s.mouseButtonLeft = 1;
                        linksGedrueckt = true;
                    } else if (linksGedrueckt) {
                        app.eingabe.mausLinksLos = true;
                    } else {
                        s.feuer = s.mouseButtonLeft = 0;
                    }
                    break;
                case mouse::Button1:
                    if (pressed) {
                        s.mouseButtonRight = 1;
                        rechtsGedrueckt = true;
                    } else if (!rechtsGedrueckt) {
                        s.mouseButtonRight = 0;
                    }
                    break;
                case mouse::Button2: if (pressed) s.speed = 0.0f; break;
                default: break;
            }
        }

        if (dz < 0) { s.speed -= kSpeedStep; s.wheelBack = 1; }
        if (dz > 0) { s.speed += kSpeedStep; s.wheelForward = 1; }
        if (dx < -kMouseThreshold) { s.mouseLeft = 1; s.mouseRight = 0; }
        if (dx > kMouseThreshold) { s.mouseRight = 1; s.mouseLeft = 0; }
        if (dy < -kMouseThreshold) { s.mouseUp = 1; s.mouseDown = 0; }
        if (dy > kMouseThreshold) { s.mouseDown = 1; s.mouseUp = 0; }

        if (s.mouseButtonRight) {
            s.kipp = 0.0f;
            s.nick = 0.0f;
        }
        if (s.abspeichern == 0) {
            if (s.mouseRight) s.kipp -= kMouseRate;
            if (s.mouseLeft) s.kipp += kMouseRate;
            if (s.mouseDown) s.nick -= kMouseRate;
            if (s.mouseUp) s.nick += kMouseRate;
        }
    }
    stickSteuern(app);
    padWiederholen(app);
}

void afterFrame(App& app) {
    Eingabe& e = app.eingabe;
    e.gedruecktSeitFrame.reset();
    const std::vector<Aktion> los = std::move(e.aufgeschoben);
    e.aufgeschoben.clear();
    for (const Aktion a : los) aktionLoslassen(app, a);
    if (e.mausLinksLos) {
        app.game.feuer = 0;
        e.mausLinksLos = false;
    }
}

void autosave(App& app, bool amEnde) {
    // A ship destroyed is not kept: the new game starts in a moment.
    if (app.game.gameover > 0) return;
    if (save(app.game, kAutoSlot, slotDirectory()) != SlotErgebnis::Gelungen) {
        // Said in the cockpit while the game goes on, in a box as it ends.
        app.game.menuMeldung = kMeldungAutosave;
        app.game.menuMeldungz = kAutosaveMeldungFrames;
        std::fprintf(stderr, "sternfahrt: the autosave could not be written to %s\n", slotDirectory().c_str());
        if (amEnde && !app.ErrStr) app.ErrStr = errtext::Err_Autosave;
    }
}
