#include "assetgen/textures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

#include "assetgen/bmp_writer.h"
#include "assetgen/noise.h"
#include "assetgen/paint.h"

namespace {

using namespace gen;
using platform::Image;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kMapWidth = 256, kMapHeight = 128;   // planets and moons
constexpr int kSunWidth = 128, kSunHeight = 64;
constexpr int kSkyWidth = 2048, kSkyHeight = 1024;
constexpr int kTile = 128;                         // flecks and gates

// What a pixel of a sphere map shows.
struct SpherePixel {
    Vec3 p;           // point on the unit sphere
    float latitude;   // radians, + north
    float longitude;  // radians, 0..2 pi
    int x, y;         // the pixel
};

template <class Shade>
Image sphereMap(int width, int height, Shade&& shade) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float longitude = 2.0f * kPi * (static_cast<float>(x) + 0.5f) / static_cast<float>(width);
            image.at(x, y) = pack(shade(SpherePixel{spherePoint(x, y, width, height),
                                                    rowLatitude(y, height), longitude, x, y}));
        }
    }
    return image;
}

// Signed difference of two longitudes, -pi..pi.
float longitudeDelta(float a, float b) {
    float d = std::fmod(a - b, 2.0f * kPi);
    if (d > kPi) d -= 2.0f * kPi;
    if (d < -kPi) d += 2.0f * kPi;
    return d;
}

// ---------------------------------------------------------------- craters

struct Crater {
    Vec3 centre;
    float radius;  // radians
    float fresh;   // 0..1: bright ejecta of a young crater
};

// Many small craters, few large ones.
std::vector<Crater> makeCraters(std::uint32_t seed, int count, float smallest, float largest) {
    std::vector<Crater> craters;
    craters.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint32_t h = hash(seed, i);
        const float size = std::pow(unit(mix(h + 1)), 3.0f);
        const float fresh = unit(mix(h + 2));
        craters.push_back({randomDirection(h), smallest + (largest - smallest) * size,
                           fresh > 0.8f ? (fresh - 0.8f) * 5.0f : 0.0f});
    }
    return craters;
}

// Bowl, raised rim and, in large craters, a central peak, in units of the
// crater's depth; t is the distance from the centre in radii.
float craterProfile(float t, bool peak) {
    float h = 0.3f * std::exp(-((t - 1.0f) * (t - 1.0f)) / 0.03f);
    if (t < 1.0f) h += t * t - 1.0f;
    if (peak) h += 0.45f * std::exp(-t * t / 0.02f);
    return h;
}

// The relief and the ejecta brightness of a cratered surface, per pixel of a
// width x height sphere map.
struct Relief {
    std::vector<float> height;  // radians
    std::vector<float> ejecta;  // 0..1
};

Relief craterRelief(int width, int height, const std::vector<Crater>& craters, float depth) {
    Relief relief{std::vector<float>(static_cast<std::size_t>(width) * height, 0.0f),
                  std::vector<float>(static_cast<std::size_t>(width) * height, 0.0f)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Vec3 p = spherePoint(x, y, width, height);
            float h = 0.0f, e = 0.0f;
            for (const Crater& c : craters) {
                const Vec3 d = p - c.centre;
                const float d2 = dot(d, d);
                const float reach = 2.5f * c.radius;
                if (d2 >= reach * reach) continue;
                const float t = std::sqrt(d2) / c.radius;
                h += depth * c.radius * craterProfile(t, c.radius > 0.12f);
                if (c.fresh > 0.0f) e += c.fresh * std::max(0.0f, 1.0f - std::fabs(t - 1.0f) / 1.5f);
            }
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            relief.height[i] = h;
            relief.ejecta[i] = std::min(e, 1.0f);
        }
    }
    return relief;
}

