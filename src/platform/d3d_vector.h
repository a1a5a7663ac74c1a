#pragma once

#include <cmath>

// Three 32-bit floats, used for points and directions alike.
struct D3DVECTOR {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr D3DVECTOR() = default;
    constexpr D3DVECTOR(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    constexpr explicit D3DVECTOR(float v) : x(v), y(v), z(v) {}

    constexpr D3DVECTOR& operator+=(const D3DVECTOR& b) { x += b.x; y += b.y; z += b.z; return *this; }
    constexpr D3DVECTOR& operator-=(const D3DVECTOR& b) { x -= b.x; y -= b.y; z -= b.z; return *this; }
    constexpr D3DVECTOR& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
    constexpr D3DVECTOR& operator/=(float s) { x /= s; y /= s; z /= s; return *this; }

    constexpr float& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
    constexpr float operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

    constexpr bool operator==(const D3DVECTOR&) const = default;
};

constexpr D3DVECTOR operator+(D3DVECTOR a, const D3DVECTOR& b) { return a += b; }
constexpr D3DVECTOR operator-(D3DVECTOR a, const D3DVECTOR& b) { return a -= b; }
constexpr D3DVECTOR operator-(const D3DVECTOR& a) { return {-a.x, -a.y, -a.z}; }
constexpr D3DVECTOR operator*(D3DVECTOR v, float s) { return v *= s; }
constexpr D3DVECTOR operator*(float s, D3DVECTOR v) { return v *= s; }
constexpr D3DVECTOR operator/(D3DVECTOR v, float s) { return v /= s; }

constexpr float dotProduct(const D3DVECTOR& a, const D3DVECTOR& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr float dotProduct(float ax, float ay, float az, float bx, float by, float bz) {
    return ax * bx + ay * by + az * bz;
}

constexpr D3DVECTOR crossProduct(const D3DVECTOR& a, const D3DVECTOR& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

constexpr float squareMagnitude(const D3DVECTOR& v) { return dotProduct(v, v); }

inline float magnitude(const D3DVECTOR& v) { return std::sqrt(squareMagnitude(v)); }

// A zero vector has no direction; it comes back unchanged instead of as NaNs.
inline D3DVECTOR normalize(const D3DVECTOR& v) {
    const float m = magnitude(v);
    return m > 0.0f ? v / m : v;
}
