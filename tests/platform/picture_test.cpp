// The picture at the display's pixels: the layout, the sharp scaling of the
// copies, the panel kept from frame to frame, multisampling, screenshots and
// the files and folders they go to.
#include <gtest/gtest.h>
#include <stb_image.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "platform/picture_file.h"
#include "platform/sdl/picture_layout.h"
#include "platform/sdl/retained_area.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/user_folders.h"
#include "support/gl_driver.h"
#include "support/temp_dir.h"

namespace {

using namespace platform;
namespace fs = std::filesystem;

TEST(PictureLayoutTest, ScaleBufferAndSamplesByDriverAndChoice) {
    struct Case {
        int w, h;
        RenderScale scale;
        bool software;
        Rect shown;
        int bufferW, bufferH, samples;
    };
    const Case cases[] = {
        {1024, 768, RenderScale::Automatic, true, {0, 0, 1024, 768}, 1024, 768, 0},
        {1920, 1080, RenderScale::Automatic, true, {240, 0, 1440, 1080}, 1024, 768, 0},
        {1920, 1080, RenderScale::Automatic, false, {240, 0, 1440, 1080}, 1440, 1080, 4},
        {1920, 1080, RenderScale::Native, true, {240, 0, 1440, 1080}, 1440, 1080, 0},
        {1920, 1080, RenderScale::Original, false, {240, 0, 1440, 1080}, 1024, 768, 4},
        {3840, 2160, RenderScale::Automatic, false, {480, 0, 2880, 2160}, 2880, 2160, 4},
        {800, 800, RenderScale::Native, false, {0, 100, 800, 600}, 800, 600, 4},
        {1280, 1024, RenderScale::Automatic, true, {0, 32, 1280, 960}, 1024, 768, 0},
    };
    for (const Case& c : cases) {
        const sdl::PictureLayout l = sdl::pictureLayout(c.w, c.h, c.scale, c.software, 8);
        EXPECT_EQ(std::tie(l.shown.x, l.shown.y, l.shown.w, l.shown.h),
                  std::tie(c.shown.x, c.shown.y, c.shown.w, c.shown.h)) << c.w << "x" << c.h;
        EXPECT_EQ(std::tie(l.buffer.width, l.buffer.height, l.samples), std::tie(c.bufferW, c.bufferH, c.samples))
            << c.w << "x" << c.h;
    }
    EXPECT_EQ(sdl::pictureLayout(1920, 1080, RenderScale::Native, false, 2).samples, 2);
    EXPECT_EQ(sdl::pictureLayout(1920, 1080, RenderScale::Native, false, 1).samples, 0);
    for (const char* name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa Software Rasterizer"}) {
        EXPECT_TRUE(sdl::isSoftwareRenderer(name)) << name;
    }
    EXPECT_FALSE(sdl::isSoftwareRenderer("AMD Radeon RX 6600 (radeonsi, navi23)"));
    // Picture edges round to buffer edges; the 3D view and the panel meet.
    const sdl::BufferScale b{1440, 1080};
    const Rect view = b.glRect({0, 0, 768, 768});
    const Rect radar = b.glRect({0, 0, 192, 192});
    EXPECT_EQ(std::tie(view.x, view.y, view.w, view.h), std::make_tuple(0, 0, 1080, 1080));
    EXPECT_EQ(std::tie(radar.x, radar.y, radar.w, radar.h), std::make_tuple(0, 810, 270, 270));
    EXPECT_EQ(b.x(768), 1080);
}

// Held copies are left out only when they are the last drawn ones exactly
// and nothing touched the area since.
TEST(RetainedAreaTest, KeepsOnlyWhatTheBufferStillShows) {
    auto copy = [](int x, int y, int w, int h, int u = 0, bool key = false) {
        return sdl::Copy{1, 0, 0, key, sdl::BlitRects{{x, y, w, h}, {u, 0, w, h}}};
    };
    const sdl::Copy panel = copy(768, 0, 256, 768), cell = copy(800, 8, 16, 16, 32),
                    other = copy(800, 8, 16, 16, 48), view = copy(100, 100, 16, 16);
    sdl::RetainedArea area;
    struct Step {
        std::vector<sdl::Copy> copies;
        std::optional<Rect> touched;  // a 3D draw after the copies
        std::size_t heldDrawn;        // copies drawn at the frame's end
    };
    const Step steps[] = {
        {{panel, cell, view}, std::nullopt, 2},      // first: drawn
        {{panel, cell, view}, std::nullopt, 0},      // the same: kept
        {{panel, other}, std::nullopt, 2},           // a cell changed
        {{panel, other}, Rect{0, 0, 768, 768}, 0},   // the view beside it: kept
        {{panel, other}, Rect{700, 0, 100, 100}, 0}, // into it: drawn at once
        {{panel, other}, std::nullopt, 2},           // so the next frame draws
        {{panel, other}, std::nullopt, 0},
        {{}, Rect{700, 0, 100, 100}, 0},             // no copies, but a 3D draw into it
        {{panel, other}, std::nullopt, 2},           // draws again
        {{copy(768, 0, 256, 768, 0, true), other}, std::nullopt, 1},  // keyed: not held
        {{panel, other}, std::nullopt, 2},           // the keyed copy changed it
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(n++);
        std::size_t held = 0;
        for (const sdl::Copy& c : step.copies) {
            const bool kept = area.hold(c);
            if (!kept) area.touch(c.rects.dest);  // as the platform does
            held += kept;
        }
        if (step.touched) area.touch(*step.touched);
        EXPECT_EQ(area.endFrame().size(), step.heldDrawn);
        EXPECT_LE(held, 2u);
    }
}

TEST(UserFoldersTest, PicturesFolderAfterTheFreedesktopConventions) {
    TempWorkDir dir;
    const std::string home = dir.path().string();
    fs::create_directories(dir.path() / ".config");
    fs::create_directories(dir.path() / "conf");
    std::ofstream(dir.path() / ".config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                           "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                                                           "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    std::ofstream(dir.path() / "conf/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME\"\n";
    struct Case {
        const char* pictures;
        std::string config;
        const char *data, *home;
        std::string expected;
    };
    const Case cases[] = {
        {"/srv/fotos", "", nullptr, home.c_str(), "/srv/fotos/Sternfahrt"},
        {nullptr, "", nullptr, home.c_str(), home + "/Bilder/Sternfahrt"},
        {"relative/fotos", "", nullptr, home.c_str(), home + "/Bilder/Sternfahrt"},
        {nullptr, home + "/conf", nullptr, home.c_str(), home + "/.local/share/sf/Fotos"},
        {nullptr, home + "/conf", "/var/data", home.c_str(), "/var/data/sf/Fotos"},
        {nullptr, "/nowhere", nullptr, home.c_str(), home + "/.local/share/sf/Fotos"},
        {nullptr, "", nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        const auto env = [&](const char* name) -> const char* {
            const std::string n = name;
            return n == "XDG_PICTURES_DIR" ? c.pictures
                   : n == "XDG_CONFIG_HOME" ? (c.config.empty() ? nullptr : c.config.c_str())
                   : n == "XDG_DATA_HOME"   ? c.data
                   : n == "HOME"            ? c.home
                                            : nullptr;
        };
        EXPECT_EQ(screenshotFolder(env, "Sternfahrt", "sf/Fotos"), c.expected) << (c.pictures ? c.pictures : "-");
    }
}

// A picture goes in whole under a free name; a folder that cannot be made
// and a full disk say so.
TEST(PictureFileTest, FreeNamesAndTheReasonsItFails) {
    TempWorkDir dir;
    const Image image(4, 3, 0x123456);
    std::string path;
    EXPECT_EQ(savePicture("a/b", "Foto", image, path), PictureSaved::Saved);
    EXPECT_EQ(path, "a/b/Foto.png");
    EXPECT_EQ(savePicture("a/b", "Foto", image, path), PictureSaved::Saved);
    EXPECT_EQ(path, "a/b/Foto-2.png");
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load("a/b/Foto-2.png", &w, &h, &channels, 3);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(std::tie(w, h, pixels[0], pixels[1], pixels[2]), std::make_tuple(4, 3, 0x12, 0x34, 0x56));
    stbi_image_free(pixels);

    std::ofstream("Datei") << "x";
    EXPECT_EQ(savePicture("Datei/fotos", "Foto", image, path), PictureSaved::NotWritable);
    // A file size limit makes the disk as good as full.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    const PictureSaved full = savePicture("a/b", "Gross", Image(64, 64, 0xABCDEF), path);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(full, PictureSaved::DiskFull);
    EXPECT_FALSE(fs::exists("a/b/Gross.png"));
    EXPECT_FALSE(fs::exists("a/b/Gross.png.part"));
    const std::pair<int, PictureSaved> reasons[] = {
        {ENOSPC, PictureSaved::DiskFull}, {EDQUOT, PictureSaved::DiskFull}, {EROFS, PictureSaved::NotWritable},
        {EACCES, PictureSaved::NotWritable}, {EIO, PictureSaved::Failed}};
    for (const auto& [error, saved] : reasons) EXPECT_EQ(pictureSavedAfter(error), saved) << error;
}

// ---------------------------------------------------------------- on the real backend

class NativePicture : public ::testing::Test {
protected:
    // A window of the given size, drawn at its own pixels.
    bool start(int width, int height, int samples = -1) {
        p.setWindowed(true);
        p.setWindowSize(width, height);
        p.setRenderScale(RenderScale::Native);
        p.setMultisampling(samples);
        const bool started = p.registerWindowClass() && p.createWindow("test") && p.createDisplay() &&
                             p.setDisplayMode() && p.createFlipChain() && p.createDirect3D() && p.createZBuffer() &&
                             p.createDevice();
        if (started) keepGlDriverLoaded();
        return started;
    }
    void TearDown() override { p.release(); }

    // A font-like surface: white strokes one texel wide on black, and a
    // red frame around a black hole for the colour key.
    SurfaceId surfaces() {
        Image cells(32, 16, 0x000000);
        for (int y = 0; y < 16; ++y) cells.at(4, y) = cells.at(y, 8) = 0xFFFFFF;
        for (int y = 0; y < 16; ++y) {
            for (int x = 16; x < 32; ++x) cells.at(x, y) = (x < 18 || y < 2) ? 0xFF0000 : 0x000000;
        }
        return p.createSurface(cells);
    }

    SdlPlatform p;
};

// At 2048 x 1536 every texel is a 2 x 2 block; at 1920 x 1080 (1.40625) a
// texel's inside keeps its colour, only a pixel at its edges blends; the
// black of a keyed copy lets what lies below show.
TEST_F(NativePicture, CopiesScaleSharplyAndTheKeyStillCutsOut) {
    for (const auto& [w, h] : {std::pair{2048, 1536}, std::pair{1920, 1080}}) {
        SCOPED_TRACE(w);
        ASSERT_TRUE(start(w, h));
        p.flip();  // the layout of the real window
        const sdl::BufferScale b = p.layout().buffer;
        ASSERT_EQ(b.width, w == 2048 ? 2048 : 1440);
        const SurfaceId cells = surfaces();
        p.setViewport(0, 0, 192, 192, 0, 1);  // the radar's square, in the buffer's pixels
        p.clear(true, 0x00FF00, true, 1.0f);
        p.blit(100, 100, cells, {0, 0, 16, 16}, false);
        p.blit(200, 100, cells, {0, 0, 16, 16}, false);
        p.blit(200, 100, cells, {16, 0, 16, 16}, true);
        const Image shot = p.readBackBuffer();
        ASSERT_EQ(shot.width, b.width);
        const float f = b.factorX();
        auto at = [&](float x, float y) { return shot.at(static_cast<int>(x * f), static_cast<int>(y * f)); };
        // A stroke one texel wide is 1.4 pixels at 1.40625: no pixel lies
        // wholly inside it, the brightest still has three quarters of it.
        const std::uint32_t stroke = w == 2048 ? 0xFFFFFF : 0xBFBFBF;
        auto strokeAt = [&](float x, float y) {
            return std::max(at(x, y) & 0xFF, at(x + 0.7f, y) & 0xFF) >= (stroke & 0xFF);
        };
        EXPECT_TRUE(strokeAt(104.0f, 101.5f));     // the stroke's middle
        EXPECT_EQ(at(102.5f, 101.5f), 0x000000u);
        EXPECT_EQ(at(106.5f, 101.5f), 0x000000u);
        EXPECT_EQ(at(200.5f, 110.5f), 0xFF0000u);  // the keyed frame over the cell
        EXPECT_TRUE(strokeAt(204.0f, 110.5f));     // the cell through its hole
        if (w == 2048) {
            for (int y = 200; y < 232; ++y) {
                for (int x = 200; x < 232; ++x) ASSERT_EQ(shot.at(x, y), at(x / 2.0f, y / 2.0f));
            }
        }
        EXPECT_EQ(shot.at(b.x(192) - 1, b.y(192) - 1), 0x00FF00u);
        EXPECT_NE(shot.at(b.x(192), b.y(192) - 1), 0x00FF00u);
        // Across the stroke one blended pixel on either side at most, and
        // between whole factors at least one: not the uneven steps of
        // nearest scaling.
        int blended = 0;
        for (int x = b.x(102); x < b.x(107); ++x) {
            const std::uint32_t c = shot.at(x, b.y(101) + 1);
            blended += c != 0 && c != 0xFFFFFF;
        }
        EXPECT_LE(blended, 2);
        if (w != 2048) {
            EXPECT_GE(blended, 1);
        }
        p.release();
    }
}

// Keeping the panel from the last frame, multisampled or not, shows what
// drawing every copy every frame shows; the screenshot is what the window
// shows.
TEST_F(NativePicture, KeptPanelMultisamplingAndScreenshotShowWhatIsDrawn) {
    TempWorkDir dir;
    ASSERT_TRUE(start(1920, 1080, 4));
    p.flip();
    EXPECT_EQ(p.layout().samples, 4);
    const SurfaceId cells = surfaces();
    const SurfaceId panel = p.createSurface(Image(256, 768, 0x3060A0));
    auto frame = [&](int n) {
        p.setViewport(0, 0, 768, 768, 0, 1);
        p.clear(true, 0x102030 * (n % 3), true, 1.0f);
        p.blit(768, 0, panel, {0, 0, 256, 768}, false);
        p.blit(800, 40, cells, {0, 0, 16, 16}, false);
        if (n == 3) p.blit(820, 40, cells, {0, 0, 16, 16}, false);
        if (n == 5) {
            p.setViewport(700, 0, 200, 200, 0, 1);  // the 3D device into the panel
            p.clear(true, 0x00FF00, true, 1.0f);
        }
        p.blit(100, 700, cells, {0, 0, 32, 16}, false);
        p.flip();
        return p.readShown();
    };
    std::vector<Image> everyCopy;
    p.setRetainedPanel(false);
    for (int n = 0; n < 8; ++n) everyCopy.push_back(frame(n));
    p.setRetainedPanel(true);
    for (int n = 0; n < 8; ++n) EXPECT_EQ(frame(n).pixels, everyCopy[n].pixels) << "frame " << n;

    ASSERT_TRUE(p.saveScreenshot((dir.path() / "fotos").string(), "bild"));
    EXPECT_FALSE(p.saveScreenshot((dir.path() / "fotos").string(), "noch eins"));
    const Image shown = frame(0);
    std::optional<PictureSaved> saved;
    for (int n = 0; n < 200 && !saved; ++n) {
        frame(0);
        saved = p.screenshotSaved();
    }
    ASSERT_EQ(saved, PictureSaved::Saved);
    int w = 0, h = 0, channels = 0;
    unsigned char* png = stbi_load((dir.path() / "fotos/bild.png").c_str(), &w, &h, &channels, 3);
    ASSERT_NE(png, nullptr);
    ASSERT_EQ(std::tie(w, h), std::tie(shown.width, shown.height));
    int differ = 0;
    for (int i = 0; i < w * h; ++i) {
        differ += shown.pixels[i] != ((std::uint32_t{png[i * 3]} << 16) | (png[i * 3 + 1] << 8) | png[i * 3 + 2]);
    }
    stbi_image_free(png);
    EXPECT_EQ(differ, 0);
}

}  // namespace
