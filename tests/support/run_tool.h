#pragma once

#include <string>

// Runs one of the project's command-line tools and collects what it prints.
struct ToolRun {
    int exitCode = -1;
    std::string out;
};

ToolRun runTool(const std::string& program, const std::string& arguments);

std::string readFile(const std::string& path);