// Light from the upper left falling on a height field; 1 on level ground.
float reliefLight(const std::vector<float>& h, int width, int height, int x, int y, float strength) {
    auto at = [&](int px, int py) {
        px = (px + width) % width;
        py = std::clamp(py, 0, height - 1);
        return h[static_cast<std::size_t>(py) * width + px];
    };
    const float step = 2.0f * kPi / static_cast<float>(width);
    const float across = step * std::max(std::cos(rowLatitude(y, height)), 0.25f);
    const float east = (at(x + 1, y) - at(x - 1, y)) / (2.0f * across);
    const float north = (at(x, y - 1) - at(x, y + 1)) / (2.0f * step);
    const float nx = -east * strength, ny = -north * strength;
    const float length = std::sqrt(nx * nx + ny * ny + 1.0f);
    const Vec3 light = normalize(Vec3{-0.6f, 0.5f, 0.62f});
    const float lit = (nx * light.x + ny * light.y + light.z) / length;
    return std::max(0.0f, 0.45f + 0.55f * lit / light.z);
}

// ---------------------------------------------------------------- planets

// The threshold below which the given share of the sphere's area lies.
float areaQuantile(int width, int height, const std::vector<float>& values, float share) {
    std::vector<std::pair<float, float>> weighted;
    weighted.reserve(values.size());
    for (int y = 0; y < height; ++y) {
        const float weight = std::cos(rowLatitude(y, height));
        for (int x = 0; x < width; ++x) weighted.emplace_back(values[static_cast<std::size_t>(y) * width + x], weight);
    }
    std::sort(weighted.begin(), weighted.end());
    float total = 0.0f;
    for (const auto& [value, weight] : weighted) total += weight;
    float sum = 0.0f;
    for (const auto& [value, weight] : weighted) {
        sum += weight;
        if (sum >= share * total) return value;
    }
    return weighted.back().first;
}

struct EarthLook {
    std::uint32_t seed;
    float ocean;   // share of the surface
    float clouds;  // 0 few .. 1 many
    float dry;     // 0 green .. 1 deserts
};

Image earth(const EarthLook& look) {
    const int w = kMapWidth, h = kMapHeight;
    std::vector<float> land(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Vec3 p = spherePoint(x, y, w, h);
            const Vec3 warp{fbm3(p * 1.3f, look.seed + 11, 3), fbm3(p * 1.3f, look.seed + 12, 3),
                            fbm3(p * 1.3f, look.seed + 13, 3)};
            land[static_cast<std::size_t>(y) * w + x] = fbm3(p * 1.1f + warp * 0.7f, look.seed, 7);
        }
    }
    const float sea = areaQuantile(w, h, land, look.ocean);
    const float lowest = *std::min_element(land.begin(), land.end());
    const float highest = *std::max_element(land.begin(), land.end());

    const Color deep = rgb(0x0E2C66), shelf = rgb(0x2C78B4), beach = rgb(0xB8A878);
    const Color forest = rgb(0x2C5420), grass = rgb(0x5E7C34), desert = rgb(0xC4A468);
    const Color tundra = rgb(0x6C6C52), rock = rgb(0x7A6854), snow = rgb(0xEEF0F2);
    const Color ice = rgb(0xE6EEF6), cloud = rgb(0xF6F8FA);

    return sphereMap(w, h, [&](const SpherePixel& s) {
        const float c = land[static_cast<std::size_t>(s.y) * w + s.x];
        const float polar = std::fabs(s.latitude) / (kPi / 2.0f);
        Color surface;
        if (c < sea) {
            const float depth = (sea - c) / (sea - lowest);
            surface = lerp(shelf, deep, smoothstep(0.0f, 0.5f, std::sqrt(depth)));
        } else {
            const float altitude = (c - sea) / (highest - sea);
            float wet = 0.6f + 1.5f * fbm3(s.p * 2.4f, look.seed + 21, 4);
            wet -= 0.5f * look.dry * std::exp(-((polar - 0.3f) * (polar - 0.3f)) / 0.02f);
            Color ground = lerp(desert, lerp(grass, forest, smoothstep(0.55f, 0.85f, wet)),
                                smoothstep(0.2f, 0.4f, wet));
            ground = lerp(ground, tundra, smoothstep(0.55f, 0.75f, polar));
            surface = lerp(beach, ground, smoothstep(0.0f, 0.03f, altitude));
            surface = lerp(surface, rock, smoothstep(0.35f, 0.6f, altitude));
            surface = lerp(surface, snow, smoothstep(0.65f, 0.8f, altitude));
        }
        const float capEdge = 0.82f + 0.08f * fbm3(s.p * 5.0f, look.seed + 31, 3);
        surface = lerp(surface, ice, smoothstep(capEdge, capEdge + 0.03f, polar));

        const Vec3 swirl{fbm3(s.p * 2.0f, look.seed + 41, 3), fbm3(s.p * 2.0f, look.seed + 42, 3), 0.0f};
        const Vec3 q{s.p.x * 2.2f, s.p.y * 4.0f, s.p.z * 2.2f};  // clouds stretch along the latitudes
        const float cl = fbm3(q + swirl * 0.9f, look.seed + 43, 6);
        const float from = 0.18f - 0.2f * look.clouds;
        const float cover = smoothstep(from, from + 0.22f, cl);
        return lerp(surface, cloud, 0.92f * cover);
    });
}

