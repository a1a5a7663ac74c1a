#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace

// Dropping what the view cannot show changes no pixel: at Earth with the
// whole field in range, forwards and in the rear view, with the headlight.
TEST(OffscreenCulling, CulledAndUnculledFramesAreTheSame) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(DATA_DIR);
    platform::SdlPlatform p;
    App app(p);
    app.clockSource = [] { return 1u; };
    ASSERT_TRUE(Init(app)) << (app.ErrStr ? app.ErrStr : "");
    app.game.SIGHT = 40000.0f;
    app.game.speed = 40.0f;  // somewhere into the field
    for (int i = 0; i < 30; ++i) render_frame(app);

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
    Cleanup(app);
    std::filesystem::current_path(previous);
}
