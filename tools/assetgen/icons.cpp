#include "assetgen/icons.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>

#include "assetgen/noise.h"
#include "assetgen/paint.h"

namespace gen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kSamples = 4;  // per pixel and axis

// The picture in units of the icon's size, y down.
constexpr float kCentreX = 0.5f, kCentreY = 0.5f;
constexpr float kPlanetRadius = 0.34f;
constexpr float kRingA = 0.47f, kRingB = 0.15f, kRingWidth = 0.035f;
constexpr float kRingTilt = -0.38f;                   // radians, the ring's long axis
constexpr float kAxisTilt = 0.40f;                    // the planet's axis against the picture's
constexpr float kTurn = 4.1f;                         // the longitude facing the viewer
const Vec3 kLight = normalize(Vec3{-0.55f, -0.55f, 0.63f});

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

Color texel(const platform::Image& map, float u, float v) {
    const int x = std::clamp(static_cast<int>(u * static_cast<float>(map.width)), 0, map.width - 1);
    const int y = std::clamp(static_cast<int>(v * static_cast<float>(map.height)), 0, map.height - 1);
    return rgb(map.at(x, y));
}

Color meanColor(const platform::Image& image) {
    Color sum;
    for (const std::uint32_t p : image.pixels) sum = sum + rgb(p);
    return sum * (1.0f / static_cast<float>(std::max<std::size_t>(image.pixels.size(), 1)));
}

// The gate's glow, brightened to a light colour.
Color ringColor(const platform::Image& gate) {
    const Color mean = meanColor(gate);
    const float top = std::max({mean.r, mean.g, mean.b, 1.0f});
    return lerp(mean * (255.0f / top), rgb(0xFFFFFF), 0.25f);
}

// Where a point lies on the ring: its distance from the ring's centre line
// in ring widths (0 on it), and whether it is on the near half.
struct RingPoint {
    float across;
    bool front;
};

RingPoint ringPoint(float x, float y) {
    const float dx = x - kCentreX, dy = y - kCentreY;
    const float u = dx * std::cos(kRingTilt) + dy * std::sin(kRingTilt);
    const float v = -dx * std::sin(kRingTilt) + dy * std::cos(kRingTilt);
    const float r = std::sqrt((u / kRingA) * (u / kRingA) + (v / kRingB) * (v / kRingB));
    return {(r - 1.0f) * kRingB / kRingWidth, v > 0.0f};
}

Rgba ring(float across, Color color) {
    const float core = std::clamp(1.0f - std::fabs(across), 0.0f, 1.0f);
    if (core <= 0.0f) return {};
    const Color c = lerp(color, rgb(0xFFFFFF), 0.5f * core * core);
    return {c.r, c.g, c.b, std::sqrt(core)};
}

Rgba planetAt(float x, float y, const platform::Image& map) {
    const float px = (x - kCentreX) / kPlanetRadius, py = (y - kCentreY) / kPlanetRadius;
    const float rr = px * px + py * py;
    if (rr >= 1.0f) return {};
    const Vec3 n{px, py, std::sqrt(1.0f - rr)};
    // Into the planet's frame: its axis leans against the picture's.
    const float c = std::cos(kAxisTilt), s = std::sin(kAxisTilt);
    const Vec3 q{n.x * c + n.y * s, -n.x * s + n.y * c, n.z};
    const float latitude = std::asin(std::clamp(-q.y, -1.0f, 1.0f));
    const float longitude = std::atan2(q.x, q.z) + kTurn;
    const float u = std::fmod(longitude / (2.0f * kPi) + 2.0f, 1.0f);
    const float v = 0.5f - latitude / kPi;
    const float light = std::max(dot(n, kLight), 0.0f);
    Color col = texel(map, u, v) * (0.06f + 1.05f * light);
    // A thin blue haze at the lit rim.
    const float rim = std::pow(1.0f - n.z, 3.0f);
    col = lerp(col, rgb(0x8CC8FF), std::clamp(rim * (0.2f + light), 0.0f, 0.8f));
    return {col.r, col.g, col.b, 1.0f};
}

// b over a.
Rgba over(Rgba a, Rgba b) {
    const float alpha = b.a + a.a * (1.0f - b.a);
    if (alpha <= 0.0f) return {};
    auto mixChannel = [&](float ca, float cb) { return (cb * b.a + ca * a.a * (1.0f - b.a)) / alpha; };
    return {mixChannel(a.r, b.r), mixChannel(a.g, b.g), mixChannel(a.b, b.b), alpha};
}

std::string hex(Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(pack(c)));
    return text;
}

std::string number(float v) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(v));
    return text;
}

}  // namespace

