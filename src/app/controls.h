#pragma once

#include "app/app.h"

// What a window message meant for the shell.
enum class WindowEvent { None, Destroyed };

// Handles one window message: keys and pad buttons become the actions they
// are bound to, which set flags and a few values directly; the pad's stick
// is noted for the next frame; losing the focus pauses (if so set); the
// window being destroyed is reported, for the shell to end the program.
// While the settings screen is open, the keys and buttons work it instead.
WindowEvent WindowProc(App& app, const platform::Message& message);

// The mouse read at the start of every frame: folds the buffered mouse
// records into the mouse flags, the speed and the turn rates; then the
// pad's stick turns the ship and held pad buttons repeat.
void readMouse(App& app);

// After every frame: the releases that came before the frame saw their
// press happen now, so that every press acts at least once.
void afterFrame(App& app);

// An action pressed or released, as its key or button does it.
void aktionDruecken(App& app, Aktion a);
void aktionLoslassen(App& app, Aktion a);

// Saves the autosave, unless the ship is destroyed; when it cannot be
// written the cockpit says so, and as the game ends (`amEnde`) a box too.
void autosave(App& app, bool amEnde = false);
