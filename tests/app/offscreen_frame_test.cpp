#include <gtest/gtest.h>

#include "app/app.h"
#include "app/frame.h"
#include "platform/sdl/sdl_platform.h"

#include <filesystem>

// One real frame through OpenGL at Earth with the game's own data set: the
// 3D view fills the left 768 x 768 square, the panel bitmap the right 256
// columns; the crosshair, the radar (its black letting the view through) and
// the text stand where the cockpit puts them.
TEST(OffscreenFrame, EarthWithTheRealDataSet) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(DATA_DIR);
    auto p = platform::createSdlPlatform();
    App app(*p);
    app.clockSource = [] { return 1u; };
    ASSERT_TRUE(Init(app)) << (app.ErrStr ? app.ErrStr : "");
    render_frame(app);
    const platform::Image shot = p->readBackBuffer();
    const platform::Image& panel = *p->surface(app.assets.bitmap[lpVordergrund]);
    const platform::Image& cross = *p->surface(app.assets.bitmap[lpDDSFadenV]);
    const platform::Image& radar = *p->surface(app.assets.bitmap[lpDDSRadarBack]);

    // The panel's left edge, where no text or symbol goes.
    for (int y : {4, 200, 400, 760}) EXPECT_EQ(shot.at(769, y), panel.at(1, y)) << y;
    EXPECT_EQ(shot.at(1023, 767), panel.at(255, 767));
    // The vertical crosshair bars above and below the centre.
    EXPECT_EQ(shot.at(383, 310), cross.at(1, 10));
    EXPECT_EQ(shot.at(383, 460), cross.at(1, 56));
    // The radar's rim (away from the spheres at its centre), and its black
    // corner letting the view through.
    EXPECT_EQ(shot.at(96, 5), radar.at(96, 5));
    EXPECT_NE(radar.at(96, 5), 0u);
    EXPECT_EQ(radar.at(2, 2), 0u);
    // The location line reads "Erde": the font's 'E' cell at (776, 72).
    const platform::Image& font = *p->surface(app.assets.zeichensatz);
    bool same = true;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) same = same && shot.at(776 + x, 72 + y) == font.at((69 - 64) * 16 + x, 16 + y);
    }
    EXPECT_TRUE(same);
    Cleanup(app);
    std::filesystem::current_path(previous);
}