Image mars() {
    const std::uint32_t seed = 0x4D415253u;
    const int w = kMapWidth, h = kMapHeight;
    const Relief relief = craterRelief(w, h, makeCraters(seed, 90, 0.012f, 0.11f), 0.35f);
    const Color stops[] = {rgb(0x3E1C10), rgb(0x7A3A1E), rgb(0xA85430), rgb(0xC47446), rgb(0xD89A68)};
    return sphereMap(w, h, [&](const SpherePixel& s) {
        const float regions = fbm3(s.p * 1.4f, seed + 1, 4);
        const float detail = fbm3(s.p * 5.0f, seed + 2, 5);
        Color c = ramp(stops, 0.62f + 1.3f * regions + 0.5f * detail);
        c = c * reliefLight(relief.height, w, h, s.x, s.y, 0.6f);
        const float polar = std::fabs(s.latitude) / (kPi / 2.0f);
        const float edge = 0.92f + 0.04f * fbm3(s.p * 6.0f, seed + 3, 3);
        return lerp(c, rgb(0xF2E8DE), smoothstep(edge, edge + 0.03f, polar));
    });
}

// Light zones and dark belts, latitude by latitude.
Color bandColor(const Color* palette, int paletteSize, std::uint32_t seed, float position) {
    const float f = std::floor(position);
    const int band = static_cast<int>(f);
    auto colorOf = [&](int b) {
        return palette[hash(seed, b) % static_cast<std::uint32_t>(paletteSize)];
    };
    const float t = smoothstep(0.4f, 1.0f, position - f);
    return lerp(colorOf(band), colorOf(band + 1), t);
}

Image jupiter() {
    const std::uint32_t seed = 0x4A555049u;
    const Color palette[] = {rgb(0xE2D4B8), rgb(0xDCC49C), rgb(0xB88A5E), rgb(0xA87650),
                             rgb(0xCCA276), rgb(0xE8DCC6), rgb(0x96694A), rgb(0xC69468)};
    const float spotLatitude = -0.38f, spotLongitude = 2.0f;
    return sphereMap(kMapWidth, kMapHeight, [&](const SpherePixel& s) {
        // Coordinates around the storm, in its half axes.
        const float ex = longitudeDelta(s.longitude, spotLongitude) * std::cos(spotLatitude) / 0.42f;
        const float ey = (s.latitude - spotLatitude) / 0.16f;
        const float e = std::sqrt(ex * ex + ey * ey);
        // Inside and near the storm the clouds turn around its centre.
        const float turn = 2.5f * std::exp(-e * e * 0.8f);
        const float c = std::cos(turn), sn = std::sin(turn);
        Vec3 p = s.p;
        if (turn > 0.01f) {
            const float rx = ex * c - ey * sn, ry = ex * sn + ey * c;
            p = p + Vec3{(rx - ex) * 0.05f, (ry - ey) * 0.05f, 0.0f};
        }
        const Vec3 streaks{p.x * 3.0f, p.y * 16.0f, p.z * 3.0f};
        const float latitude = s.latitude + 0.05f * fbm3(streaks, seed + 1, 5) + 0.06f * fbm3(p * 5.0f, seed + 4, 3);
        Color col = bandColor(palette, 8, seed, latitude * 7.5f + 40.0f);
        col = col * (1.0f + 0.10f * fbm3(Vec3{p.x * 8.0f, p.y * 30.0f, p.z * 8.0f}, seed + 2, 4));

        const float ring = std::exp(-(e - 1.05f) * (e - 1.05f) / 0.02f);
        const Color storm = lerp(rgb(0xB4502E), rgb(0xD88A62),
                                 0.5f + 0.5f * std::sin(e * 9.0f + 3.0f * fbm3(p * 12.0f, seed + 3, 3)));
        col = lerp(col, storm, smoothstep(1.0f, 0.7f, e));
        col = lerp(col, rgb(0xF4ECE0), 0.6f * ring);
        const float polar = std::fabs(s.latitude) / (kPi / 2.0f);
        return col * (1.0f - 0.25f * smoothstep(0.7f, 1.0f, polar));
    });
}

