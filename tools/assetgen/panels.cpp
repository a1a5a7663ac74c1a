#include "assetgen/panels.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string_view>

#include "assetgen/bmp_writer.h"
#include "assetgen/noise.h"
#include "world/texts.h"
#include "assetgen/paint.h"

namespace {

using namespace gen;
using platform::Image;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kCell = 16;        // font cell
constexpr int kSymbol = 32;      // equipment symbols
constexpr int kPlateWidth = 224, kPlateHeight = 32;
constexpr int kSubsamples = 4;   // per pixel and axis, for smooth edges

Color pixel(const Image& image, int x, int y) { return rgb(image.at(x, y)); }

// A rectangle of pixels, both corners included.
struct Box {
    int x0 = 0, y0 = 0, x1 = 1 << 20, y1 = 1 << 20;
};

// Covers the image with a shape: inside(x, y) says whether a point in pixel
// units belongs to it and in which colour. Each pixel is sampled 4 x 4 times
// and blended by the share of samples inside; only pixels in the box.
void fillShape(Image& image, const std::function<bool(float, float, Color&)>& inside, Box box = {}) {
    for (int y = std::max(box.y0, 0); y <= std::min(box.y1, image.height - 1); ++y) {
        for (int x = std::max(box.x0, 0); x <= std::min(box.x1, image.width - 1); ++x) {
            Color sum;
            int hits = 0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSubsamples;
                    const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSubsamples;
                    Color c;
                    if (inside(px, py, c)) {
                        sum = sum + c;
                        ++hits;
                    }
                }
            }
            if (hits == 0) continue;
            const float coverage = static_cast<float>(hits) / (kSubsamples * kSubsamples);
            image.at(x, y) = pack(lerp(pixel(image, x, y), sum * (1.0f / static_cast<float>(hits)), coverage));
        }
    }
}

// Adds light: glow(x, y) is the light at the pixel's centre.
void addGlow(Image& image, const std::function<Color(float, float)>& glow) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Color light = glow(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            image.at(x, y) = pack(screen(pixel(image, x, y), light));
        }
    }
}

float distanceToSegment(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Brightness of a lit ball at a point inside it: light from the upper left,
// with a highlight.
float ballLight(float px, float py, float cx, float cy, float r, float& highlight) {
    const float nx = (px - cx) / r, ny = (py - cy) / r;
    const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
    const Vec3 light = normalize(Vec3{-0.5f, -0.6f, 0.62f});
    const float diffuse = std::max(0.0f, nx * light.x + ny * light.y + nz * light.z);
    const Vec3 half = normalize(light + Vec3{0.0f, 0.0f, 1.0f});
    highlight = std::pow(std::max(0.0f, nx * half.x + ny * half.y + nz * half.z), 24.0f);
    return 0.3f + 0.8f * diffuse;
}

// ---------------------------------------------------------------- labels

// Copies the glyphs of text from the font onto the image, the row of cells
// centred on (centreX, centreY); only the glyphs' own (non-black) pixels.
void drawLabel(Image& image, const Image& font, std::string_view text, int centreX, int centreY) {
    const int left = centreX - static_cast<int>(text.size()) * kCell / 2;
    const int top = centreY - kCell / 2;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int code = static_cast<unsigned char>(text[i]);
        if (code < 32 || code > 127) continue;
        const int column = (code - 32) % 32 * kCell, row = (code - 32) / 32 * kCell;
        for (int gy = 0; gy < kCell; ++gy) {
            for (int gx = 0; gx < kCell; ++gx) {
                const int fx = column + gx, fy = row + gy;
                const int x = left + static_cast<int>(i) * kCell + gx, y = top + gy;
                if (fx >= font.width || fy >= font.height || x < 0 || y < 0 || x >= image.width ||
                    y >= image.height) {
                    continue;
                }
                const std::uint32_t ink = font.at(fx, fy);
                if (ink != 0) image.at(x, y) = ink;
            }
        }
    }
}

// ---------------------------------------------------------------- panel

