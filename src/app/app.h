#pragma once

#include <functional>
#include <string>

#include "platform/assets.h"
#include "platform/meshes.h"
#include "platform/platform.h"
#include "world/game_state.h"

// The running program: the platform it draws on, the game, what it draws
// with, and the shell's own state. It is also what the game's rules ask of
// the shell: sound, lights, the sun mesh and the clock.
struct App final : Services {
    explicit App(platform::Platform& p) : platform(p) {}

    platform::Platform& platform;
    GameState game;
    Assets assets;
    Meshes meshes;

    const char* ErrStr = nullptr;  // the error text shown when the program ends
    std::string errorDetail;       // shown below it, when there is more to say
    std::int32_t paused = 0;       // while set, no frame is drawn
    bool cleanedUp = false;

    // Where arrivals take their seed from instead of the platform's clock
    // (the input player uses it for reproducible runs).
    std::function<std::uint32_t()> clockSource;
    // Sees every window message and mouse record the game takes, with the
    // frame it arrived in (the input recorder).
    std::function<void(const platform::Message&)> onMessage;
    std::function<void(const platform::MouseEvent&)> onMouse;
    std::function<void(std::uint32_t)> onClock;  // each clock value read for a seed
    std::int64_t frame = 0;  // frames drawn so far
    // Off, a frame simulates and flips without drawing its picture (the
    // soak test runs most of its frames so).
    bool drawPictures = true;

    void Sound(int n) override;
    void setMainLight() override;
    void SetSpotlight(const D3DVECTOR& position, const D3DVECTOR& direction) override;
    void reloadSunMesh() override;
    std::uint32_t timeGetTime() override;
};

// Start-up: window, display, device, assets and world, lights, mouse. Stops
// at the first step that fails.
bool Init(App& app);

// Releases the device and display and shows the stored error text.
void Cleanup(App& app);

// What one pass of the main loop did.
enum class Pass { Message, Frame, Paused, Quit };

// One pass of the main loop: the next window message if there is one (the
// window going ends the program: Cleanup, then the quit message), otherwise
// a frame unless the game is paused.
Pass mainLoopPass(App& app);

// The main loop: passes until the quit message. Returns the exit code, 0.
int WinMain(App& app);

// Textures, panel bitmaps, meshes, the world's objects, the universe and a
// new game.
bool create_objects(App& app);
