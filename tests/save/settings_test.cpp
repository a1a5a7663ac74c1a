// The player's settings: bindings that never lose an action's last key,
// the settings file (its bad lines, its bad files, its atomic writing), and
// the settings screen that changes them at once.

#include <gtest/gtest.h>

#include <fstream>

#include "app/app.h"
#include "app/controls.h"
#include "app/settings_file.h"
#include "app/settings_screen.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

using platform::HeadlessPlatform;
using platform::Message;
namespace vk = platform::vk;
namespace pad = platform::pad;

TEST(Settings, BindingTakesAKeyFromAnotherActionOnlyBySwapping) {
    Belegung b = Belegung::standard();
    EXPECT_TRUE(b.gueltig());
    EXPECT_EQ(b.aktionDerTaste(vk::Shift), Aktion::Schneller);
    EXPECT_EQ(b.aktionDerTaste(vk::Escape), Aktion::Ende);
    EXPECT_EQ(b.aktionDesKnopfs(pad::RightTrigger), Aktion::Schneller);

    // Space belongs to fire: refused, nothing changes; swapped, fire gets
    // Return and slower has Space alone.
    Belegung vorher = b;
    EXPECT_EQ(b.bindeTaste(Aktion::Langsamer, vk::Space, false), Belegung::Ergebnis::Abgelehnt);
    EXPECT_EQ(b, vorher);
    EXPECT_EQ(b.bindeTaste(Aktion::Langsamer, vk::Space, true), Belegung::Ergebnis::Getauscht);
    EXPECT_EQ(b.aktionDerTaste(vk::Space), Aktion::Langsamer);
    EXPECT_EQ(b.aktionDerTaste(vk::Return), Aktion::Feuer);
    EXPECT_EQ(b.aktionDerTaste(vk::KeypadEnter), std::nullopt);
    EXPECT_TRUE(b.gueltig());
    // Esc's end of the game moves to F10 and keeps a key; Esc is free.
    EXPECT_EQ(b.bindeTaste(Aktion::Ende, vk::F10, false), Belegung::Ergebnis::Belegt);
    EXPECT_EQ(b.aktionDerTaste(vk::Escape), std::nullopt);
    // A pad button swaps the same way; an action may be left without one.
    EXPECT_EQ(b.bindeKnopf(Aktion::Anleitung, pad::A, true), Belegung::Ergebnis::Getauscht);
    EXPECT_EQ(b.knopf(Aktion::Feuer), pad::None);
    EXPECT_TRUE(b.gueltig());

    Belegung doppelt = Belegung::standard();
    doppelt.setze(Aktion::Stopp, {vk::Space, 0}, pad::None);
    EXPECT_FALSE(doppelt.gueltig());
    doppelt = Belegung::standard();
    doppelt.setze(Aktion::Stopp, {0, 0}, pad::None);
    EXPECT_FALSE(doppelt.gueltig());
}

