// The whole data set as the generator writes it at every build, and the
// manual that goes with it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "assetgen/meshes.h"
#include "assetgen/panels.h"
#include "assetgen/sounds.h"
#include "assetgen/textures.h"
#include "platform/asset_manifest.h"
#include "platform/platform.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

int generate(const fs::path& dir) { return runTool(ASSETGEN_PATH, dir.string()).exitCode; }

}  // namespace

// Exactly the files of the asset list, the same bytes on every run (or the
// data would change from build to build), each picture readable the way the
// game loads it and in the size the game relies on where it relies on one.
TEST(AssetGenerator, WritesTheListedFilesTheSameOnEveryRun) {
    const TempWorkDir dir;
    ASSERT_EQ(generate(dir.path() / "a"), 0);
    ASSERT_EQ(generate(dir.path() / "b"), 0);
    std::set<std::string> listed, written;
    for (const AssetFile& f : kAssetFiles) listed.insert(f.name);
    for (const auto& entry : fs::directory_iterator(dir.path() / "a")) written.insert(entry.path().filename().string());
    for (const std::string& name : written) EXPECT_TRUE(listed.count(name)) << name << " is not in the asset list";
    for (const std::string& name : listed) {
        EXPECT_TRUE(written.count(name)) << name << " is missing";
        const std::string bytes = readFile((dir.path() / "a" / name).string());
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == readFile((dir.path() / "b" / name).string())) << name << " differs between runs";
    }
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind != AssetKind::Font && f.kind != AssetKind::Texture && f.kind != AssetKind::Bitmap) continue;
        platform::Image image;
        EXPECT_TRUE(platform::loadBitmap((dir.path() / "a" / f.name).string(), image)) << f.name;
        if (f.width != 0) {
            EXPECT_EQ(image.width, f.width) << f.name;
            EXPECT_EQ(image.height, f.height) << f.name;
        }
    }
}

// The build must stop rather than leave a partial data set behind unnoticed.
TEST(AssetGenerator, ReportsAnUnwritableDirectory) {
    const TempWorkDir dir;
    std::ofstream(dir.path() / "file") << "not a directory";
    EXPECT_NE(generate(dir.path() / "file" / "data"), 0);

    // Each writer says so too, with the file it could not write.
    const fs::path missing = dir.path() / "missing";
    const std::function<bool(std::string&)> writers[] = {
        [&](std::string& error) { return writeMeshes(missing, error); },
        [&](std::string& error) { return writeTextures(missing, error); },
        [&](std::string& error) { return writePanels(missing, platform::Image(512, 48), error); },
        [&](std::string& error) { return writeSounds(missing, error); },
    };
    for (const auto& write : writers) {
        std::string error;
        EXPECT_FALSE(write(error));
        EXPECT_NE(error.find("missing"), std::string::npos) << error;
    }
}

// ---------------------------------------------------------------- manual

// The elements in the order they open, which must be the reverse of the
// order they close; void elements close themselves.
TEST(Spielanleitung, IsAWellNestedHtmlPage) {
    const std::string html = readFile(SPIELANLEITUNG_PATH);
    ASSERT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    const std::set<std::string> voidElements = {"meta", "br", "hr", "img", "link", "col", "wbr"};
    const std::regex tag(R"(<!--[^]*?-->|<!|<(/?)([A-Za-z0-9]*))");
    std::vector<std::string> open;
    std::set<std::string> seen;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m.str().rfind("<!", 0) == 0) continue;  // comments and the doctype
        const std::string name = m[2];
        ASSERT_FALSE(name.empty()) << "a stray '<' at byte " << m.position();
        seen.insert(name);
        if (voidElements.count(name)) continue;
        if (m[1].length() == 0) {
            open.push_back(name);
            continue;
        }
        ASSERT_FALSE(open.empty()) << "</" << name << "> closes nothing";
        ASSERT_EQ(open.back(), name) << "</" << name << "> closes <" << open.back() << ">";
        open.pop_back();
    }
    EXPECT_TRUE(open.empty()) << "<" << (open.empty() ? "" : open.back()) << "> is never closed";
    for (const char* element : {"html", "head", "title", "body", "table"}) EXPECT_TRUE(seen.count(element)) << element;
}

