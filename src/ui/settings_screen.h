#pragma once

#include <string>

#include "platform/assets.h"
#include "platform/platform.h"
#include "save/settings.h"
#include "ui/texte.h"

// The settings screen over a black 3D view beside the panel: its rows with
// the cursor, each setting's value, each action's keys (as the player's
// layout labels them) and pad button; below them the question, the
// message and how to work the screen.
void drawSettingsScreen(platform::Platform& p, const Assets& assets, const Texte& texte, const Einstellungen& e,
                        const Einstellungsbild& bild, const std::string& sprache);

// "Pause" in the middle of the 3D view.
void drawPauseSign(platform::Platform& p, const Assets& assets, const Texte& texte);

// What a gamepad's button is called on the screen, in five cells at most.
std::string padLabel(int knopf);