Image uranus() {
    const std::uint32_t seed = 0x5552414Eu;
    return sphereMap(kMapWidth, kMapHeight, [&](const SpherePixel& s) {
        const float wobble = 0.2f * fbm3(Vec3{s.p.x * 2.0f, s.p.y * 10.0f, s.p.z * 2.0f}, seed, 4);
        const float bands = 0.035f * std::sin(s.latitude * 11.0f + wobble * 6.0f);
        const float haze = 0.02f * fbm3(s.p * 4.0f, seed + 1, 3);
        const float cap = 0.08f * smoothstep(0.6f, 1.0f, -s.latitude / (kPi / 2.0f));
        return lerp(rgb(0x9CD6DE), rgb(0xD8F4F6), cap) * (1.0f + bands + haze);
    });
}

Image neptune() {
    const std::uint32_t seed = 0x4E455054u;
    const float spotLatitude = -0.35f, spotLongitude = 4.0f;
    return sphereMap(kMapWidth, kMapHeight, [&](const SpherePixel& s) {
        const Vec3 streaks{s.p.x * 2.5f, s.p.y * 18.0f, s.p.z * 2.5f};
        const float wobble = fbm3(streaks, seed, 5);
        Color c = lerp(rgb(0x203C9C), rgb(0x3E68D8), 0.5f + 0.5f * std::sin(s.latitude * 9.0f + wobble * 3.0f));
        c = c * (1.0f + 0.12f * fbm3(s.p * 6.0f, seed + 1, 4));
        const float ex = longitudeDelta(s.longitude, spotLongitude) * std::cos(spotLatitude) / 0.22f;
        const float ey = (s.latitude - spotLatitude) / 0.10f;
        const float e = ex * ex + ey * ey;
        c = lerp(c, rgb(0x14286C), smoothstep(1.0f, 0.5f, e));
        const float companion = (ex - 0.3f) * (ex - 0.3f) * 4.0f + (ey + 1.5f) * (ey + 1.5f) * 6.0f;
        const float clouds = smoothstep(0.25f, 0.45f, fbm3(streaks * 1.5f, seed + 2, 2)) *
                             smoothstep(0.5f, 1.0f, std::fabs(std::sin(s.latitude * 4.0f + 0.5f)));
        c = lerp(c, rgb(0xE4ECFF), std::max(0.8f * clouds, 0.9f * smoothstep(1.0f, 0.3f, companion)));
        return c;
    });
}

struct MoonLook {
    std::uint32_t seed;
    Color light, dark;  // highlands and plains
    float plains;       // share of dark plains, 0..1
    int craters;
    float largest;      // radians
    float cracks;       // 0 none .. 1 strong dark lines
    float roughness;
};

