#pragma once

#include "platform/assets.h"
#include "platform/platform.h"
#include "world/game_state.h"

// The screens that are not built yet. Each says so, and how to go on, so
// that nobody is stuck in them.


// The options menu over the flight view.
void drawOptionsMenuPlaceholder(platform::Platform& p, const Assets& assets);
