#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/frame.h"
#include "app/input_script.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

using platform::HeadlessPlatform;
using platform::Message;
namespace vk = platform::vk;

TEST(InputScript, ReadsWhatItWritesAndRejectsNonsense) {
    const std::string text =
        "# a comment\n"
        "\n"
        "0 keydown Shift\n"
        "3 keyup 0xe1\n"
        "4 mouse 8 -120\n"
        "7 clock 4242\n"
        "9 keydown F9\n"
        "10 keydown W\n"
        "11 pad down lefttrigger\n"
        "12 pad axis 1 -20000\n"
        "13 focus lost\n"
        "14 pad remove\n";
    std::string error;
    const auto events = parseInputScript(text, error);
    ASSERT_TRUE(events) << error;
    ASSERT_EQ(events->size(), 10u);
    EXPECT_EQ((*events)[1].key, vk::Shift);
    EXPECT_EQ((*events)[2].data, -120);
    EXPECT_EQ((*events)[3].clock, 4242u);
    std::string again;
    for (const ScriptEvent& e : *events) again += formatScriptEvent(e) + "\n";
    EXPECT_EQ(again, "0 keydown Shift\n3 keyup Shift\n4 mouse 8 -120\n7 clock 4242\n9 keydown F9\n10 keydown W\n"
                     "11 pad down lefttrigger\n12 pad axis 1 -20000\n13 focus lost\n14 pad remove\n");

    for (const char* bad : {"x keydown Shift\n", "1 keydown Hyper\n", "1 jump\n", "1 mouse 8\n", "-1 keyup Up\n",
                            "1 keyup Up extra\n", "1 pad down z\n", "1 pad axis 1\n", "1 focus up\n"}) {
        EXPECT_FALSE(parseInputScript(bad, error)) << bad;
        EXPECT_NE(error.find("line 1"), std::string::npos);
    }
}

// A session recorded while playing replays to the same state.
TEST(InputScript, RecordedSessionReplaysTheSame) {
    TempWorkDir dir;
    dir.writeMinimalGameData();

    auto play = [](App& app, HeadlessPlatform&, const std::function<void(int)>& input) {
        EXPECT_TRUE(Init(app));
        for (int frame = 0; frame < 40; ++frame) {
            input(frame);
            while (mainLoopPass(app) == Pass::Message) {
            }
        }
    };

    HeadlessPlatform live;
    live.setMilliseconds(777);
    App recorded(live);
    {
        InputRecorder recorder("session.rec", recorded);
        play(recorded, live, [&](int frame) {
            if (frame == 2) live.postMessage({Message::KeyDown, vk::Shift});
            if (frame == 3) live.postMessage({Message::KeyDown, vk::Shift});
            if (frame == 5) live.postMessage({Message::KeyUp, vk::Shift});
            if (frame == 8) live.postMessage({Message::KeyDown, vk::Left});
            if (frame == 9) live.postMouse({platform::mouse::Y, 30u, 0, 0});
            if (frame == 20) live.postMessage({Message::KeyUp, vk::Left});
        });
    }

    std::ifstream in("session.rec");
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    auto events = parseInputScript(text.str(), error);
    ASSERT_TRUE(events) << error;

    HeadlessPlatform replayPlatform;
    replayPlatform.setMilliseconds(5);  // another clock: the recording brings its own
    App replayed(replayPlatform);
    InputPlayer player(std::move(*events), replayed, 0);
    play(replayed, replayPlatform, [&](int frame) { player.beforeFrame(frame); });

    const GameState& a = recorded.game;
    const GameState& b = replayed.game;
    EXPECT_EQ(a.speed, b.speed);
    EXPECT_EQ(D3DVECTOR(a.x, a.y, a.z), D3DVECTOR(b.x, b.y, b.z));
    EXPECT_EQ(a.blickrichtung, b.blickrichtung);
    EXPECT_EQ(a.nick, b.nick);
    EXPECT_EQ(a.uran, b.uran);  // the arrival was seeded with the recorded clock
    EXPECT_FLOAT_EQ(a.speed, 9.0f);
    EXPECT_NE(a.blickrichtung, D3DVECTOR(1, 0, 0));
}
