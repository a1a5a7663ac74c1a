#include <gtest/gtest.h>

#include <algorithm>

#include "app/app.h"
#include "flight/flight_frame.h"
#include "flight/scene.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

using platform::HeadlessPlatform;

namespace {

// A started game in the game's own data, at Earth without its ships.
struct Game {
    TempWorkDir dir;
    HeadlessPlatform p;
    App app{p};
    Game() {
        std::filesystem::current_path(DATA_DIR);
        app.clockSource = [] { return 77u; };
        EXPECT_TRUE(Init(app));
        for (auto& ship : app.game.raumschiff) ship.reset();
    }
    // One flight frame; the textures of the scene's draws of one scale.
    std::vector<platform::TextureId> texturesAtScale(float scale) {
        flightFrame(app.game, app);
        p.draws.clear();
        drawScene(p, app.assets, app.meshes, app.game);
        std::vector<platform::TextureId> textures;
        for (const auto& d : p.draws) {
            if (d.vertexScale == scale) textures.push_back(d.texture);
        }
        return textures;
    }
    // One flight frame; how many draws of one scale the decoy adds.
    int decoyDrawsAtScale(float scale) {
        flightFrame(app.game, app);
        GameState without = app.game;
        without.picture.dummy.reset();
        return count(app.game, scale) - count(without, scale);
    }
    int count(const GameState& s, float scale) {
        p.draws.clear();
        drawScene(p, app.assets, app.meshes, s);
        return static_cast<int>(std::count_if(p.draws.begin(), p.draws.end(),
                                              [&](const auto& d) { return d.vertexScale == scale; }));
    }
};

}  // namespace

TEST(SceneCombat, ShotsGlowByCannonAndSideAndKeepTheLastLookWithoutACannon) {
    Game g;
    GameState& s = g.app.game;
    const auto& t = g.app.assets.texture;
    s.schuss[0].emplace().pos = {9000, 0, 0};  // a player's shot
    s.schuss[0]->life = 100;
    s.schuss[1].emplace().pos = {9000, 100, 0};
    s.schuss[1]->typ = kFeindSchuss;
    s.schuss[1]->life = 100;
    s.kanone = 3;
    EXPECT_EQ(g.texturesAtScale(5.0f), (std::vector<platform::TextureId>{t[lpSonne3Texture], t[lpSonne2Texture]}));
    s.kanone = 4;
    EXPECT_EQ(g.texturesAtScale(5.0f), (std::vector<platform::TextureId>{t[lpTor1Texture], t[lpSonne2Texture]}));
    s.kanone = 0;  // stations come just before: their grey stays bound
    EXPECT_EQ(g.texturesAtScale(5.0f), (std::vector<platform::TextureId>{t[lpGrauTexture], t[lpSonne2Texture]}));
}

TEST(SceneCombat, TheDecoyExplodesForAHundredFramesGrowingThenIsGone) {
    Game g;
    GameState& s = g.app.game;
    s.dummy.emplace().pos = {0, 0, 5000};
    EXPECT_GT(g.decoyDrawsAtScale(100.0f), 0);  // whole
    s.dummy->explode = 100;
    EXPECT_GT(g.decoyDrawsAtScale(10.0f), 0);  // first frame of the blast
    for (int frame = 2; frame < 100; ++frame) flightFrame(s, g.app);
    ASSERT_TRUE(s.dummy);
    EXPECT_EQ(s.dummy->explode, 1);
    EXPECT_GT(g.decoyDrawsAtScale(1000.0f), 0);  // the last and largest
    EXPECT_FALSE(s.dummy);
}