Image moon(const MoonLook& look) {
    const int w = kMapWidth, h = kMapHeight;
    const Relief relief = craterRelief(w, h, makeCraters(look.seed, look.craters, 0.012f, look.largest), 0.5f);
    return sphereMap(w, h, [&](const SpherePixel& s) {
        const float plain = smoothstep(0.05f - look.plains * 0.3f, 0.25f - look.plains * 0.3f,
                                       -fbm3(s.p * 1.8f, look.seed + 1, 5));
        Color c = lerp(look.light, look.dark, plain);
        c = c * (1.0f + look.roughness * fbm3(s.p * 9.0f, look.seed + 2, 4));
        if (look.cracks > 0.0f) {
            const Vec3 bend{fbm3(s.p * 2.0f, look.seed + 4, 2), fbm3(s.p * 2.0f, look.seed + 5, 2), 0.0f};
            const float wide = std::fabs(noise3(s.p * 2.5f + bend * 0.5f, look.seed + 3));
            const float fine = std::fabs(noise3(s.p * 6.0f + bend, look.seed + 6));
            c = c * (1.0f - look.cracks * std::max(smoothstep(0.03f, 0.0f, wide), 0.6f * smoothstep(0.025f, 0.0f, fine)));
        }
        c = lerp(c, rgb(0xEEEEEA), 0.45f * relief.ejecta[static_cast<std::size_t>(s.y) * w + s.x]);
        return c * reliefLight(relief.height, w, h, s.x, s.y, 0.8f);
    });
}

Image io() {
    const std::uint32_t seed = 0x494F494Fu;
    struct Volcano {
        Vec3 centre;
        float radius;
        bool red;
    };
    std::vector<Volcano> volcanoes;
    for (int i = 0; i < 45; ++i) {
        const std::uint32_t h = hash(seed, i);
        volcanoes.push_back({randomDirection(h), 0.03f + 0.09f * std::pow(unit(mix(h + 1)), 2.0f),
                             unit(mix(h + 2)) < 0.6f});
    }
    const Color stops[] = {rgb(0xB88A34), rgb(0xD8B848), rgb(0xE8D878), rgb(0xF2EAB8)};
    return sphereMap(kMapWidth, kMapHeight, [&](const SpherePixel& s) {
        Color c = ramp(stops, 0.5f + 1.6f * fbm3(s.p * 3.0f, seed + 1, 6));
        c = lerp(c, rgb(0xB86A2C), 0.8f * smoothstep(0.12f, 0.3f, fbm3(s.p * 2.2f, seed + 2, 5)));
        c = lerp(c, rgb(0x8A7050), 0.7f * smoothstep(0.6f, 0.95f, std::fabs(s.latitude) / (kPi / 2.0f)));
        for (const Volcano& v : volcanoes) {
            const Vec3 d = s.p - v.centre;
            const float t = std::sqrt(dot(d, d)) / v.radius;
            if (t > 1.3f) continue;
            const float halo = smoothstep(1.3f, 0.6f, t) * (0.7f + 0.3f * fbm3(s.p * 20.0f, seed + 3, 2));
            c = lerp(c, v.red ? rgb(0xC24A1E) : rgb(0xF4F0E0), 0.8f * halo);
            c = lerp(c, rgb(0x1C140C), smoothstep(0.3f, 0.12f, t));
        }
        return c;
    });
}

Image titan() {
    const std::uint32_t seed = 0x5449544Eu;
    return sphereMap(kMapWidth, kMapHeight, [&](const SpherePixel& s) {
        const float haze = 0.08f * fbm3(s.p * 2.0f, seed, 4) +
                           0.04f * std::sin(s.latitude * 7.0f + 2.0f * fbm3(s.p * 3.0f, seed + 1, 3));
        Color c = rgb(0xCC8C40) * (1.0f + haze);
        return lerp(c, rgb(0x9A6430), 0.6f * smoothstep(0.55f, 0.95f, s.latitude / (kPi / 2.0f)));
    });
}

// ---------------------------------------------------------------- suns

