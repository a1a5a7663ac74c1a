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
