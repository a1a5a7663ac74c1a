#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Colours as three floats 0..255 for mixing, packed to 0x00RRGGBB at the end.
namespace gen {

struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

constexpr Color rgb(std::uint32_t hex) {
    return {static_cast<float>((hex >> 16) & 0xFF), static_cast<float>((hex >> 8) & 0xFF),
            static_cast<float>(hex & 0xFF)};
}

inline Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Color operator*(Color c, float f) { return {c.r * f, c.g * f, c.b * f}; }
inline Color lerp(Color a, Color b, float t) { return a + (Color{b.r - a.r, b.g - a.g, b.b - a.b} * t); }
inline Color screen(Color a, Color b) {  // lightens like two projected lights
    return {255.0f - (255.0f - a.r) * (255.0f - b.r) / 255.0f,
            255.0f - (255.0f - a.g) * (255.0f - b.g) / 255.0f,
            255.0f - (255.0f - a.b) * (255.0f - b.b) / 255.0f};
}

inline std::uint32_t channel(float v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
}
inline std::uint32_t pack(Color c) { return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b); }

// A colour ramp through evenly spaced stops, t 0..1.
template <int N>
Color ramp(const Color (&stops)[N], float t) {
    const float s = std::clamp(t, 0.0f, 1.0f) * static_cast<float>(N - 1);
    const int i = std::min(static_cast<int>(s), N - 2);
    return lerp(stops[i], stops[i + 1], s - static_cast<float>(i));
}

}  // namespace gen