Image sun(std::uint32_t seed, const Color (&stops)[4], int spots) {
    std::vector<Vec3> spotCentres;
    for (int i = 0; i < spots; ++i) {
        Vec3 d = randomDirection(hash(seed, i));
        d.y *= 0.4f;  // spots keep to the lower latitudes
        spotCentres.push_back(normalize(d));
    }
    return sphereMap(kSunWidth, kSunHeight, [&](const SpherePixel& s) {
        const float granules = fbm3(s.p * 7.0f, seed + 1, 2);
        const float cells = fbm3(s.p * 2.5f, seed + 2, 4);
        float t = 0.7f + 0.5f * granules + 0.6f * cells;
        for (const Vec3& centre : spotCentres) {
            const Vec3 d = s.p - centre;
            const float r = std::sqrt(dot(d, d));
            t -= 0.45f * smoothstep(0.16f, 0.08f, r) + 0.35f * smoothstep(0.07f, 0.03f, r);
        }
        return ramp(stops, t);
    });
}

// ---------------------------------------------------------------- sky

Image starSky() {
    const std::uint32_t seed = 0x53544152u;
    const int w = kSkyWidth, h = kSkyHeight;
    const Vec3 bandNormal = normalize(Vec3{0.35f, 0.85f, 0.4f});
    Image image = sphereMap(w, h, [&](const SpherePixel& s) {
        const float off = dot(s.p, bandNormal);  // sine of the distance from the band's middle
        const float band = std::exp(-off * off / 0.03f);
        const float clouds = 0.5f + 0.9f * fbm3(s.p * 5.0f, seed, 5);
        const float dust = smoothstep(0.1f, 0.3f, fbm3(s.p * 7.0f, seed + 1, 4)) * std::exp(-off * off / 0.004f);
        const float glow = std::max(0.0f, band * clouds * (1.0f - 0.8f * dust));
        return rgb(0x28283A) * glow + rgb(0x020203);
    });

    auto add = [&](int x, int y, Color c) {
        x = (x % w + w) % w;
        if (y < 0 || y >= h) return;
        const Color old = rgb(image.at(x, y));
        image.at(x, y) = pack({std::max(old.r, c.r), std::max(old.g, c.g), std::max(old.b, c.b)});
    };
    const Color tints[] = {rgb(0xFFFFFF), rgb(0xFFFFFF), rgb(0xFFFFFF), rgb(0xD8E4FF),
                           rgb(0xC0D4FF), rgb(0xFFF2D8), rgb(0xFFE4B8), rgb(0xFFC8A8)};
    for (int i = 0; i < 4200; ++i) {
        const std::uint32_t hs = hash(seed + 7, i);
        Vec3 d = randomDirection(hs);
        if (i >= 2800) {  // the rest crowd into the band
            const float off = dot(d, bandNormal);
            d = normalize(d - bandNormal * (off * 0.85f));
        }
        const float latitude = std::asin(std::clamp(d.y, -1.0f, 1.0f));
        float longitude = std::atan2(d.z, d.x);
        if (longitude < 0.0f) longitude += 2.0f * kPi;
        const int x = static_cast<int>(longitude / (2.0f * kPi) * static_cast<float>(w)) % w;
        const int y = std::clamp(static_cast<int>((0.5f - latitude / kPi) * static_cast<float>(h)), 0, h - 1);
        const float brightness = 0.18f + 0.82f * std::pow(unit(mix(hs + 1)), 5.0f);
        const Color c = tints[mix(hs + 2) % 8u] * brightness;
        add(x, y, c);
        if (brightness > 0.55f) {
            const Color halo = c * 0.35f;
            add(x - 1, y, halo);
            add(x + 1, y, halo);
            add(x, y - 1, halo);
            add(x, y + 1, halo);
        }
    }
    return image;
}

// ---------------------------------------------------------------- tiles

template <class Shade>
Image tile(Shade&& shade) {
    Image image(kTile, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) image.at(x, y) = pack(shade(static_cast<float>(x), static_cast<float>(y)));
    }
    return image;
}