TEST(Settings, TheFileReadsWhatItWritesAndPassesOverItsBadLines) {
    Einstellungen e;
    e.sprache = "en";
    e.vollbild = false;
    e.aufloesung = Aufloesung::Original;
    e.lautstaerke = 30;
    e.maus = 150;
    e.mausUmkehren = true;
    e.totzone = 35;
    e.pauseOhneFokus = false;
    e.belegung.bindeTaste(Aktion::Feuer, 29, true);  // Z
    e.belegung.bindeKnopf(Aktion::Feuer, pad::RightShoulder, true);
    std::vector<std::string> warnungen;
    EXPECT_EQ(parseSettings(formatSettings(e), warnungen), e);
    EXPECT_EQ(warnungen, std::vector<std::string>{});
    EXPECT_EQ(parseSettings("", warnungen), Einstellungen{});

    struct Zeile {
        const char* text;
        bool warnt;
    };
    const Zeile zeilen[] = {
        {"volume = 101", true},       {"volume = -1", true},          {"volume=40 # quiet", false},
        {"volume = 40x", true},       {"language = fr", true},        {"fullscreen = maybe", true},
        {"nonsense", true},           {"colour = red", true},         {"key.fire = Hyperspace", true},
        {"key.fire = A, B, C", true}, {"pad.fire = z", true},         {"pad.fire = none", false},
        {"key.nothing = A", true},    {"  # only a comment", false},  {"\tkey.fire = Left Ctrl\r", false},
        {"render-scale = 4k", true},  {"render-scale = native", false},
    };
    for (const Zeile& z : zeilen) {
        warnungen.clear();
        const Einstellungen gelesen = parseSettings(std::string("\n") + z.text + "\n", warnungen);
        EXPECT_EQ(warnungen.size(), z.warnt ? 1u : 0u) << z.text;
        if (z.warnt) {
            EXPECT_EQ(warnungen[0].rfind("line 2:", 0), 0u) << warnungen[0];
            EXPECT_EQ(gelesen, Einstellungen{}) << z.text;
        }
    }
    // A key bound twice: all keys as at first.
    warnungen.clear();
    const Einstellungen doppelt = parseSettings("volume = 50\nkey.fire = Escape\n", warnungen);
    EXPECT_EQ(doppelt.lautstaerke, 50);
    EXPECT_EQ(doppelt.belegung, Belegung::standard());
    EXPECT_EQ(warnungen.size(), 1u);
}

TEST(Settings, ABadFileIsPassedOverAndAFailedWriteKeepsTheOld) {
    TempWorkDir dir;
    const std::filesystem::path datei = dir.path() / "sternfahrt" / "sternfahrt.conf";
    EXPECT_EQ(loadSettings(datei), Einstellungen{});  // none yet
    Einstellungen e;
    e.lautstaerke = 20;
    ASSERT_TRUE(saveSettings(e, datei));
    EXPECT_EQ(loadSettings(datei), e);

    std::ofstream(dir.path() / "binary.conf") << "volume = 20\n" << '\0' << "x";
    EXPECT_EQ(loadSettings(dir.path() / "binary.conf"), Einstellungen{});
    std::ofstream(dir.path() / "huge.conf") << std::string(70000, '#');
    EXPECT_EQ(loadSettings(dir.path() / "huge.conf"), Einstellungen{});
    EXPECT_EQ(loadSettings(dir.path()), Einstellungen{});  // a directory

    // Where the file cannot be replaced, the old one stays whole.
    std::filesystem::create_directories(dir.path() / "busy.conf" / "x");
    EXPECT_FALSE(saveSettings(e, dir.path() / "busy.conf"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / ("busy.conf.neu" + std::to_string(::getpid()))));
}