std::vector<std::uint32_t> drawIcon(int size, const platform::Image& planet, const platform::Image& gate) {
    const Color glow = ringColor(gate);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float fx = (static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSamples) / static_cast<float>(size);
                    const float fy = (static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSamples) / static_cast<float>(size);
                    const RingPoint rp = ringPoint(fx, fy);
                    const Rgba band = ring(rp.across, glow);
                    Rgba p = rp.front ? Rgba{} : band;
                    p = over(p, planetAt(fx, fy, planet));
                    if (rp.front) p = over(p, band);
                    // Colours summed weighted by coverage, so edges blend.
                    sum = {sum.r + p.r * p.a, sum.g + p.g * p.a, sum.b + p.b * p.a, sum.a + p.a};
                }
            }
            const float n = static_cast<float>(kSamples * kSamples);
            const float a = sum.a / n;
            const Color c = a > 0.0f ? Color{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a} : Color{};
            pixels[static_cast<std::size_t>(y) * size + x] = channel(a * 255.0f) << 24 | pack(c);
        }
    }
    return pixels;
}

std::string iconSvg(const platform::Image& planet, const platform::Image& gate) {
    const float s = 256.0f;
    const Color base = meanColor(planet);
    const Color glow = ringColor(gate);
    const float cx = kCentreX * s, cy = kCentreY * s;
    const float cosT = std::cos(kRingTilt), sinT = std::sin(kRingTilt);
    const float degrees = kRingTilt * 180.0f / kPi;
    // The ring's ends on its long axis; the far half is drawn behind the
    // planet, the near half in front.
    const std::string x0 = number(cx + kRingA * s * cosT), y0 = number(cy + kRingA * s * sinT);
    const std::string x1 = number(cx - kRingA * s * cosT), y1 = number(cy - kRingA * s * sinT);
    const std::string arc = " A " + number(kRingA * s) + " " + number(kRingB * s) + " " + number(degrees) + " 0 ";
    const std::string stroke = "fill=\"none\" stroke=\"" + hex(glow) + "\" stroke-width=\"" +
                               number(2.0f * kRingWidth * s) + "\" stroke-linecap=\"round\"";
    std::string svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    svg += "  <defs>\n";
    svg += "    <radialGradient id=\"licht\" cx=\"0.3\" cy=\"0.3\" r=\"0.9\">\n";
    svg += "      <stop offset=\"0\" stop-color=\"" + hex(lerp(base * 1.3f, rgb(0xFFFFFF), 0.15f)) + "\"/>\n";
    svg += "      <stop offset=\"0.55\" stop-color=\"" + hex(base * 0.8f) + "\"/>\n";
    svg += "      <stop offset=\"1\" stop-color=\"" + hex(base * 0.06f) + "\"/>\n";
    svg += "    </radialGradient>\n";
    svg += "  </defs>\n";
    svg += "  <path d=\"M " + x0 + " " + y0 + arc + "0 " + x1 + " " + y1 + "\" " + stroke + "/>\n";
    svg += "  <circle cx=\"" + number(cx) + "\" cy=\"" + number(cy) + "\" r=\"" + number(kPlanetRadius * s) +
           "\" fill=\"url(#licht)\"/>\n";
    svg += "  <path d=\"M " + x1 + " " + y1 + arc + "0 " + x0 + " " + y0 + "\" " + stroke + "/>\n";
    svg += "</svg>\n";
    return svg;
}

bool writeIcons(const std::filesystem::path& dir, const std::string& name, const std::filesystem::path& data,
                std::string& error) {
    platform::Image planet, gate;
    if (!platform::loadBitmap((data / "Erde1.bmp").string(), planet) ||
        !platform::loadBitmap((data / "Tor1.bmp").string(), gate)) {
        error = "the icon needs Erde1.bmp and Tor1.bmp in " + data.string();
        return false;
    }
    std::error_code ec;
    for (const int size : kIconSizes) {
        const std::filesystem::path folder = dir / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::filesystem::create_directories(folder, ec);
        std::vector<unsigned char> rgba;
        for (const std::uint32_t p : drawIcon(size, planet, gate)) {
            rgba.insert(rgba.end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                     static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 24)});
        }
        const std::string path = (folder / (name + ".png")).string();
        if (!stbi_write_png(path.c_str(), size, size, 4, rgba.data(), size * 4)) {
            error = "cannot write " + path;
            return false;
        }
    }
    const std::filesystem::path scalable = dir / "scalable" / "apps";
    std::filesystem::create_directories(scalable, ec);
    std::ofstream svg(scalable / (name + ".svg"), std::ios::binary);
    svg << iconSvg(planet, gate);
    if (!svg) {
        error = "cannot write " + (scalable / (name + ".svg")).string();
        return false;
    }
    return true;
}

}  // namespace gen