// Brushed metal: fine streaks along x.
Color brushed(Color base, int x, int y, std::uint32_t seed) {
    const float streak = fbm2Periodic(static_cast<float>(x) / 40.0f, static_cast<float>(y) / 1.7f, 64, 1024, seed, 3);
    const float grain = signedUnit(hash(seed + 1, x, y));
    return base * (1.0f + 0.10f * streak + 0.03f * grain);
}

// A bevelled frame of the given width around the rectangle's edge: light on
// the top and left, dark on the bottom and right.
void bevel(Image& image, int x0, int y0, int x1, int y1, int width, Color light, Color dark) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const int fromLeft = x - x0, fromTop = y - y0, fromRight = x1 - x, fromBottom = y1 - y;
            const int edge = std::min({fromLeft, fromTop, fromRight, fromBottom});
            if (edge >= width) continue;
            const bool lit = std::min(fromLeft, fromTop) <= std::min(fromRight, fromBottom);
            image.at(x, y) = pack(lerp(pixel(image, x, y), lit ? light : dark, 0.8f));
        }
    }
}

void rivet(Image& image, float cx, float cy) {
    fillShape(image, [&](float x, float y, Color& c) {
        if (std::hypot(x - cx, y - cy) > 2.2f) return false;
        float highlight = 0.0f;
        const float lit = ballLight(x, y, cx, cy, 2.2f, highlight);
        c = rgb(0x5C6878) * lit + rgb(0xFFFFFF) * (0.6f * highlight);
        return true;
    }, Box{static_cast<int>(cx) - 3, static_cast<int>(cy) - 3, static_cast<int>(cx) + 3, static_cast<int>(cy) + 3});
}

// The black windows of the panel, where the cockpit puts its texts (16 x 16
// cells from x 8), its two plates and its rows of symbols (from x 14). Text
// cells and symbols are copied opaque with black around them, so the
// windows are black too and nothing shows at the cells' edges.
struct Window {
    int x0, y0, x1, y1;  // inclusive
};
constexpr Window kPanelWindows[] = {
    {8, 8, 247, 39},      // system, or the enemy's distance
    {8, 56, 247, 87},     // planet and moon, stations, or the reputation
    {14, 104, 237, 135},  // forward / rear view
    {14, 152, 237, 183},  // headlight
    {14, 200, 237, 231},  // guided missiles
    {14, 248, 237, 279},  // decoys
    {14, 296, 237, 327},  // giga bombs
    {14, 344, 237, 375},  // asteroid accelerators
    {14, 392, 237, 647},  // shield and gun energy, four rows of seven each
    {8, 664, 247, 743},   // mission, money, passengers
};

Image instrumentPanel() {
    constexpr int w = 256, h = 768;
    constexpr std::uint32_t seed = 0x56475244u;
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Darker towards the bottom, as if lit from above.
            const float fall = 1.0f - 0.25f * static_cast<float>(y) / static_cast<float>(h);
            image.at(x, y) = pack(brushed(rgb(0x2A323E) * fall, x, y, seed));
        }
    }
    bevel(image, 0, 0, w - 1, h - 1, 2, rgb(0x6A7688), rgb(0x0A0C10));

    // A groove down each side, and one between the two groups of windows.
    for (int y = 4; y < h - 4; ++y) {
        for (const int x : {5, w - 6}) image.at(x, y) = pack(rgb(0x10141A));
    }
    for (int x = 8; x < w - 8; ++x) {
        image.at(x, 655) = pack(rgb(0x10141A));
        image.at(x, 656) = pack(rgb(0x4A5566));
    }

    for (const Window& win : kPanelWindows) {
        for (int y = win.y0; y <= win.y1; ++y) {
            for (int x = win.x0; x <= win.x1; ++x) image.at(x, y) = 0;
        }
        // Sunk into the console: the shadow above and left, the lit edge below and right.
        bevel(image, win.x0 - 2, win.y0 - 2, win.x1 + 2, win.y1 + 2, 2, rgb(0x06080C), rgb(0x566276));
    }

    for (int i = 0; i < 9; ++i) {
        const float y = std::min(3.5f + static_cast<float>(i) * 95.0f, static_cast<float>(h) - 3.5f);
        rivet(image, 2.5f, y);
        rivet(image, static_cast<float>(w) - 2.5f, y);
    }
    return image;
}

