#pragma once

#include <ctime>
#include <string>

#include "app/app.h"

// F12 or Print: the picture as shown goes into the user's pictures folder
// (Sternfahrt inside it; without one, Bildschirmfotos in the game's data
// folder under $XDG_DATA_HOME), named by date and time.
void takeScreenshot(App& app);

// Takes the platform's news of a screenshot that has been saved (or not)
// and lets the picture say so for a while; once a frame.
void screenshotNews(App& app);

// The file name of a screenshot taken at `when` (local time), without
// ".png": Sternfahrt_2026-12-09_14-03-59.
std::string screenshotName(std::time_t when);

// The frames the message shows.
constexpr int kFotomeldungFrames = 120;
