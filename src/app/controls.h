#pragma once

#include "app/app.h"

// What a window message meant for the shell.
enum class WindowEvent { None, Destroyed };

// Handles one window message: keys set flags and a few values directly; the
// window being destroyed is reported, for the shell to end the program.
WindowEvent WindowProc(App& app, const platform::Message& message);

// The mouse read at the start of every frame: folds the buffered mouse
// records into the mouse flags, the speed and the turn rates.
void readMouse(App& app);
