#include "support/run_tool.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

ToolRun runTool(const std::string& program, const std::string& arguments, bool errorsToo) {
    ToolRun run;
    const std::string command = program + " " + arguments + (errorsToo ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    const std::string bytes = readFile(path);
    return {bytes.begin(), bytes.end()};
}
