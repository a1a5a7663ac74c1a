#pragma once

#include <array>
#include <bitset>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/assets.h"
#include "platform/meshes.h"
#include "platform/platform.h"
#include "app/language_choice.h"
#include "save/settings.h"
#include "world/game_state.h"

// What the input has left between two messages: which actions were pressed
// since the last frame began (a release of one of them waits until after
// the next frame), the pad's buttons held and the actions they pressed, for
// how many frames, and where its stick stands.
struct Eingabe {
    std::bitset<kAktionen> gedruecktSeitFrame;
    std::vector<Aktion> aufgeschoben;
    bool mausLinksLos = false;  // a left click released in the frame it was read
    std::array<std::optional<Aktion>, 32> padGedrueckt{};
    std::array<int, 32> padGehalten{};
    int stickX = 0, stickY = 0;
    bool stickAktiv = false;
};

// The running program: the platform it draws on, the game, what it draws
// with, and the shell's own state. It is also what the game's rules ask of
// the shell: sound, lights, the sun mesh and the clock.
struct App final : Services {
    explicit App(platform::Platform& p) : platform(p) {}

    platform::Platform& platform;
    GameState game;
    Assets assets;
    Meshes meshes;
    Sprache sprache;            // the language the game speaks
    std::string sprachwunsch = "de";  // the one to speak; empty: the desktop's

    const char* ErrStr = nullptr;  // the error text shown when the program ends
    std::string errorDetail;       // shown below it, when there is more to say
    std::int32_t paused = 0;       // while set, no frame runs; the picture says "Pause"
    std::uint32_t pauseBild = 0;   // when the paused picture was last drawn (0: not yet)
    Einstellungen einstellungen;   // as the settings file has them
    std::filesystem::path einstellungsdatei;  // where changes are saved; empty: nowhere
    // What the command line chose for this run only, until the player
    // chooses otherwise on the settings screen.
    bool fensterAufRuf = false;
    std::optional<Aufloesung> aufloesungAufRuf;
    Einstellungsbild einstellungsbild;  // the settings screen, while open
    Eingabe eingabe;
    bool endeGesichert = false;    // the game ends and its autosave is written
    std::map<std::string, std::array<platform::SurfaceId, 4>> schilder;  // the plates by language
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

    void Sound(Klang effekt) override;
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

// The manual in the language the game speaks.
std::string manualFile(const App& app);

// The cockpit's plates with the words of the language the game speaks
// (their files with the language before ".bmp"; German's without), loaded
// once each; where a language has none, the German ones.
void languagePlates(App& app);
