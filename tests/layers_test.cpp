// The code is layered: the platform knows nothing of the game; the world
// knows only the platform's math; the rules know the world; the drawing
// reads the rules and the world and draws through the platform; the shell
// alone knows everything. An include that points up a layer fails here.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

// The drawing files among the subsystem folders; the rest of flight/ and
// stations/ are rules.
bool isDrawing(const std::string& file) {
    return file.rfind("ui/", 0) == 0 || file.rfind("flight/scene.", 0) == 0;
}

// The math, the numbers of keys and pad buttons, and the user's directories
// that the savegames and settings live in: what every layer may use.
bool isMath(const std::string& header) {
    return header == "platform/d3d_vector.h" || header == "platform/d3d_matrix.h" || header == "platform/keys.h" ||
           header == "platform/xdg_dirs.h";
}

// Whether `file` (relative to src/) may include `header`.
bool allowed(const std::string& file, const std::string& header) {
    const std::string folder = file.substr(0, file.find('/'));
    const std::string target = header.substr(0, header.find('/'));
    if (folder == "app") return true;
    if (folder == "platform") return target == "platform";
    if (folder == "world") return target == "world" || isMath(header);
    if (isDrawing(file)) return target != "app";
    // flight/, stations/, save/: rules over the world, never the drawing.
    return target == "world" || isMath(header) ||
           ((target == "flight" || target == "stations" || target == "save") && !isDrawing(header));
}

}  // namespace

TEST(Layers, NoIncludePointsUpward) {
    const fs::path src = fs::path(SOURCE_DIR) / "src";
    const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        ++files;
        const std::string file = fs::relative(entry.path(), src).generic_string();
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            if (std::regex_search(line, m, include)) {
                EXPECT_TRUE(allowed(file, m[1].str())) << file << " includes " << m[1].str();
            }
        }
    }
    EXPECT_GT(files, 50);

    // The rule itself: a few edges it must refuse.
    EXPECT_FALSE(allowed("platform/meshes.cpp", "world/game_state.h"));
    EXPECT_FALSE(allowed("world/universe.cpp", "platform/platform.h"));
    EXPECT_FALSE(allowed("flight/flight_step.cpp", "flight/scene.h"));
    EXPECT_FALSE(allowed("ui/cockpit.cpp", "app/app.h"));
    EXPECT_TRUE(allowed("flight/scene.cpp", "flight/flight_step.h"));
}
