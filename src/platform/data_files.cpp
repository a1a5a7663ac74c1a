#include "platform/data_files.h"

#include "platform/asset_manifest.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

fs::path& directory() {
    static fs::path d;
    return d;
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

void setDataDirectory(const fs::path& d) { directory() = d; }

const fs::path& dataDirectory() { return directory(); }

std::string dataFile(std::string_view name) {
    if (directory().empty()) return std::string(name);
    return (directory() / name).string();
}

std::string manualFile() { return dataFile(assetFile(AssetKind::Manual, 0)->name); }

std::vector<fs::path> dataCandidates(const fs::path& executableDirectory, const fs::path& installedRelative) {
    if (executableDirectory.empty()) return {};
    return {(executableDirectory / installedRelative).lexically_normal(),
            (executableDirectory / "data").lexically_normal()};
}

DataSearch findDataDirectory(const std::vector<fs::path>& candidates) {
    DataSearch search;
    const char* font = assetFile(AssetKind::Font, 0)->name;
    for (const fs::path& candidate : candidates) {
        search.looked.push_back(candidate);
        if (isFile(candidate / font)) {
            search.found = candidate;
            break;
        }
    }
    return search;
}

std::vector<std::string> missingDataFiles(const fs::path& d) {
    std::vector<std::string> missing;
    for (const AssetFile& f : kAssetFiles) {
        if (!isFile(d / f.name)) missing.emplace_back(f.name);
    }
    return missing;
}

fs::path executableDirectory() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

}  // namespace platform
