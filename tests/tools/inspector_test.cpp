#include <gtest/gtest.h>

#include "inspector/digest.h"
#include "inspector/json_writer.h"
#include "inspector/world_json.h"
#include "support/run_tool.h"
#include "support/test_world.h"

namespace {

ToolRun runInspector(const std::string& arguments) { return runTool(INSPECTOR_PATH, arguments); }

}  // namespace

// Savegames store only indices into the universe, so the universe must come
// out the same in every process, and the same as in the released game: a
// change of this digest changes what every savegame means.
TEST(Inspector, UniverseIsTheSameInEveryProcess) {
    const ToolRun run = runInspector("universe");
    ASSERT_EQ(run.exitCode, 0);
    JsonWriter json;
    writeUniverse(json, sharedWorld());
    EXPECT_EQ(json.str(), run.out);  // this process's and the inspector's
    EXPECT_EQ(fnv1a(run.out), 0x1614689164ba2425ull) << std::hex << fnv1a(run.out);
}

// A location's output for a fixed clock is pinned for a dozen locations in
// tests/tools/pins_test.cpp. Commands, places and options that are not there are refused.
TEST(Inspector, RejectsWhatIsNotThere) {
    for (const char* arguments : {"", "galaxy", "location --system 545", "location --system 0 --planet 9",
                                  "location --clock 12x", "location --cargo 16=1", "location --mission 3"}) {
        EXPECT_EQ(runInspector(arguments).exitCode, 2) << arguments;
    }
    EXPECT_EQ(runInspector("location --system 0 --planet 2 --body 1 --cargo 8=3 --mission 3 1").exitCode, 0);
}