// ---------------------------------------------------------------- radar

constexpr int kRadarSize = 192;
constexpr float kRadarCentre = 96.0f;   // between the two middle pixels
constexpr float kRadarRadius = 93.0f;  // outside is transparent
constexpr float kBezel = 4.0f;

Image radarScope() {
    constexpr std::uint32_t seed = 0x52414452u;
    Image image(kRadarSize, kRadarSize);  // black: transparent
    for (int y = 0; y < kRadarSize; ++y) {
        for (int x = 0; x < kRadarSize; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - kRadarCentre;
            const float dy = static_cast<float>(y) + 0.5f - kRadarCentre;
            const float d = std::hypot(dx, dy);
            if (d > kRadarRadius) continue;
            if (d > kRadarRadius - kBezel) {
                // The metal ring, lit from the upper left.
                const float facing = -(dx + dy) / (d * 1.4142f);
                const Color ring = rgb(0x3C5446) * (1.0f + 0.45f * facing);
                image.at(x, y) = pack(ring + rgb(0x040804));
                continue;
            }
            const float glow = 1.0f - d / kRadarRadius;
            Color c = rgb(0x021806) + rgb(0x000E04) * glow;
            c = c * (1.0f + 0.12f * signedUnit(hash(seed, x, y)));
            // Range rings and the cross, drawn softly over a pixel's width.
            float line = 0.0f;
            for (const float r : {30.0f, 60.0f}) line = std::max(line, 1.0f - std::fabs(d - r));
            const float cross = std::max(1.0f - std::fabs(dx), 1.0f - std::fabs(dy));
            c = lerp(c, rgb(0x0E6A22), std::max(0.0f, line));
            c = lerp(c, rgb(0x0A4E1A), std::max(0.0f, cross));
            // Ticks every 30 degrees at the rim.
            const float angle = std::atan2(dy, dx);
            const float tick = std::fabs(std::remainder(angle, kPi / 6.0f)) * d;
            if (d > kRadarRadius - kBezel - 7.0f && tick < 0.9f) c = lerp(c, rgb(0x2A8A3C), 1.0f - tick / 0.9f);
            image.at(x, y) = pack(c);
        }
    }
    return image;
}

// ---------------------------------------------------------------- plates

Image plate(const Image& font, std::string_view label,
            const std::function<void(Image&)>& symbol) {
    constexpr std::uint32_t seed = 0x504C4154u;
    Image image(kPlateWidth, kPlateHeight);
    for (int y = 0; y < kPlateHeight; ++y) {
        for (int x = 0; x < kPlateWidth; ++x) image.at(x, y) = pack(brushed(rgb(0x3A4454), x, y, seed));
    }
    bevel(image, 0, 0, kPlateWidth - 1, kPlateHeight - 1, 2, rgb(0x7A8698), rgb(0x101418));
    for (int y = 5; y < kPlateHeight - 5; ++y) {
        for (int x = 5; x < kPlateWidth - 5; ++x) image.at(x, y) = pack(rgb(0x0A0E14));
    }
    bevel(image, 4, 4, kPlateWidth - 5, kPlateHeight - 5, 1, rgb(0x05070A), rgb(0x56627A));
    if (symbol) symbol(image);
    drawLabel(image, font, label, kPlateWidth / 2, kPlateHeight / 2);
    return image;
}

// A chevron pointing up (forward) or down (back) at the plate's left end.
void chevron(Image& image, bool up) {
    fillShape(image, [up](float x, float y, Color& c) {
        const float cy = 16.0f, cx = 20.0f;
        const float v = up ? (cy - y) : (y - cy);  // along the arrow
        const float across = std::fabs(x - cx);
        const float arm = std::fabs(v + across * 0.9f - 2.0f);
        if (across > 7.0f || arm > 1.6f) return false;
        c = rgb(0x58C890);
        return true;
    });
}

