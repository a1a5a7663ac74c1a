#include <gtest/gtest.h>

#include <fstream>

#include "app/controls.h"
#include "app/frame.h"
#include "inspector/json_writer.h"
#include "inspector/world_json.h"
#include "save/options_menu.h"
#include "save/slot_files.h"
#include "support/started_game.h"
#include "support/test_world.h"

using platform::Message;
namespace vk = platform::vk;

namespace {

// Everything of the player and the location, to see that nothing changed.
std::string everything(const GameState& s) {
    JsonWriter json;
    writePlayer(json, s);
    writeLocation(json, s, 0);
    return json.str();
}

// A world whose ship is under way somewhere else than Earth, with a mission.
GameState underWay() {
    GameState s = freshWorld();
    arrive(s, 0, 3, 0, 50);
    s.x = 100.0f, s.z = 2000.0f, s.speed = 12.0f, s.aufgabePlanet = 4, s.aufgabeMond = 1;
    return s;
}

// One frame of the open menu with the cursor on the row, choosing it.
void choose(GameState& s, Services& services, std::uint16_t row) {
    s.abspeichern = 1;
    s.zeig = row;
    s.zeigverz = 4;  // the cursor does not move in this frame
    s.enter = 1;
    s.feuer = 1;
    Abspeichern(s, services);
    s.enter = 0;
}

}  // namespace

// The rows added below: the autosave loads like a slot, and the settings
// row asks the shell for the settings screen and closes the menu.
TEST(OptionsMenu, TheAutosaveLoadsAndTheSettingsRowAsksForTheScreen) {
    TempWorkDir dir;
    QuietServices services(7);
    GameState s = underWay();
    ASSERT_EQ(save(s, kAutoSlot, slotDirectory()), SlotErgebnis::Gelungen);
    GameState changed = s;
    changed.geld += 1000;
    choose(changed, services, 11);
    EXPECT_EQ(changed.geld, s.geld);
    EXPECT_EQ(changed.menuMeldung, kKeineMeldung);
    choose(changed, services, 12);
    EXPECT_EQ(changed.einstellungenZeigen, 1);
    EXPECT_EQ(changed.abspeichern, 0);
}

TEST(OptionsMenu, BlankRowsAndBackOnlyClose) {
    TempWorkDir dir;
    QuietServices services(7);
    for (const std::uint16_t row : {4, 9, 10}) {
        GameState s = underWay();
        s.abspeichern = 1;
        s.feuer = 1;
        GameState expected = s;
        expected.abspeichern = 0, expected.feuer = 0, expected.zeig = row;
        choose(s, services, row);
        EXPECT_EQ(everything(s), everything(expected)) << "row " << row;
        EXPECT_EQ(s.menuMeldung, kKeineMeldung);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Save, change everything, load: the game is back at the saved location, at
// its entry point, at rest; the mission shown stays.
TEST(OptionsMenu, SaveAndLoadBringTheGameBack) {
    TempWorkDir dir;
    QuietServices services(7);
    GameState s = underWay();
    s.geld = 31337, s.kanone = 3, s.nahrungld = 12, s.passagiertyp = 8, s.passagierziel = 208;
    choose(s, services, 1);  // slot 2
    EXPECT_EQ(s.abspeichern, 0);
    EXPECT_EQ(s.feuer, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "sternfahrt" / "SpielstandB.sav"), 72u);
    const SpielstandBytes saved = encodeSpielstand(s);

    GameState elsewhere = s;
    arrive(elsewhere, 208, 0, 0, 99);
    elsewhere.geld = 5, elsewhere.kanone = 1, elsewhere.nahrungld = 0;
    elsewhere.passagiertyp = kKeinePassagiere;
    choose(elsewhere, services, 6);  // load slot 2
    EXPECT_EQ(encodeSpielstand(elsewhere), saved);
    EXPECT_EQ(elsewhere.menuMeldung, kKeineMeldung);
    EXPECT_EQ(D3DVECTOR(elsewhere.x, elsewhere.y, elsewhere.z), D3DVECTOR(0, 0, -31000));
    EXPECT_EQ(std::tuple(elsewhere.speed, elsewhere.blickrichtung.z, elsewhere.xAchse.x, elsewhere.aufrichtung.y),
              std::tuple(0.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(std::pair(elsewhere.aufgabePlanet, elsewhere.aufgabeMond), std::pair(4, 1));
    // The location is the saved one's, built as on any arrival.
    GameState built = s;
    arrive(built, 0, 3, 0, 7);
    JsonWriter a, b;
    writeLocation(a, elsewhere, 7);
    writeLocation(b, built, 7);
    EXPECT_EQ(a.str(), b.str());
}

TEST(OptionsMenu, ARefusedLoadChangesNothingAndSaysWhy) {
    TempWorkDir dir;
    QuietServices services(7);
    {
        std::filesystem::create_directories(slotDirectory());
        std::ofstream(slotDirectory() / "SpielstandB.sav") << "kurz";
    }
    const GameState before = underWay();
    const std::pair<std::uint16_t, std::int32_t> cases[] = {{5, kMeldungFehlt}, {6, kMeldungBeschaedigt}};
    for (const auto& [row, message] : cases) {
        GameState s = before;
        choose(s, services, row);
        GameState expected = before;
        expected.zeig = row;
        expected.feuer = 0;
        EXPECT_EQ(everything(s), everything(expected));
        EXPECT_EQ(s.menuMeldung, message);
        EXPECT_EQ(s.menuMeldungz, kMenuMeldungFrames);
        // The message shows for its frames, then goes.
        for (int i = 0; i < kMenuMeldungFrames; ++i) Abspeichern(s, services);
        EXPECT_EQ(s.menuMeldungz, 0);
        EXPECT_EQ(s.menuMeldung, kKeineMeldung);
    }
}

// The cursor moves as on the stations' lists (the row cursor's test), down
// to the menu's last row and no further.
TEST(OptionsMenu, TheCursorStopsAtTheLastRow) {
    QuietServices services;
    GameState s = freshWorld();
    s.abspeichern = s.down = 1;
    for (int frame = 1; frame <= 60; ++frame) Abspeichern(s, services);
    EXPECT_EQ(std::pair(s.zeig, s.abspeichern), std::pair(std::uint16_t{12}, 1));
}

// Through the whole frame: F9 opens the menu only in peace, with the cursor
// on top; Return chooses (here: back) and closes it. (That the arrows move
// the cursor and not the ship: the shell test.)
TEST(OptionsMenu, OpensOnlyInPeaceAndReturnCloses) {
    StartedGame g;
    App& app = g.app;
    GameState& s = app.game;
    WindowProc(app, {Message::KeyDown, vk::F9});
    s.kampf = 1;
    s.zeig = 7;
    render_frame(app);
    EXPECT_EQ(s.abspeichern, 0);
    s.raumschiff = {};
    s.kampf = 0;
    render_frame(app);
    ASSERT_EQ(s.abspeichern, 1);
    EXPECT_EQ(s.zeig, 0);
    WindowProc(app, {Message::KeyUp, vk::F9});
    s.zeig = 10;
    WindowProc(app, {Message::KeyDown, vk::Return});
    render_frame(app);
    EXPECT_EQ(s.abspeichern, 0);
    EXPECT_FALSE(std::filesystem::exists(slotDirectory() / "SpielstandA.sav"));
}
