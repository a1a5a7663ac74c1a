#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/frame.h"
#include "support/started_game.h"
#include "ui/star_map_screen.h"

// Each star's look is pinned by the star map frames in
// tests/tools/pins_test.cpp; here is the order of the draws.

namespace {

// A started game on the star map at Pluto, Sol's outermost planet.
struct OnTheMap : StartedGame {
    OnTheMap() : StartedGame({"sonne.bmp", "rot.bmp", "blau.bmp", "weiss.bmp"}) {
        s().planetenpos = 8;
        s().render = 1;
    }
    // The frame, then its 3D picture drawn again to look at (the flip
    // forgets the draws).
    void frameAndScene() {
        render_frame(app);
        p.draws.clear();
        drawStarMapScene(p, app.assets, app.meshes, s());
    }
    platform::TextureId texture(TextureName name) const { return app.assets.texture[name]; }
};

}  // namespace

// The visible stars look by look (texture and size change once per look, not
// at nearly every star), then the white marker on the target, if there is one
// other than Sol, then the red one on Sol. Shift: the frame still shows the
// map from Sol, then jumps, and the jump's first frame runs at once.
TEST(StarMapFrame, TheStarsLookByLookThenTheMarkersThenTheJump) {
    OnTheMap m;
    GameState& s = m.s();
    for (const float turn : {0.0f, -1.54f}) {  // nothing straight up; a target straight up
        s.rotateKarte = turn;
        m.frameAndScene();
        const Picture::Sternenkarte& karte = s.picture.karte;
        const std::size_t stars = static_cast<std::size_t>(std::count(karte.sichtbar.begin(), karte.sichtbar.end(), true));
        const std::size_t markers = karte.ziel == 0 ? 1 : 2;
        ASSERT_GT(stars, 20u);
        ASSERT_EQ(m.p.draws.size(), stars + markers) << turn;
        std::set<std::pair<platform::TextureId, float>> looks;
        for (std::size_t d = 0; d < stars; ++d) {
            const std::pair look{m.p.draws[d].texture, m.p.draws[d].vertexScale};
            if (d == 0 || look != std::pair{m.p.draws[d - 1].texture, m.p.draws[d - 1].vertexScale}) {
                EXPECT_TRUE(looks.insert(look).second) << "a look's stars apart at draw " << d;
            }
        }
        if (karte.ziel != 0) {
            EXPECT_EQ(m.p.draws[stars].texture, m.texture(lpSonne4Texture));
            EXPECT_EQ(m.p.draws[stars].world._41, s.stern[karte.ziel].pos.x);
        }
        EXPECT_EQ(m.p.draws.back().texture, m.texture(lpSonne2Texture));
        EXPECT_EQ(m.p.draws.back().vertexScale, 10.0f);
        EXPECT_EQ(turn == 0.0f, karte.ziel == 0);
    }

    const int ziel = s.picture.karte.ziel;
    const int flips = m.p.flips;
    s.shift = 1;
    render_frame(m.app);
    EXPECT_EQ(m.p.flips, flips + 2);
    EXPECT_EQ(s.sternenpos, ziel);
    EXPECT_EQ(s.torsprungz, 199);
    EXPECT_EQ(s.picture.karte.standort, 0);
}

// Each star gate reads the sun's mesh again and gives the old one back (a
// failed read: in the shell test).
TEST(StarMapFrame, TheSunMeshReadAgainAtEveryStarGateReplacesTheOld) {
    OnTheMap m;
    const int live = m.p.liveMeshes();
    const std::size_t made = m.p.meshLive.size();
    for (int trip = 0; trip < 10; ++trip) m.app.reloadSunMesh();
    EXPECT_EQ(m.p.meshLive.size(), made + 10);  // ten fresh meshes
    EXPECT_EQ(m.p.liveMeshes(), live);          // and ten released
    EXPECT_EQ(m.app.ErrStr, nullptr);
}
