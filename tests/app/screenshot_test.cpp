#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/app.h"
#include "app/frame.h"
#include "app/screenshot.h"
#include "platform/headless/headless_platform.h"
#include "support/font_cells.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using platform::HeadlessPlatform;

namespace {

void setOrClear(const char* name, const std::string& value) {
    if (value.empty()) unsetenv(name); else setenv(name, value.c_str(), 1);
}

}  // namespace

// F12 and Print save the picture where the freedesktop folders say; the
// picture says how it went for a while, in flight and on the star map.
TEST(Screenshot, KeySavesIntoTheUsersFolderAndThePictureSaysSo) {
    struct Case {
        const char* what;
        std::string pictures;  // XDG_PICTURES_DIR, relative to the test's folder
        int key;
        int render;
        std::string folder;    // where the picture lands, relative; empty: nowhere
        std::string message;
    };
    const Case cases[] = {
        {"pictures folder", "Bilder", platform::vk::F12, 0, "Bilder/Sternfahrt", "Bildschirmfoto gespeichert"},
        {"no pictures folder", "", platform::vk::Snapshot, 1, "home/.local/share/sternfahrt/Bildschirmfotos",
         "Bildschirmfoto gespeichert"},
        {"a file in the way", "Datei", platform::vk::F12, 0, "", "Bildschirmfoto: Ordner nicht beschreibbar"},
    };
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempWorkDir dir;
        dir.writeMinimalGameData();
        std::ofstream("Datei") << "not a folder";
        setOrClear("XDG_PICTURES_DIR", c.pictures.empty() ? "" : (dir.path() / c.pictures).string());
        setOrClear("HOME", (dir.path() / "home").string());
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
        HeadlessPlatform p;
        App app(p);
        app.clockSource = [] { return 1u; };
        ASSERT_TRUE(Init(app));
        app.game.render = c.render;
        render_frame(app);
        p.postMessage({platform::Message::KeyDown, c.key});
        while (mainLoopPass(app) == Pass::Message) {
        }
        p.screenshots.finish();
        p.tracing = true;
        render_frame(app);
        EXPECT_EQ(textRow(p, app.assets.zeichensatz, 732, 768), c.message);
        if (!c.folder.empty()) {
            const fs::path folder = dir.path() / c.folder;
            ASSERT_TRUE(fs::is_directory(folder));
            const auto file = fs::directory_iterator(folder)->path();
            EXPECT_EQ(file.extension(), ".png");
            EXPECT_EQ(file.stem().string().rfind("Sternfahrt_20", 0), 0u) << file;
        }
        for (int i = 1; i < kFotomeldungFrames; ++i) render_frame(app);
        p.shown.clear();
        render_frame(app);
        EXPECT_EQ(textRow(p, app.assets.zeichensatz, 732, 768), "");
        Cleanup(app);
    }
    unsetenv("XDG_PICTURES_DIR");
    setOrClear("HOME", home);
}
