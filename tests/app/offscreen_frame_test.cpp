#include <gtest/gtest.h>

#include "app/app.h"
#include "app/frame.h"
#include "platform/sdl/sdl_platform.h"
#include "support/temp_dir.h"

#include <filesystem>

// One real frame through OpenGL: the 3D view fills the left 768 x 768 square,
// the panel bitmap the right 256 columns, and the radar bitmap sits in the
// top-left corner with black as transparent.
TEST(OffscreenFrame, ViewPanelAndRadarSitWhereTheyBelong) {
    TempWorkDir dir;
    dir.writeMinimalGameData();
    dir.writeBitmap("Zeichensatz.bmp", 512, 48, 0x000000);
    dir.writeBitmap("Vordergrund.bmp", 256, 768, 0x3060A0);
    platform::Image radar(192, 192, 0x000000);
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 192; ++x) {
            if (x < 8 || y < 8 || x >= 184 || y >= 184) radar.at(x, y) = 0x20C020;  // a frame
        }
    }
    dir.writeBitmap("RadarBack.bmp", radar);

    auto p = platform::createSdlPlatform();
    App app(*p);
    app.clockSource = [] { return 1u; };
    ASSERT_TRUE(Init(app)) << (app.ErrStr ? app.ErrStr : "");
    render_frame(app);
    const platform::Image shot = p->readBackBuffer();
    ASSERT_EQ(shot.width, 1024);
    ASSERT_EQ(shot.height, 768);

    EXPECT_EQ(shot.at(768, 0), 0x3060A0u);
    EXPECT_EQ(shot.at(1023, 767), 0x3060A0u);
    EXPECT_EQ(shot.at(900, 400), 0x3060A0u);
    EXPECT_EQ(shot.at(767, 400), 0x000000u);  // the cleared 3D view
    EXPECT_EQ(shot.at(400, 400), 0x000000u);
    EXPECT_EQ(shot.at(2, 100), 0x20C020u);    // the radar's frame
    EXPECT_EQ(shot.at(96, 96), 0x000000u);    // its black shows the view
    EXPECT_EQ(shot.at(195, 100), 0x000000u);
    Cleanup(app);
}

// Earth's location with the game's own data set: the panel, the crosshair
// and the radar stand where the cockpit puts them.
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
