#include <gtest/gtest.h>

#include "save/slot_files.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

// The game's command line, run as a player would: from a directory of its
// own, off-screen.
TEST(CommandLine, OptionsExitCodesAndWhatTheGameSays) {
    TempWorkDir dir;
    struct Case { const char* arguments; int exitCode; std::vector<const char*> said; };
    const Case cases[] = {
        {"--help", 0, {"usage: sternfahrt", "--window", "--render-scale native|original", "--data DIR", "--frames N"}},
        {"--version", 0, {"sternfahrt " STERNFAHRT_VERSION "\n"}},
        {"--fly", 2, {"'--fly'", "usage: sternfahrt"}},
        {"--frames", 2, {"usage: sternfahrt"}},
        {"--frames -3", 2, {"usage: sternfahrt"}},
        {"--render-scale 4k", 2, {"'4k'", "usage: sternfahrt"}},
        {"--script nowhere.rec", 2, {"nowhere.rec"}},
        {"--data nowhere", 1, {"Error Loading Image", "not found in:\n  ", "/nowhere\n", "--data DIR"}},
        // From the build tree, with the data beside the game.
        {"--frames 3", 0, {}},
        {"--render-scale native --frames 3", 0, {}},
        {"--render-scale original --window --frames 3", 0, {}},
    };
    for (const Case& c : cases) {
        // A game that took a bad option for a good one would play on.
        const ToolRun run = runTool(std::string("timeout 60 ") + GAME_PATH, c.arguments, true);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << ": " << run.out;
        for (const char* text : c.said) EXPECT_NE(run.out.find(text), std::string::npos) << c.arguments << ": " << run.out;
        if (c.said.empty()) {
            EXPECT_EQ(run.out, "") << c.arguments;
        }
    }
    // Nothing was written where the game was started; the autosave went to
    // the user's data folder (here the test's own).
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path(), slotDirectory()) << entry.path();
    }
}
