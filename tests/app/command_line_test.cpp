#include <gtest/gtest.h>

#include "app/command_line.h"
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

// What each option sets for the run; a value the option does not take is
// named as the fault.
TEST(CommandLine, EachOptionSetsItsPartOfTheRun) {
    struct Case { std::vector<const char*> arguments; const char* bad; bool windowed; std::string lang;
                  std::optional<Aufloesung> scale; std::int64_t frames; };
    const Case cases[] = {
        {{}, nullptr, false, "", std::nullopt, -1},
        {{"--render-scale", "native"}, nullptr, false, "", Aufloesung::Bildschirm, -1},
        {{"--render-scale", "original", "--window"}, nullptr, true, "", Aufloesung::Original, -1},
        {{"--lang", "en", "--frames", "0"}, nullptr, false, "en", std::nullopt, 0},
        {{"--lang", "fr"}, "fr", false, "fr", std::nullopt, -1},
        {{"--render-scale"}, "--render-scale", false, "", std::nullopt, -1},
        {{"--frames", "9x"}, "9x", false, "", std::nullopt, 9},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"sternfahrt"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        CommandLine line;
        std::string bad;
        EXPECT_EQ(readCommandLine(static_cast<int>(argv.size()), argv.data(), line, bad), c.bad == nullptr) << bad;
        EXPECT_EQ(bad, c.bad ? c.bad : "");
        EXPECT_EQ(std::tie(line.windowed, line.lang, line.scale, line.frames),
                  std::tie(c.windowed, c.lang, c.scale, c.frames)) << (argv.size() > 1 ? argv[1] : "");
    }
}
