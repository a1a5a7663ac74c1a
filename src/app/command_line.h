#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "save/settings.h"

// What the command line asks of this run.
struct CommandLine {
    bool windowed = false;
    std::string lang;
    std::optional<Aufloesung> scale;
    bool help = false;
    bool version = false;
    std::string data;
    std::string script;
    std::int64_t frames = -1;  // -1: until the player ends the game
};

// Reads the options into `line`; false, with the argument at fault in
// `bad`, for an unknown option, a missing value or a value the option does
// not take.
bool readCommandLine(int argc, const char* const* argv, CommandLine& line, std::string& bad);

// "usage: sternfahrt [--window] ...", and a line of help for each option.
std::string usage();
std::string optionsHelp();