void lamp(Image& image, bool on) {
    const float cx = 20.0f, cy = 16.0f, r = 6.5f;
    fillShape(image, [&](float x, float y, Color& c) {
        const float d = std::hypot(x - cx, y - cy);
        if (d > r + 1.2f) return false;
        if (d > r) {
            c = rgb(0x5A6474);  // the socket's rim
            return true;
        }
        float highlight = 0.0f;
        const float lit = ballLight(x, y, cx, cy, r, highlight);
        c = on ? lerp(rgb(0xFFF4C0), rgb(0xF0B830), d / r) : rgb(0x2C3036) * lit;
        c = c + rgb(0xFFFFFF) * ((on ? 0.2f : 0.5f) * highlight);
        return true;
    });
    if (on) {
        addGlow(image, [&](float x, float y) {
            const float d = std::hypot(x - cx, y - cy);
            return rgb(0xFFC040) * (0.8f * std::exp(-(d - r) * (d - r) / 8.0f) * (d > r ? 1.0f : 0.0f));
        });
    }
}

// ---------------------------------------------------------------- symbols

Image guidedMissile() {
    Image image(kSymbol, kSymbol);
    const float tx = 8.0f, ty = 24.0f;                 // tail
    const float dx = 0.70710678f, dy = -0.70710678f;   // towards the nose, up and right
    const float length = 25.0f, half = 2.4f;
    auto frame = [&](float x, float y, float& s, float& t) {
        s = (x - tx) * dx + (y - ty) * dy;
        t = (x - tx) * -dy + (y - ty) * dx;
    };
    addGlow(image, [&](float x, float y) {  // exhaust
        float s = 0.0f, t = 0.0f;
        frame(x, y, s, t);
        if (s > 0.5f || s < -8.0f) return Color{};
        const float along = (s + 8.0f) / 8.5f;
        const float width = 0.5f + 2.2f * along;
        const float f = std::exp(-t * t / (width * width)) * along;
        return lerp(rgb(0xFF5010), rgb(0xFFF0A0), along) * f;
    });
    fillShape(image, [&](float x, float y, Color& c) {  // fins
        float s = 0.0f, t = 0.0f;
        frame(x, y, s, t);
        if (s < 0.0f || s > 6.0f || std::fabs(t) > half + (6.0f - s) * 0.6f) return false;
        c = rgb(0xA82020);
        return true;
    });
    fillShape(image, [&](float x, float y, Color& c) {  // body and nose
        float s = 0.0f, t = 0.0f;
        frame(x, y, s, t);
        const float noseStart = length - 7.0f;
        if (s < 0.0f || s > length) return false;
        const float radius = s < noseStart ? half : half * (length - s) / 7.0f;
        if (std::fabs(t) > radius) return false;
        const float shade = 1.0f - 0.45f * std::fabs(t + 0.8f) / (half + 0.8f);
        if (s >= noseStart) {
            c = rgb(0xE83A24) * (shade + 0.1f);
        } else if (s > noseStart - 3.0f && s < noseStart - 1.8f) {
            c = rgb(0x404850);
        } else {
            c = rgb(0xDCE0E6) * shade;
        }
        return true;
    });
    return image;
}

