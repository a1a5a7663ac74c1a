#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// A fingerprint as the pins write it: 16 hex digits.
inline std::string hex(std::uint64_t v) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
    return text;
}
