#pragma once

#include <cstdint>

// Hashes and noise for the generated pictures and sounds. Every value depends
// on its arguments alone (no global generator, no clock), so the data files
// come out byte for byte the same on every run.
namespace gen {

// Scrambles 32 bits; neighbouring inputs give unrelated outputs.
constexpr std::uint32_t mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

// Hashes of one to three integers under a seed. The coordinates are spread
// by large odd factors before mixing, so that neighbouring lattice points
// differ in many bits.
constexpr std::uint32_t hash(std::uint32_t seed, std::int32_t a) {
    return mix(mix(seed) ^ (static_cast<std::uint32_t>(a) * 0x9E3779B1u));
}
constexpr std::uint32_t hash(std::uint32_t seed, std::int32_t a, std::int32_t b) {
    return mix(mix(seed) ^ (static_cast<std::uint32_t>(a) * 0x9E3779B1u + static_cast<std::uint32_t>(b) * 0x85EBCA77u));
}
constexpr std::uint32_t hash(std::uint32_t seed, std::int32_t a, std::int32_t b, std::int32_t c) {
    return mix(mix(seed) ^ (static_cast<std::uint32_t>(a) * 0x9E3779B1u + static_cast<std::uint32_t>(b) * 0x85EBCA77u +
                            static_cast<std::uint32_t>(c) * 0xC2B2AE3Du));
}

// The top 24 bits of a hash as a number in [0, 1).
constexpr float unit(std::uint32_t h) { return static_cast<float>(h >> 8) * (1.0f / 16777216.0f); }
// ... and in [-1, 1).
constexpr float signedUnit(std::uint32_t h) { return unit(h) * 2.0f - 1.0f; }

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};
inline Vec3 operator*(Vec3 v, float f) { return {v.x * f, v.y * f, v.z * f}; }
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalize(Vec3 v);

// A uniformly distributed direction on the unit sphere, from a hash.
Vec3 randomDirection(std::uint32_t h);

// The point on the unit sphere that pixel (x, y) of a width x height
// equirectangular map shows: longitude 0..2 pi from left to right, latitude
// +pi/2 (y axis up) in the top row down to -pi/2. The columns 0 and
// width - 1 are neighbours on the sphere, so anything sampled this way wraps
// around without a seam.
Vec3 spherePoint(int x, int y, int width, int height);
// The latitude of row y in radians.
float rowLatitude(int y, int height);

// Gradient noise in three dimensions, about -1..1, 0 on the lattice points.
float noise3(Vec3 p, std::uint32_t seed);
// Sum of octaves of noise3, each of about twice the frequency and half the
// amplitude of the one before; divided by the sum of the amplitudes.
float fbm3(Vec3 p, std::uint32_t seed, int octaves);

// Gradient noise in two dimensions that repeats every periodX / periodY
// lattice cells, for tiles that join without a seam.
float noise2Periodic(float x, float y, int periodX, int periodY, std::uint32_t seed);
// Octaves of it; the lattice period doubles with the frequency, so the sum
// repeats with the first octave.
float fbm2Periodic(float x, float y, int periodX, int periodY, std::uint32_t seed, int octaves);
// Cellular noise repeating every period cells: the distances to the
// nearest and second nearest of one random point per cell, in cell units.
struct CellDistances {
    float nearest = 0.0f;
    float second = 0.0f;
};
CellDistances cellular2Periodic(float x, float y, int period, std::uint32_t seed);

float smoothstep(float edge0, float edge1, float x);

}  // namespace gen