Image gigaBomb() {
    Image image(kSymbol, kSymbol);
    const float cx = 15.0f, cy = 18.5f, r = 10.5f;
    fillShape(image, [&](float x, float y, Color& c) {  // the fuse
        const float t = std::clamp((x - 15.5f) / 7.0f, 0.0f, 1.0f);
        const float fy = 7.0f - 4.5f * std::sqrt(t);
        if (x < 15.0f || x > 22.5f || std::fabs(y - fy) > 0.7f) return false;
        c = rgb(0xB09060);
        return true;
    });
    fillShape(image, [&](float x, float y, Color& c) {  // the cap
        if (x < 12.5f || x > 18.5f || y < 5.5f || y > 9.5f) return false;
        c = rgb(0x7C8490) * (1.0f - 0.06f * (x - 12.5f));
        return true;
    });
    fillShape(image, [&](float x, float y, Color& c) {  // the ball with a band
        if (std::hypot(x - cx, y - cy) > r) return false;
        float highlight = 0.0f;
        const float lit = ballLight(x, y, cx, cy, r, highlight);
        const Color base = std::fabs(y - cy - 1.0f) < 1.6f ? rgb(0xC02C20) : rgb(0x343A46);
        c = base * lit + rgb(0xFFFFFF) * (0.8f * highlight);
        return true;
    });
    addGlow(image, [](float x, float y) {  // the spark
        const float dx = x - 23.5f, dy = y - 2.5f;
        const float d2 = dx * dx + dy * dy;
        const float rays = std::exp(-dx * dx / 0.4f) * std::exp(-std::fabs(dy) / 2.0f) +
                           std::exp(-dy * dy / 0.4f) * std::exp(-std::fabs(dx) / 2.0f);
        return lerp(rgb(0xFFA020), rgb(0xFFFFE0), std::exp(-d2 / 2.0f)) * std::min(1.0f, std::exp(-d2 / 5.0f) + 0.7f * rays);
    });
    return image;
}

Image asteroidAccelerator() {
    constexpr std::uint32_t seed = 0x41535452u;
    Image image(kSymbol, kSymbol);
    const float cx = 12.0f, cy = 16.5f;
    addGlow(image, [](float x, float y) {  // the jet
        if (x < 24.0f) return Color{};
        const float along = (x - 24.0f) / 8.0f;
        const float width = 1.2f + 1.6f * along;
        const float f = std::exp(-(y - 16.5f) * (y - 16.5f) / (width * width)) * (1.0f - 0.6f * along);
        return lerp(rgb(0xE0F4FF), rgb(0x3070FF), along) * f;
    });
    fillShape(image, [&](float x, float y, Color& c) {  // the rock
        const float angle = std::atan2(y - cy, x - cx);
        const float radius = 9.5f + 1.6f * noise2Periodic((angle + kPi) / (2.0f * kPi) * 6.0f, 0.5f, 6, 1, seed);
        const float d = std::hypot(x - cx, y - cy);
        if (d > radius) return false;
        float highlight = 0.0f;
        const float lit = ballLight(x, y, cx, cy, radius + 0.5f, highlight);
        const float pits = fbm2Periodic(x / 5.0f, y / 5.0f, 64, 64, seed + 1, 3);
        c = rgb(0x8C7C68) * (lit * (1.0f + 0.6f * pits));
        return true;
    });
    fillShape(image, [](float x, float y, Color& c) {  // the engine on its side
        const bool body = x >= 17.0f && x <= 23.0f && std::fabs(y - 16.5f) <= 4.0f;
        const bool nozzle = x > 23.0f && x <= 26.5f && std::fabs(y - 16.5f) <= 2.5f + (x - 23.0f) * 0.6f;
        if (!body && !nozzle) return false;
        const float shade = 1.0f - 0.5f * std::fabs(y - 15.0f) / 6.0f;
        c = (body ? rgb(0xA8B0BC) : rgb(0x60687A)) * shade;
        if (body && std::fmod(x - 17.0f, 2.5f) < 0.6f) c = c * 0.6f;
        return true;
    });
    return image;
}

Image decoy() {
    Image image(kSymbol, kSymbol);
    addGlow(image, [](float x, float y) {
        const float dx = x - 16.0f, dy = y - 16.0f;
        const float d = std::hypot(dx, dy);
        Color light = lerp(rgb(0xFF8020), rgb(0xFFFFF0), std::exp(-d * d / 4.0f)) * std::exp(-d * d / 18.0f);
        // Waves to both sides, as if the flare sent out false echoes.
        const float side = std::fabs(dx) / std::max(d, 0.001f);
        if (side > 0.75f) {
            for (const float r : {9.0f, 12.5f}) {
                const float wave = std::exp(-(d - r) * (d - r) / 0.5f) * smoothstep(0.75f, 0.9f, side);
                light = screen(light, rgb(0x60E8FF) * wave);
            }
        }
        return light;
    });
    return image;
}

