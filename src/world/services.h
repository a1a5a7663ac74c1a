#pragma once

#include <cstdint>
#include <vector>

#include "platform/d3d_vector.h"

// What the rules ask of the shell while they run: a sound effect, the two
// lights, the sun mesh read afresh, and the millisecond clock that seeds every
// arrival. The shell hands its own in; tests and tools hand in QuietServices.
// Nothing of it is kept in the game state, so a state can be copied freely.
class Services {
public:
    virtual ~Services() = default;
    virtual void Sound(int n) = 0;            // effect 1..9
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

    void Sound(int n) override { sounds.push_back(n); }
    void setMainLight() override {}
    void SetSpotlight(const D3DVECTOR&, const D3DVECTOR&) override {}
    void reloadSunMesh() override { ++sunReloads; }
    std::uint32_t timeGetTime() override { return clock; }

    std::uint32_t clock;
    std::vector<int> sounds;
    int sunReloads = 0;
};
