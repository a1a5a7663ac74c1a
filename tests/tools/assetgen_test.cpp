// The whole data set as the generator writes it at every build.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

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
}
