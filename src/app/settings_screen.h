#pragma once

#include "app/app.h"

// The settings screen, reached from the options menu. While it is open the
// game stands still and every key and button works the screen: the arrows
// (or the pad's d-pad) pick a row and change its value, Return (pad A)
// binds the row's action to the next key or button pressed or takes the
// row, Esc (pad B) goes back. Every change takes effect at once and is
// saved.

void openSettings(App& app);
void settingsInput(App& app, const platform::Message& message);
// One picture of the screen, and its message counted down.
void settingsFrame(App& app);

// The settings in effect: the file's, unless the command line chose a
// window or a render scale for this run.
Einstellungen settingsInEffect(const App& app);
platform::RenderScale renderScale(Aufloesung a);
// Makes changed settings take effect: the language, the window, the render
// scale, the volume.
void applySettings(App& app);
