#include <gtest/gtest.h>

#include "flight/flight_frame.h"
#include "flight/flight_step.h"
#include "support/test_world.h"

namespace {

GameState quietEarth() {
    GameState s = freshWorld();
    for (auto& ship : s.raumschiff) ship.reset();
    return s;
}

}  // namespace

// Where the scene is drawn the frame picks the gates' and the decoy's look,
// four draws each, and shows a flash once.
TEST(FlightFrame, EightFlickerDrawsAndAFlashThatShowsOnce) {
    GameState framed = quietEarth(), stepped = quietEarth();
    QuietServices quiet;
    framed.blitz = 1;
    flightFrame(framed, quiet);
    flightStep(stepped, quiet);
    EXPECT_EQ(framed.rng.draws() - stepped.rng.draws(), 8u);
    EXPECT_TRUE(framed.picture.grauerHimmel);
    EXPECT_EQ(framed.blitz, 0);
    flightFrame(framed, quiet);
    EXPECT_FALSE(framed.picture.grauerHimmel);

    int seen[5] = {};
    Random rng;
    for (int i = 0; i < 4000; ++i) ++seen[flickerDraw(rng)];
    // Each draw may pick the next rarer look: 1/2, 1/4, 1/8, 1/16.
    EXPECT_NEAR(seen[4] / 4000.0, 1 / 16.0, 0.015);
    EXPECT_NEAR(seen[3] / 4000.0, 15 / 16.0 / 8, 0.015);
    EXPECT_NEAR(seen[0] / 4000.0, 1 / 2.0 * 3 / 4 * 7 / 8 * 15 / 16, 0.02);
}

// A message shows while its counter is above 0: set to 2, it shows in two
// frames and counts to 0.
TEST(FlightFrame, MessagesShowAsLongAsTheirCounters) {
    GameState s = quietEarth();
    QuietServices quiet;
    s.sightchg = 2;
    s.beutezaehler = 1;
    s.bergbaumeldungz = 3;
    s.missionsmeldungz = 4;
    std::string shown;
    for (int frame = 0; frame < 5; ++frame) {
        flightFrame(s, quiet);
        shown += std::to_string(s.picture.sichtMeldung) + std::to_string(s.picture.beuteMeldung) +
                 std::to_string(s.picture.bergbauMeldung) + std::to_string(s.picture.missionsMeldung) + " ";
    }
    EXPECT_EQ(shown, "1111 1011 0011 0001 0000 ");
    EXPECT_EQ(s.sightchg + s.beutezaehler + s.bergbaumeldungz + s.missionsmeldungz, 0);
}