Image greyFlecks() {
    const std::uint32_t seed = 0x47524155u;
    return tile([&](float x, float y) {
        const float cloudy = fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed, 4);
        const std::uint32_t h = hash(seed + 1, static_cast<int>(x), static_cast<int>(y));
        float v = 138.0f + 40.0f * cloudy + 14.0f * signedUnit(h);
        const float fleck = unit(mix(h));
        if (fleck > 0.97f) v += 40.0f;
        if (fleck < 0.03f) v -= 45.0f;
        return Color{v, v, v * 1.02f};
    });
}

// Glowing patterns; every one repeats across the tile's edges.
constexpr float kTau = 2.0f * kPi;

Image gateFilaments() {  // blue and cyan: lightning in a plasma
    const std::uint32_t seed = 0x544F5231u;
    const Color stops[] = {rgb(0x040C30), rgb(0x1030A0), rgb(0x30A0FF), rgb(0xC0F4FF), rgb(0xFFFFFF)};
    return tile([&](float x, float y) {
        const float warp = fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed + 1, 3);
        const float n = fbm2Periodic(x / 32.0f + warp, y / 32.0f - warp, 4, 4, seed, 5);
        const float filament = std::pow(1.0f - std::min(1.0f, std::fabs(n) * 3.0f), 4.0f);
        const float glow = 0.25f + 0.35f * fbm2Periodic(x / 64.0f, y / 64.0f, 2, 2, seed + 2, 3);
        return ramp(stops, glow + 0.75f * filament);
    });
}

Image gateWaves() {  // green interference
    const std::uint32_t seed = 0x544F5232u;
    const Color stops[] = {rgb(0x021A08), rgb(0x087A28), rgb(0x40E070), rgb(0xD8FFD0)};
    return tile([&](float x, float y) {
        const float u = x / kTile * kTau, v = y / kTile * kTau;
        const float warp = 1.2f * fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed, 3);
        const float waves = std::sin(3.0f * u + 2.0f * std::sin(2.0f * v) + warp) +
                            std::sin(4.0f * v - u + 1.5f * std::cos(3.0f * u) + warp) +
                            std::sin(2.0f * u + 5.0f * v + warp * 2.0f);
        return ramp(stops, 0.5f + 0.5f * std::pow(std::fabs(std::sin(waves * 1.5f)), 3.0f) - 0.15f);
    });
}

Image gateGrid() {  // orange: a field of glowing cells
    const std::uint32_t seed = 0x544F5233u;
    const Color stops[] = {rgb(0x1C0600), rgb(0x802000), rgb(0xF07010), rgb(0xFFD070), rgb(0xFFF8E0)};
    return tile([&](float x, float y) {
        const float wx = x + 5.0f * fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed, 3);
        const float wy = y + 5.0f * fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed + 1, 3);
        const CellDistances d = cellular2Periodic(wx / 16.0f, wy / 16.0f, 8, seed + 2);
        const float edge = std::exp(-(d.second - d.nearest) * (d.second - d.nearest) / 0.01f);
        const float core = std::exp(-d.nearest * d.nearest / 0.05f);
        return ramp(stops, 0.2f + 0.65f * edge + 0.3f * core);
    });
}

Image gateVortex() {  // magenta: swirling bands
    const std::uint32_t seed = 0x544F5234u;
    const Color stops[] = {rgb(0x200418), rgb(0x801060), rgb(0xF040C0), rgb(0xFFC8F0)};
    return tile([&](float x, float y) {
        const float a = fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed, 4);
        const float b = fbm2Periodic(x / 32.0f + 3.0f * a, y / 32.0f + 3.0f * a, 4, 4, seed + 1, 4);
        return ramp(stops, 0.5f + 0.5f * std::sin(12.0f * b + 4.0f * a));
    });
}

