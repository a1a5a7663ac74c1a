#pragma once

#include <cstdint>
#include <vector>

#include "platform/d3d_vector.h"

// The nine sound effects, by what sets them off; the asset list names each
// one's file by its number.
enum Klang : int {
    kAufprall = 1,    // bouncing off an asteroid or a station; the mining asteroid refuses
    kKanonenschuss,   // the player's cannon fires
    kRaketenwarnung,  // an enemy missile is in flight (never cuts another effect off)
    kTorsprung,       // into a gate, or the jump from the star map
    kKlick,           // a purchase or sale at a station
    kEinschlag,       // a giga bomb; an enemy shot or missile hits the ship or the decoy
    kTreffer,         // a shot hits a station or a ship
    kBergbau,         // an accelerator placed on the mining asteroid
    kAbschuss,        // an enemy ship destroyed
};

// What the rules ask of the shell while they run: a sound effect, the two
// lights, the sun mesh read afresh, and the millisecond clock that seeds every
// arrival. The shell hands its own in; tests and tools hand in QuietServices.
// Nothing of it is kept in the game state, so a state can be copied freely.
class Services {
public:
    virtual ~Services() = default;
    virtual void Sound(Klang effekt) = 0;
    virtual void setMainLight() = 0;          // light 0, on every location build
    virtual void SetSpotlight(const D3DVECTOR& position, const D3DVECTOR& direction) = 0;
    virtual void reloadSunMesh() = 0;         // on entering the star gate
    virtual std::uint32_t timeGetTime() = 0;  // milliseconds
};

// No sound, no lights, and a clock that reads what it is set to. It notes
// what was asked of it, for tests to look at.
class QuietServices final : public Services {
public:
    explicit QuietServices(std::uint32_t clockValue = 0) : clock(clockValue) {}

    void Sound(Klang effekt) override { sounds.push_back(effekt); }
    void setMainLight() override {}
    void SetSpotlight(const D3DVECTOR&, const D3DVECTOR&) override {}
    void reloadSunMesh() override { ++sunReloads; }
    std::uint32_t timeGetTime() override { return clock; }

    std::uint32_t clock;
    std::vector<int> sounds;
    int sunReloads = 0;
};