// The shield's outline: flat top, straight sides, a rounded point below.
bool insideShield(float x, float y, float scale) {
    const float cx = 16.0f, top = 16.0f - 12.0f * scale, shoulder = 16.0f - 1.0f * scale;
    const float bottom = 16.0f + 13.0f * scale, halfWidth = 10.5f * scale;
    if (y < top || y > bottom) return false;
    if (y <= shoulder) return std::fabs(x - cx) <= halfWidth;
    const float t = (y - shoulder) / (bottom - shoulder);
    return std::fabs(x - cx) <= halfWidth * std::pow(std::cos(t * kPi / 2.0f), 0.7f);
}

Image shieldUnit() {
    Image image(kSymbol, kSymbol);
    fillShape(image, [](float x, float y, Color& c) {
        if (!insideShield(x, y, 1.0f)) return false;
        if (!insideShield(x, y + 0.6f, 0.85f)) {
            c = rgb(0xB8ECFF);
            return true;
        }
        c = lerp(rgb(0x6AB0FF), rgb(0x1438A8), (y - 4.0f) / 25.0f);
        if (x < 16.0f && y < 16.0f) c = c * 1.15f;  // the light falls from the upper left
        if (!insideShield(x, y + 1.0f, 0.6f) && insideShield(x, y + 1.2f, 0.68f)) c = lerp(c, rgb(0xB8ECFF), 0.5f);
        return true;
    });
    return image;
}

// One unit of gun energy, coloured like the gun's shots.
Image laserUnit() {
    Image image(kSymbol, kSymbol);
    addGlow(image, [](float x, float y) {
        const float d = distanceToSegment(x, y, 6.0f, 21.0f, 26.0f, 11.0f);
        return lerp(rgb(0xFF1810), rgb(0xFFE0E0), std::exp(-d * d / 0.8f)) * std::exp(-d * d / 6.0f);
    });
    return image;
}

Image ionUnit() {
    Image image(kSymbol, kSymbol);
    addGlow(image, [](float x, float y) {
        const float d = std::hypot(x - 16.0f, y - 16.0f);
        Color light = lerp(rgb(0x10E040), rgb(0xE0FFE0), std::exp(-d * d / 6.0f)) * std::exp(-d * d / 40.0f);
        for (int i = 0; i < 3; ++i) {  // ions around the core
            const float angle = static_cast<float>(i) * 2.0f * kPi / 3.0f + 0.4f;
            const float ox = 16.0f + 11.0f * std::cos(angle), oy = 16.0f + 11.0f * std::sin(angle);
            const float e = std::hypot(x - ox, y - oy);
            light = screen(light, rgb(0x80FF90) * std::exp(-e * e / 2.0f));
        }
        return light;
    });
    return image;
}

Image photonUnit() {
    Image image(kSymbol, kSymbol);
    addGlow(image, [](float x, float y) {
        const float dx = x - 16.0f, dy = y - 16.0f;
        const float d2 = dx * dx + dy * dy;
        const float rays = std::exp(-dx * dx / 0.6f) * std::exp(-std::fabs(dy) / 4.5f) +
                           std::exp(-dy * dy / 0.6f) * std::exp(-std::fabs(dx) / 4.5f) +
                           0.5f * std::exp(-(dx - dy) * (dx - dy) / 1.2f) * std::exp(-std::sqrt(d2) / 3.0f) +
                           0.5f * std::exp(-(dx + dy) * (dx + dy) / 1.2f) * std::exp(-std::sqrt(d2) / 3.0f);
        const Color core = lerp(rgb(0x2050FF), rgb(0xE8F0FF), std::exp(-d2 / 8.0f));
        return core * std::min(1.0f, std::exp(-d2 / 45.0f) + rays);
    });
    return image;
}

