#include <gtest/gtest.h>

#include <fstream>

#include "platform/asset_manifest.h"
#include "platform/data_files.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace platform;

// The places looked at, in order, and the first that holds the font wins;
// the lookup by name follows the directory set.
TEST(DataFiles, FoundBesideTheExecutableInstalledOrBuilt) {
    TempWorkDir dir;
    const fs::path bin = dir.path() / "usr" / "bin";
    const auto candidates = dataCandidates(bin, "../share/sternfahrt");
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], dir.path() / "usr" / "share" / "sternfahrt");
    EXPECT_EQ(candidates[1], bin / "data");
    EXPECT_TRUE(dataCandidates({}, "../share/sternfahrt").empty());

    struct Case {
        std::vector<fs::path> fonts;  // where the font lies
        fs::path found;
        std::size_t looked;
    };
    const Case cases[] = {
        {{}, {}, 2},
        {{candidates[1]}, candidates[1], 2},
        {{candidates[0], candidates[1]}, candidates[0], 1},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir.path() / "usr");
        for (const fs::path& place : c.fonts) {
            fs::create_directories(place);
            std::ofstream(place / "Zeichensatz.bmp") << "BM";
        }
        const DataSearch search = findDataDirectory(candidates);
        EXPECT_EQ(search.found, c.found);
        EXPECT_EQ(search.looked.size(), c.looked);
    }
    // A directory with the font but little else is still the data directory;
    // what it lacks is named.
    const auto missing = missingDataFiles(candidates[0]);
    EXPECT_EQ(missing.size(), std::size(kAssetFiles) - 1);
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "Zeichensatz.bmp"), 0);
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "Spielanleitung.htm"), 1);

    EXPECT_EQ(dataFile("Mars.bmp"), "Mars.bmp");
    setDataDirectory(candidates[0]);
    EXPECT_EQ(dataFile("Mars.bmp"), (candidates[0] / "Mars.bmp").string());
    EXPECT_EQ(manualFile(), (candidates[0] / "Spielanleitung.htm").string());
    setDataDirectory({});
}
