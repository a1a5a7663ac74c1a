#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/app.h"
#include "app/frame.h"
#include "flight/flight_step.h"
#include "flight/scene.h"
#include "platform/device_setup.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// The flight view drawn once more from the state the last frame left.
platform::Image drawView(platform::SdlPlatform& p, App& app, bool culling) {
    p.setCulling(culling);
    prepareFrameDevice(p, app.ErrStr);
    p.setTransform(platform::TransformState::View, flightView(app.game.picture, app.game.backsight));
    p.clear(true, 0, true, 1.0f);
    drawScene(p, app.assets, app.meshes, app.game);
    p.setCulling(true);
    return p.readBackBuffer();
}

int differingPixels(const platform::Image& a, const platform::Image& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
    return n;
}

// The game started at Earth on the real platform, and somewhere into the
// asteroid field with all of it in range.
class OffscreenCulling : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(DATA_DIR);
        app.clockSource = [] { return 1u; };
        ASSERT_TRUE(Init(app)) << (app.ErrStr ? app.ErrStr : "");
        app.game.SIGHT = 40000.0f;
        app.game.speed = 40.0f;
        for (int i = 0; i < 30; ++i) render_frame(app);
    }
    void TearDown() override {
        Cleanup(app);
        std::filesystem::current_path(previous_);
    }

    platform::SdlPlatform p;
    App app{p};

private:
    std::filesystem::path previous_;
};

}  // namespace

// Dropping what the view cannot show changes no pixel: at Earth with the
// whole field in range, forwards and in the rear view, with the headlight.
TEST_F(OffscreenCulling, CulledAndUnculledFramesAreTheSame) {
    for (int backsight : {1, -1}) {
        app.game.backsight = backsight;
        render_frame(app);
        const long culledBefore = p.culledDraws();
        const platform::Image culled = drawView(p, app, true);
        const long dropped = p.culledDraws() - culledBefore;
        const platform::Image full = drawView(p, app, false);
        EXPECT_GT(dropped, 500) << "backsight " << backsight;  // about half the field is behind
        EXPECT_EQ(differingPixels(culled, full), 0) << "backsight " << backsight;
    }
    toggle_light(p, 1);
    render_frame(app);
    EXPECT_EQ(differingPixels(drawView(p, app, true), drawView(p, app, false)), 0) << "headlight";
}

// Meshes that show only a dot or two are drawn coarse, and the picture
// keeps its dots: the whole asteroid field in range, and the star map
// zoomed out to all 545 systems, drawn coarse and in full.
TEST_F(OffscreenCulling, CoarseDistantMeshesKeepTheirDots) {
    // A picture drawn coarse or in full, and how many draws were coarse.
    auto picture = [&](bool coarse, const std::function<platform::Image()>& draw) {
        p.setCoarseDistant(coarse);
        const long before = p.coarseDraws();
        platform::Image image = draw();
        p.setCoarseDistant(true);
        return std::make_pair(image, p.coarseDraws() - before);
    };
    auto lit = [](const platform::Image& image) {
        int n = 0;
        for (std::size_t i = 0; i < image.pixels.size(); ++i) n += (image.pixels[i] & 0xFFFFFF) != 0 && i % 1024 < 768;
        return n;
    };

    auto view = [&] { return drawView(p, app, true); };
    const auto [fieldCoarse, fieldCoarseDraws] = picture(true, view);
    const auto [fieldFull, fieldFullDraws] = picture(false, view);
    EXPECT_GT(fieldCoarseDraws, 20);  // the farthest rocks
    EXPECT_EQ(fieldFullDraws, 0);
    EXPECT_LT(differingPixels(fieldCoarse, fieldFull), 100);

    app.game.planetenpos = 8;
    app.game.render = 1;
    app.game.zKarte = -4000.0f;
    render_frame(app);
    auto map = [&] {
        render_frame(app);  // nothing turns the map, so each frame is the same
        return p.readBackBuffer();
    };
    const auto [mapCoarse, mapCoarseDraws] = picture(true, map);
    const auto [mapFull, mapFullDraws] = picture(false, map);
    EXPECT_GT(mapCoarseDraws, 500);
    EXPECT_EQ(mapFullDraws, 0);
    // The stars are dots of a pixel or two: their colours may shift, but
    // they stay about as large as they were.
    EXPECT_NEAR(lit(mapCoarse), lit(mapFull), lit(mapFull) / 20);
}
