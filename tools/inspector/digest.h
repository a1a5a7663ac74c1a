#pragma once

#include <cstdint>
#include <string_view>

// FNV-1a over a text: a short, stable fingerprint of long output.
inline std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}
