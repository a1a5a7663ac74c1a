#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/frame.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"
#include "ui/star_map_screen.h"

namespace {

// A started game on the star map at Pluto, Sol's outermost planet.
struct OnTheMap {
    TempWorkDir dir;
    platform::HeadlessPlatform p;
    App app{p};

    OnTheMap() {
        dir.writeMinimalGameData();
        for (const char* file : {"sonne.bmp", "rot.bmp", "blau.bmp", "weiss.bmp"}) dir.writeBitmap(file, 8, 8, 0x808080);
        app.clockSource = [] { return 1234u; };
        EXPECT_TRUE(Init(app));
        app.game.planetenpos = 8;
        app.game.render = 1;
    }
    // The frame, then its 3D picture drawn again to look at (the flip
    // forgets the draws).
    void frameAndScene() {
        render_frame(app);
        p.draws.clear();
        drawStarMapScene(p, app.assets, app.meshes, app.game);
    }
    platform::TextureId texture(TextureName name) const { return app.assets.texture[name]; }
};

}  // namespace

TEST(StarMapFrame, EveryVisibleStarByItsTypeThenTheMarkersThenTheJump) {
    OnTheMap m;
    GameState& s = m.app.game;
    s.rotateKarte = -1.54f;  // a target lies straight up
    m.frameAndScene();
    const Picture::Sternenkarte& karte = s.picture.karte;
    ASSERT_NE(karte.ziel, 0);
    const std::map<std::string_view, std::pair<float, TextureName>> kLook = {
        {"Normal", {4.0f, lpSonne1Texture}},      {"Roter Riese", {5.0f, lpSonne2Texture}},
        {"Blauer Riese", {6.0f, lpSonne3Texture}}, {"Weisser Riese", {7.0f, lpSonne4Texture}},
    };
    // Look by look (the giants, the normal stars, the rest), each look's
    // stars in index order.
    auto lookOf = [&](std::size_t i) {
        const auto look = kLook.find(eintrag(text(s.stern[i].typ)).deutsch);
        return look == kLook.end() ? std::pair{3.0f, lpSonne2Texture} : look->second;
    };
    std::vector<std::size_t> order;
    for (const char* typ : {"Roter Riese", "Normal", "Blauer Riese", "Weisser Riese", ""}) {
        for (std::size_t i = 0; i < s.stern.size(); ++i) {
            const bool other = kLook.find(eintrag(text(s.stern[i].typ)).deutsch) == kLook.end();
            if (karte.sichtbar[i] && (*typ ? eintrag(text(s.stern[i].typ)).deutsch == typ : other)) order.push_back(i);
        }
    }
    std::size_t d = 0;
    for (const std::size_t i : order) {
        const auto [size, texture] = lookOf(i);
        ASSERT_LT(d, m.p.draws.size());
        EXPECT_EQ(m.p.draws[d].vertexScale, size) << s.stern[i].name;
        EXPECT_EQ(m.p.draws[d].texture, m.texture(texture)) << s.stern[i].name;
        EXPECT_EQ(m.p.draws[d].world._41, s.stern[i].pos.x);
        EXPECT_EQ(m.p.draws[d].world._42, s.stern[i].pos.y);
        ++d;
    }
    ASSERT_GT(d, 20u);
    ASSERT_EQ(m.p.draws.size(), d + 2);  // then the white marker on the target, the red one on Sol
    EXPECT_EQ(m.p.draws[d].texture, m.texture(lpSonne4Texture));
    EXPECT_EQ(m.p.draws[d].world._41, s.stern[karte.ziel].pos.x);
    EXPECT_EQ(m.p.draws[d + 1].texture, m.texture(lpSonne2Texture));
    EXPECT_EQ(m.p.draws[d + 1].vertexScale, 10.0f);

    // Shift: the frame still shows the map from Sol, then jumps, and the
    // jump's first frame runs at once.
    const int ziel = karte.ziel;
    const int flips = m.p.flips;
    s.shift = 1;
    render_frame(m.app);
    EXPECT_EQ(m.p.flips, flips + 2);
    EXPECT_EQ(s.sternenpos, ziel);
    EXPECT_EQ(s.torsprungz, 199);
    EXPECT_EQ(s.picture.karte.standort, 0);
}

TEST(StarMapFrame, NoWhiteMarkerWithoutATarget) {
    OnTheMap m;
    m.frameAndScene();
    ASSERT_EQ(m.app.game.picture.karte.ziel, 0);
    ASSERT_GE(m.p.draws.size(), 2u);
    EXPECT_EQ(m.p.draws.back().texture, m.texture(lpSonne2Texture));
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
    EXPECT_STREQ(m.app.ErrStr, "Error Loading Direct3D X File");
}