// The settings screen from the options menu: the arrows and Return work it,
// every change takes effect and is saved at once, a key is bound by
// pressing it (a key in use asks first), and Esc goes back without ending
// the game.
TEST(Settings, TheScreenChangesThemAtOnce) {
    TempWorkDir dir;
    dir.writeMinimalGameData();
    std::filesystem::create_directories("locale/en/LC_MESSAGES");
    std::filesystem::copy_file(std::string(DATA_DIR) + "/locale/en/LC_MESSAGES/sternfahrt.mo",
                               "locale/en/LC_MESSAGES/sternfahrt.mo");
    HeadlessPlatform p;
    App app(p);
    app.clockSource = [] { return 5u; };
    app.einstellungsdatei = dir.path() / "sternfahrt.conf";
    // Started with --window --render-scale original: for this run only.
    app.fensterAufRuf = true;
    app.aufloesungAufRuf = Aufloesung::Original;
    p.fullScreenOn = false;
    ASSERT_TRUE(Init(app));
    app.game.einstellungenZeigen = 1;
    app.game.enter = 1;  // Return chose the menu's row, and is still held
    ASSERT_EQ(mainLoopPass(app), Pass::Frame);
    ASSERT_TRUE(app.einstellungsbild.offen);
    EXPECT_EQ(app.game.enter, 0);

    auto key = [&](int k, bool down = true) { WindowProc(app, {down ? Message::KeyDown : Message::KeyUp, k}); };
    key(vk::Return, false);  // Return's release does nothing here
    key(vk::Down);
    key(vk::Down);
    key(vk::Down);           // the volume
    key(vk::Left);
    EXPECT_EQ(app.einstellungen.lautstaerke, 90);
    EXPECT_EQ(p.effectsVolume, 90);
    EXPECT_EQ(loadSettings(app.einstellungsdatei).lautstaerke, 90);
    // ... which keeps the command line's window and scale, and saves neither
    EXPECT_FALSE(p.fullScreenOn);
    EXPECT_EQ(p.renderScale, platform::RenderScale::Original);
    EXPECT_TRUE(loadSettings(app.einstellungsdatei).vollbild);
    EXPECT_EQ(loadSettings(app.einstellungsdatei).aufloesung, Aufloesung::Automatisch);
    key(vk::Up);
    key(vk::Right);          // the scale: on from the one in effect, round
    EXPECT_EQ(app.einstellungen.aufloesung, Aufloesung::Automatisch);
    EXPECT_EQ(p.renderScale, platform::RenderScale::Automatic);
    key(vk::Left);
    EXPECT_EQ(p.renderScale, platform::RenderScale::Original);
    key(vk::Left);
    EXPECT_EQ(p.renderScale, platform::RenderScale::Native);
    EXPECT_EQ(loadSettings(app.einstellungsdatei).aufloesung, Aufloesung::Bildschirm);
    key(vk::Up);
    key(vk::Return);         // full screen, from the window in effect
    EXPECT_TRUE(p.fullScreenOn);
    key(vk::Return);
    EXPECT_FALSE(p.fullScreenOn);
    EXPECT_FALSE(loadSettings(app.einstellungsdatei).vollbild);
    key(vk::Up);
    key(vk::Right);          // the language
    EXPECT_EQ(app.sprache.code, "en");
    EXPECT_EQ(app.sprache.texte[TextId::Pause], "Paused");

    // Fire's row: F10 is free; Shift is slower's (it asks), Esc gives up.
    app.einstellungsbild.zeile = kErsteAktionsreihe + static_cast<int>(Aktion::Feuer);
    key(vk::Return);
    EXPECT_TRUE(app.einstellungsbild.erfassen);
    key(vk::F10);
    EXPECT_EQ(app.einstellungen.belegung.aktionDerTaste(vk::F10), Aktion::Feuer);
    key(vk::Return);
    key(vk::Shift);
    ASSERT_TRUE(app.einstellungsbild.frage);
    EXPECT_EQ(app.einstellungsbild.frage->besitzer, Aktion::Schneller);
    key(vk::Escape, false);
    EXPECT_EQ(app.einstellungen.belegung.aktionDerTaste(vk::Shift), Aktion::Schneller);
    key(vk::Return);
    WindowProc(app, {Message::PadButtonDown, pad::Y});  // decoy's: swap it
    ASSERT_TRUE(app.einstellungsbild.frage);
    key(vk::Return);
    EXPECT_EQ(app.einstellungen.belegung.knopf(Aktion::Feuer), pad::Y);
    EXPECT_EQ(app.einstellungen.belegung.knopf(Aktion::Abwehr), pad::A);
    EXPECT_EQ(loadSettings(app.einstellungsdatei).belegung, app.einstellungen.belegung);

    // Back to the new player's settings, then Esc: the screen closes, the
    // game goes on.
    app.einstellungsbild.zeile = kStandardreihe;
    key(vk::Return);
    EXPECT_EQ(app.einstellungen, Einstellungen{});
    key(vk::Escape);
    key(vk::Escape, false);
    EXPECT_FALSE(app.einstellungsbild.offen);
    Message m;
    EXPECT_FALSE(p.peekMessage(m));
    EXPECT_EQ(mainLoopPass(app), Pass::Frame);
}