Image positronUnit() {
    Image image(kSymbol, kSymbol);
    addGlow(image, [](float x, float y) {
        const float dx = x - 16.0f, dy = y - 16.0f;
        const float d2 = dx * dx + dy * dy;
        // A tilted ring around the core.
        const float rx = 0.94f * dx + 0.34f * dy, ry = -0.34f * dx + 0.94f * dy;
        const float ring = std::sqrt(rx * rx / 121.0f + ry * ry / 25.0f);
        const float band = std::exp(-(ring - 1.0f) * (ring - 1.0f) / 0.012f);
        const Color core = lerp(rgb(0xB030FF), rgb(0xF8E0FF), std::exp(-d2 / 5.0f)) * std::exp(-d2 / 20.0f);
        return screen(core, rgb(0xC050F0) * band);
    });
    return image;
}

// A crosshair bar: bright along its middle, fading to black at both ends.
Image crosshairBar(bool vertical) {
    constexpr int length = 64, thickness = 4;
    Image image(vertical ? thickness : length, vertical ? length : thickness);
    constexpr float across[thickness] = {0.45f, 1.0f, 1.0f, 0.45f};
    for (int a = 0; a < length; ++a) {
        const float fromEnd = static_cast<float>(std::min(a, length - 1 - a));
        const float f = smoothstep(1.0f, 10.0f, fromEnd);
        for (int b = 0; b < thickness; ++b) {
            const std::uint32_t c = pack(rgb(0x90FFA8) * (f * across[b]));
            if (vertical) {
                image.at(b, a) = c;
            } else {
                image.at(a, b) = c;
            }
        }
    }
    return image;
}

struct PanelFile {
    const char* name;
    std::function<Image()> make;
};

// The plates, in the order of their words in the texts: forward, back, on,
// off; each with its file and what it shows beside its word.
struct Schild {
    const char* datei;
    std::function<void(Image&)> zeichen;
};
const Schild kSchilder[] = {
    {"Vorne", [](Image& i) { chevron(i, true); }},
    {"Hinten", [](Image& i) { chevron(i, false); }},
    {"Ein", [](Image& i) { lamp(i, true); }},
    {"Aus", [](Image& i) { lamp(i, false); }},
};

}  // namespace

bool writePlates(const std::filesystem::path& out, const Image& font, const std::array<std::string, 4>& worte,
                 const std::string& endung, std::string& error) {
    for (std::size_t i = 0; i < std::size(kSchilder); ++i) {
        const std::filesystem::path path = out / (std::string(kSchilder[i].datei) + endung + ".bmp");
        if (!writeBmp(path.string(), plate(font, worte[i], kSchilder[i].zeichen))) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

bool writePanels(const std::filesystem::path& out, const Image& font, std::string& error) {
    const PanelFile files[] = {
        {"Vordergrund.bmp", instrumentPanel},
        {"RadarBack.bmp", radarScope},
        {"Lenkrakete.bmp", guidedMissile},
        {"Gigabombe.bmp", gigaBomb},
        {"Asteroidenbeschleuniger.bmp", asteroidAccelerator},
        {"ECM.bmp", decoy},
        {"Energie.bmp", shieldUnit},
        {"Laser.bmp", laserUnit},
        {"Ionen.bmp", ionUnit},
        {"Photonen.bmp", photonUnit},
        {"Positronen.bmp", positronUnit},
        {"FadenV.bmp", [] { return crosshairBar(true); }},
        {"FadenH.bmp", [] { return crosshairBar(false); }},
    };
    for (const PanelFile& file : files) {
        const std::filesystem::path path = out / file.name;
        if (!writeBmp(path.string(), file.make())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return writePlates(out, font, platesWords(), "", error);
}

std::array<std::string, 4> platesWords(const std::function<std::string(std::string_view)>& translate) {
    std::array<std::string, 4> worte;
    for (int i = 0; i < 4; ++i) {
        const std::string_view deutsch = eintrag(TextId::Schild + i).deutsch;
        worte[static_cast<std::size_t>(i)] = translate ? translate(deutsch) : std::string(deutsch);
    }
    return worte;
}