Image gateLattice() {  // violet and white: crossing beams
    const std::uint32_t seed = 0x544F5235u;
    const Color stops[] = {rgb(0x0C0424), rgb(0x4018A0), rgb(0xA070FF), rgb(0xF0E8FF)};
    return tile([&](float x, float y) {
        const float u = x / kTile * kTau, v = y / kTile * kTau;
        const float warp = 0.6f * fbm2Periodic(x / 32.0f, y / 32.0f, 4, 4, seed, 3);
        const float d1 = std::fabs(std::sin(2.0f * (u + v) + warp));
        const float d2 = std::fabs(std::sin(2.0f * (u - v) - warp));
        const float d3 = std::fabs(std::sin(4.0f * u + warp * 2.0f));
        const float beams = std::exp(-d1 * d1 / 0.01f) + std::exp(-d2 * d2 / 0.01f) + 0.5f * std::exp(-d3 * d3 / 0.004f);
        const float haze = 0.3f + 0.25f * fbm2Periodic(x / 16.0f, y / 16.0f, 8, 8, seed + 1, 3);
        return ramp(stops, haze + 0.6f * beams);
    });
}

struct TextureFile {
    const char* name;
    std::function<Image()> make;
};

}  // namespace

bool writeTextures(const std::filesystem::path& out, std::string& error) {
    const Color sonne[] = {rgb(0xE06C10), rgb(0xF8AC2C), rgb(0xFFDE68), rgb(0xFFF6C8)};
    const Color rot[] = {rgb(0x7C1008), rgb(0xBC2810), rgb(0xEE5020), rgb(0xFF9A6A)};
    const Color blau[] = {rgb(0x1834B8), rgb(0x3870EE), rgb(0x84B2FF), rgb(0xDCEAFF)};
    const Color weiss[] = {rgb(0xB4BCC8), rgb(0xDAE0E8), rgb(0xF2F4F8), rgb(0xFFFFFF)};

    const TextureFile files[] = {
        {"grausprenkel.bmp", greyFlecks},
        {"Erde1.bmp", [] { return earth({0x45524431u, 0.68f, 0.5f, 0.5f}); }},
        {"Erde2.bmp", [] { return earth({0x45524432u, 0.55f, 0.3f, 1.0f}); }},
        {"Erde3.bmp", [] { return earth({0x45524433u, 0.8f, 0.8f, 0.2f}); }},
        {"Mars.bmp", mars},
        {"Jupiter.bmp", jupiter},
        {"Uranus.bmp", uranus},
        {"Neptun.bmp", neptune},
        // Plains and craters like the Earth's moon.
        {"Mond1.bmp", [] { return moon({0x4D4F4E31u, rgb(0xAAAAA6), rgb(0x5C5C5E), 0.5f, 220, 0.2f, 0.0f, 0.08f}); }},
        // Brownish and covered in small craters.
        {"Mond2.bmp", [] { return moon({0x4D4F4E32u, rgb(0x9C9282), rgb(0x847A6C), 0.2f, 420, 0.1f, 0.0f, 0.1f}); }},
        // Pale, icy, with dark cracks and few craters.
        {"Mond3.bmp", [] { return moon({0x4D4F4E33u, rgb(0xC4CCD4), rgb(0x9EA6B0), 0.3f, 70, 0.14f, 0.55f, 0.05f}); }},
        // Dark and rough, with a few large basins.
        {"Mond4.bmp", [] { return moon({0x4D4F4E34u, rgb(0x7A7876), rgb(0x4E4C4C), 0.4f, 140, 0.3f, 0.0f, 0.18f}); }},
        {"Io.bmp", io},
        {"Titan.bmp", titan},
        {"sonne.bmp", [&] { return sun(0x534F4E4Eu, sonne, 4); }},
        {"rot.bmp", [&] { return sun(0x524F5400u, rot, 2); }},
        {"blau.bmp", [&] { return sun(0x424C4155u, blau, 0); }},
        {"weiss.bmp", [&] { return sun(0x57454953u, weiss, 0); }},
        {"stars.bmp", starSky},
        {"Tor1.bmp", gateFilaments},
        {"Tor2.bmp", gateWaves},
        {"Tor3.bmp", gateGrid},
        {"Tor4.bmp", gateVortex},
        {"Tor5.bmp", gateLattice},
    };
    for (const TextureFile& file : files) {
        const std::filesystem::path path = out / file.name;
        if (!writeBmp(path.string(), file.make())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
