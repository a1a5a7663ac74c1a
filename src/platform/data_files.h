#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Where the game's data files are read from. Every file the game reads is
// looked up here by its name in the asset list, so that the game runs the
// same from any working directory.
namespace platform {

// The directory of the data files for this process. Empty (the default) is
// the working directory, which the tools and tests run in.
void setDataDirectory(const std::filesystem::path& directory);
const std::filesystem::path& dataDirectory();

// The path of a data file by its name.
std::string dataFile(std::string_view name);
// The manual's path (the one F8 opens).
std::string manualFile();

// The places to look for the data, in order, for a program whose executable
// lies in `executableDirectory`: where the install puts the data, relative
// to the executable (../share/sternfahrt for bin/sternfahrt), then data/
// beside the executable, as in the build tree.
std::vector<std::filesystem::path> dataCandidates(const std::filesystem::path& executableDirectory,
                                                  const std::filesystem::path& installedRelative);

// The first candidate that holds the game's data (the font start-up reads
// first), or nothing, with the places looked at.
struct DataSearch {
    std::filesystem::path found;  // empty: none holds it
    std::vector<std::filesystem::path> looked;
};
DataSearch findDataDirectory(const std::vector<std::filesystem::path>& candidates);

// The files of the asset list that a directory lacks.
std::vector<std::string> missingDataFiles(const std::filesystem::path& directory);

// The directory of the running executable; empty when unknown.
std::filesystem::path executableDirectory();

}  // namespace platform
