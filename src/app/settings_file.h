#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "save/settings.h"

// The settings file: plain text a person can read and edit, one setting a
// line ("name = value"), each with a comment after '#'. It lives in
// $XDG_CONFIG_HOME/sternfahrt/ (~/.config/sternfahrt/ without it).

// Empty when the user has no home.
std::filesystem::path settingsFile();

// The settings a text gives. A line that is not a setting, or a value out of
// range, leaves that setting as a new player has it and adds a warning
// naming the line; so do bindings that would bind a key twice or leave an
// action without a key (then all bindings are the new player's).
Einstellungen parseSettings(std::string_view text, std::vector<std::string>& warnungen);

// The text of the settings, every line with its comment.
std::string formatSettings(const Einstellungen& e);

// Reads the file: without one the new player's settings; one that is a
// directory, unreadable, larger than any settings file or not text is
// passed over with one line on stderr, as is every bad line.
Einstellungen loadSettings(const std::filesystem::path& file);

// Writes the file atomically; false (the old file kept) when it cannot.
bool saveSettings(const Einstellungen& e, const std::filesystem::path& file);

// The name of each action in the file.
std::string_view aktionsSchluessel(Aktion a);
