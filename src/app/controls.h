#pragma once

#include "app/app.h"

// The mouse read at the start of every frame: folds the buffered mouse
// records into the mouse flags, the speed and the turn rates.
void readMouse(App& app);
