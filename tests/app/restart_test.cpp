// What the player chose and played survives a restart: a key bound in the
// settings screen of one run (the game itself, ending after its frames)
// speeds up the next run (the runner, with the same settings file), which
// continues from the first run's autosave.

#include <gtest/gtest.h>

#include <fstream>

#include "app/settings_file.h"
#include "save/slot_files.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

TEST(Restart, TheSettingsTheKeysAndTheAutosaveSurvive) {
    TempWorkDir dir;  // the user's folders too
    // The options menu (F9), its settings row (Down held for twelve rows),
    // faster's row in the screen (nine rows down), bound to W, and back.
    std::ofstream("first.rec") << "10 keydown F9\n11 keyup F9\n12 keydown Down\n62 keyup Down\n"
                                  "63 keydown Return\n64 keyup Return\n"
                               << [] {
                                      std::string rows;
                                      for (int i = 0; i < 9; ++i) {
                                          rows += std::to_string(70 + 2 * i) + " keydown Down\n" +
                                                  std::to_string(71 + 2 * i) + " keyup Down\n";
                                      }
                                      return rows;
                                  }()
                               << "90 keydown Return\n91 keyup Return\n92 keydown W\n93 keyup W\n"
                                  "94 keydown Escape\n95 keyup Escape\n";
    const ToolRun first = runTool(std::string("timeout 120 ") + GAME_PATH, "--frames 120 --script first.rec", true);
    ASSERT_EQ(first.exitCode, 0) << first.out;
    const auto datei = settingsFile();
    ASSERT_TRUE(std::filesystem::exists(datei));
    EXPECT_NE(readFile(datei.string()).find("key.faster = W\n"), std::string::npos) << readFile(datei.string());
    ASSERT_TRUE(std::filesystem::exists(slotDirectory() / slotFileName(kAutoSlot)));

    // The autosave's row (eleven down), then Shift, which speeds up no more,
    // and W, which does.
    std::ofstream("second.rec") << "5 keydown F9\n6 keyup F9\n7 keydown Down\n50 keyup Down\n"
                                   "55 keydown Return\n56 keyup Return\n60 keydown Shift\n61 keyup Shift\n"
                                   "62 keydown W\n63 keyup W\n";
    const ToolRun second = runTool(RUNNER_PATH, "--headless --data " + std::string(DATA_DIR) + " --settings " +
                                                    datei.string() + " --script second.rec --frames 64 --dump second.json",
                                   true);
    ASSERT_EQ(second.exitCode, 0) << second.out;
    const std::string state = readFile("second.json");
    EXPECT_NE(state.find("\"speed\": 4.5,"), std::string::npos) << state.substr(0, 400);
    // Loaded, the ship started at its location's entry point.
    const std::size_t pos = state.find("\"pos\": [0, 0, -3");
    EXPECT_NE(pos, std::string::npos) << state.substr(0, 400);
}
