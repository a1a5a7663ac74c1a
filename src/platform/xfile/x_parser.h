#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/xfile/x_model.h"

namespace xfile {

// Limits that keep a broken or hostile file from taking the game with it.
constexpr std::size_t kMaxFileBytes = std::size_t{32} << 20;
constexpr int kMaxDepth = 64;                        // objects inside objects
constexpr std::uint32_t kMaxCount = 1'000'000;       // items in one list
constexpr std::uint64_t kMaxFileValues = 4'000'000;  // numbers in all lists together
constexpr std::size_t kMaxFileNameLength = 260;      // of a texture file

// Reads a text .X file (versions 0302 and 0303). The result is an unnamed
// root frame with the identity matrix that holds the file's top-level frames
// and meshes. A file that is not well formed, or holds no mesh, gives nullopt
// and says why in error.
std::optional<XFrame> parseXFile(std::string_view text, std::string& error);

// The same for a file on disk; files larger than kMaxFileBytes are refused.
std::optional<XFrame> readXFile(const std::string& path, std::string& error);

}  // namespace xfile
