#include "assetgen/noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float clamp01(float x) { return std::clamp(x, 0.0f, 1.0f); }
float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }
float lerp(float a, float b, float t) { return a + (b - a) * t; }

// The twelve edge directions of a cube, as Perlin's improved noise uses.
float gradient3(std::uint32_t h, float x, float y, float z) {
    switch (h % 12u) {
        case 0: return x + y;
        case 1: return -x + y;
        case 2: return x - y;
        case 3: return -x - y;
        case 4: return x + z;
        case 5: return -x + z;
        case 6: return x - z;
        case 7: return -x - z;
        case 8: return y + z;
        case 9: return -y + z;
        case 10: return y - z;
        default: return -y - z;
    }
}

// Eight directions in the plane, all of length 1.
float gradient2(std::uint32_t h, float x, float y) {
    constexpr float d = 0.70710678f;
    switch (h % 8u) {
        case 0: return x;
        case 1: return -x;
        case 2: return y;
        case 3: return -y;
        case 4: return d * (x + y);
        case 5: return d * (x - y);
        case 6: return d * (-x + y);
        default: return d * (-x - y);
    }
}

int wrap(int i, int period) {
    const int m = i % period;
    return m < 0 ? m + period : m;
}

}  // namespace

Vec3 normalize(Vec3 v) {
    const float length = std::sqrt(dot(v, v));
    return length > 0.0f ? v * (1.0f / length) : Vec3{0.0f, 1.0f, 0.0f};
}

Vec3 randomDirection(std::uint32_t h) {
    const float y = signedUnit(mix(h ^ 0x51ED270Bu));
    const float angle = 2.0f * kPi * unit(mix(h ^ 0xA2C2A1EDu));
    const float r = std::sqrt(std::max(0.0f, 1.0f - y * y));
    return {r * std::cos(angle), y, r * std::sin(angle)};
}

float rowLatitude(int y, int height) {
    return kPi * (0.5f - (static_cast<float>(y) + 0.5f) / static_cast<float>(height));
}

Vec3 spherePoint(int x, int y, int width, int height) {
    const float longitude = 2.0f * kPi * (static_cast<float>(x) + 0.5f) / static_cast<float>(width);
    const float latitude = rowLatitude(y, height);
    const float c = std::cos(latitude);
    return {c * std::cos(longitude), std::sin(latitude), c * std::sin(longitude)};
}

float noise3(Vec3 p, std::uint32_t seed) {
    const float fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const float x = p.x - fx, y = p.y - fy, z = p.z - fz;
    const float u = fade(x), v = fade(y), w = fade(z);
    auto g = [&](int dx, int dy, int dz) {
        return gradient3(hash(seed, ix + dx, iy + dy, iz + dz), x - static_cast<float>(dx),
                         y - static_cast<float>(dy), z - static_cast<float>(dz));
    };
    const float x00 = lerp(g(0, 0, 0), g(1, 0, 0), u);
    const float x10 = lerp(g(0, 1, 0), g(1, 1, 0), u);
    const float x01 = lerp(g(0, 0, 1), g(1, 0, 1), u);
    const float x11 = lerp(g(0, 1, 1), g(1, 1, 1), u);
    return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

float fbm3(Vec3 p, std::uint32_t seed, int octaves) {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise3(p, seed + static_cast<std::uint32_t>(i) * 0x632BE5ABu);
        total += amplitude;
        amplitude *= 0.5f;
        p = p * 2.03f;  // not exactly 2: the octaves' lattices do not line up
    }
    return sum / total;
}

float noise2Periodic(float px, float py, int periodX, int periodY, std::uint32_t seed) {
    const float fx = std::floor(px), fy = std::floor(py);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float x = px - fx, y = py - fy;
    const float u = fade(x), v = fade(y);
    auto g = [&](int dx, int dy) {
        return gradient2(hash(seed, wrap(ix + dx, periodX), wrap(iy + dy, periodY)),
                         x - static_cast<float>(dx), y - static_cast<float>(dy));
    };
    return lerp(lerp(g(0, 0), g(1, 0), u), lerp(g(0, 1), g(1, 1), u), v);
}

float fbm2Periodic(float x, float y, int periodX, int periodY, std::uint32_t seed, int octaves) {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise2Periodic(x, y, periodX, periodY,
                                          seed + static_cast<std::uint32_t>(i) * 0x632BE5ABu);
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}

CellDistances cellular2Periodic(float px, float py, int period, std::uint32_t seed) {
    const float fx = std::floor(px), fy = std::floor(py);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float best = 1e9f, second = 1e9f;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const std::uint32_t h = hash(seed, wrap(ix + dx, period), wrap(iy + dy, period));
            const float cx = static_cast<float>(ix + dx) + unit(h);
            const float cy = static_cast<float>(iy + dy) + unit(mix(h));
            const float d = std::hypot(px - cx, py - cy);
            if (d < best) {
                second = best;
                best = d;
            } else if (d < second) {
                second = d;
            }
        }
    }
    return {best, second};
}

float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace gen
