#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Runs one of the project's command-line tools and collects what it prints
// on stdout, and with `errorsToo` on stderr as well.
struct ToolRun {
    int exitCode = -1;
    std::string out;
};

ToolRun runTool(const std::string& program, const std::string& arguments, bool errorsToo = false);

std::string readFile(const std::string& path);
std::vector<std::uint8_t> readBytes(const std::string& path);
