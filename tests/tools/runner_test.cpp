#include <gtest/gtest.h>

#include <fstream>

#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace {

int run(const std::string& arguments) { return runTool(RUNNER_PATH, arguments).exitCode; }

}  // namespace

// The runner plays scripted input through the real game, off-screen, and
// writes screenshots and the state.
TEST(Runner, ScriptedFlightGivesScreenshotsAndAState) {
    TempWorkDir dir;
    std::ofstream("fly.rec") << "0 keydown Shift\n1 keydown Shift\n2 keyup Shift\n"
                                "3 keydown Left\n10 keyup Left\n";
    const std::string args = std::string("--data ") + DATA_DIR +
                             " --script fly.rec --frames 12 --clock 99"
                             " --shot 0:first.png --shot 11:last.png --dump state.json";
    ASSERT_EQ(run(args), 0);
    for (const char* shot : {"first.png", "last.png"}) {
        const std::string png = readFile(shot);
        ASSERT_GT(png.size(), 1000u) << shot;
        EXPECT_EQ(png.substr(1, 3), "PNG");
    }
    const std::string state = readFile("state.json");
    EXPECT_NE(state.find("\"frames\": 12"), std::string::npos);
    EXPECT_NE(state.find("\"speed\": 9"), std::string::npos);
    EXPECT_NE(state.find("\"kipp\": 0,"), std::string::npos);  // the key was let go

    EXPECT_EQ(run("--frames x"), 2);
    EXPECT_EQ(run("--script missing.rec"), 2);
}
