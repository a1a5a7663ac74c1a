#include <gtest/gtest.h>

#include <filesystem>

#include "app/app.h"
#include "app/frame.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"
#include "ui/star_map_screen.h"

using platform::HeadlessPlatform;

namespace {

// A started game on the star map at Pluto, Sol's outermost planet.
struct OnTheMap {
    TempWorkDir dir;
    HeadlessPlatform p;
    App app{p};

    OnTheMap() {
        dir.writeMinimalGameData();
        for (const char* file : {"sonne.bmp", "rot.bmp", "blau.bmp", "weiss.bmp"}) dir.writeBitmap(file, 8, 8, 0x808080);
        app.clockSource = [] { return 1234u; };
        EXPECT_TRUE(Init(app));
        s().planetenpos = 8;
        s().render = 1;
    }
    GameState& s() { return app.game; }

    // The frame, then its 3D picture drawn again to look at (the flip
    // forgets the draws).
    void frameAndScene() {
        render_frame(app);
        p.draws.clear();
        drawStarMapScene(p, app.assets, app.meshes, app.game);
    }
};

}  // namespace

TEST(StarMapFrame, EveryVisibleStarAndTheMarkersAreDrawnThenTheJumpFollows) {
    OnTheMap m;
    m.s().rotateKarte = -1.54f;  // a target lies straight up
    m.frameAndScene();
    const Picture::Sternenkarte& karte = m.s().picture.karte;
    ASSERT_NE(karte.ziel, 0);
    int visible = 0;
    for (bool seen : karte.sichtbar) visible += seen;
    ASSERT_GT(visible, 20);
    EXPECT_EQ(static_cast<int>(m.p.draws.size()), visible + 2);  // the white and the red marker
    EXPECT_EQ(m.p.draws.back().vertexScale, 10.0f);
    EXPECT_EQ(m.p.draws.back().texture, m.app.assets.texture[lpSonne2Texture]);
    EXPECT_EQ(m.p.draws[m.p.draws.size() - 2].texture, m.app.assets.texture[lpSonne4Texture]);
    // Stars by type: a yellow "Normal" of size 4, the others as the table says.
    for (std::size_t i = 0, d = 0; i < m.s().stern.size(); ++i) {
        if (!karte.sichtbar[i]) continue;
        const Stern& stern = m.s().stern[i];
        const float size = stern.typ == GameText("Normal~")           ? 4.0f
                           : stern.typ == GameText("Roter Riese~")    ? 5.0f
                           : stern.typ == GameText("Blauer Riese~")   ? 6.0f
                           : stern.typ == GameText("Weisser Riese~")  ? 7.0f
                                                                      : 3.0f;
        EXPECT_EQ(m.p.draws[d].vertexScale, size) << stern.name.str();
        EXPECT_EQ(m.p.draws[d].texture,
                  m.app.assets.texture[size == 4.0f   ? lpSonne1Texture
                                       : size == 6.0f ? lpSonne3Texture
                                       : size == 7.0f ? lpSonne4Texture
                                                      : lpSonne2Texture]);
        EXPECT_EQ(m.p.draws[d].world._41, stern.pos.x);
        ++d;
    }
    EXPECT_EQ(m.s().render, 1);

    // Shift: the frame still shows the map from Sol, then jumps and the
    // jump's first frame runs at once.
    const int ziel = karte.ziel;
    m.s().shift = 1;
    const int flips = m.p.flips;
    render_frame(m.app);
    EXPECT_EQ(m.p.flips, flips + 2);
    EXPECT_EQ(m.s().sternenpos, ziel);
    EXPECT_EQ(m.s().render, 3);
    EXPECT_EQ(m.s().torsprungz, 199);
    EXPECT_EQ(m.s().picture.karte.standort, 0);
}

TEST(StarMapFrame, NoWhiteMarkerWithoutATarget) {
    OnTheMap m;
    m.frameAndScene();
    ASSERT_EQ(m.s().picture.karte.ziel, 0);
    ASSERT_FALSE(m.p.draws.empty());
    ASSERT_NE(m.app.assets.texture[lpSonne2Texture], 0);
    EXPECT_EQ(m.p.draws.back().texture, m.app.assets.texture[lpSonne2Texture]);
    EXPECT_NE(m.p.draws[m.p.draws.size() - 2].vertexScale, 10.0f);
}

TEST(StarMapFrame, TheSunMeshReadAgainAtEveryStarGateReplacesTheOld) {
    OnTheMap m;
    const int live = m.p.liveMeshes();
    const std::size_t made = m.p.meshLive.size();
    for (int trip = 0; trip < 10; ++trip) m.app.reloadSunMesh();
    EXPECT_EQ(m.p.meshLive.size(), made + 10);  // ten fresh meshes
    EXPECT_EQ(m.p.liveMeshes(), live);          // and ten released
    EXPECT_EQ(m.app.ErrStr, nullptr);
    // A file that cannot be read keeps the mesh there is and says why.
    std::filesystem::remove("Kugel_newHell.x");
    const CD3DFile* kept = m.app.meshes[lpXFileSonne];
    m.app.reloadSunMesh();
    EXPECT_EQ(m.app.meshes[lpXFileSonne], kept);
    EXPECT_EQ(m.p.liveMeshes(), live);
    ASSERT_NE(m.app.ErrStr, nullptr);
    EXPECT_STREQ(m.app.ErrStr, "Error Loading Direct3D X File");
}
