#pragma once

#include <optional>

#include "platform/assets.h"
#include "platform/platform.h"
#include "ui/texte.h"
#include "world/game_state.h"

// The screenshot key's texts, by GameState::fotomeldung (1 saved, 2 disk
// full, 3 folder not writable, 4 failed otherwise); none for any other
// number.
std::optional<TextId> screenshotText(int fotomeldung);

// The message the frame shows about the last screenshot, at the foot of the
// 3D view, in every mode.
void drawScreenshotMessage(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s);
