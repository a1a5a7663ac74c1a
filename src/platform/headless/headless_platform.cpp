#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <cstdio>

#include <SDL.h>

#include "platform/data_files.h"
#include "platform/key_names.h"

namespace platform {

namespace {
constexpr int kTicksPerFrame = 50;  // 50 / 3 ms = one frame at 60 per second

// Floats in a form that reads back exactly.
void put(std::string& out, float v) {
    char text[32];
    std::snprintf(text, sizeof text, " %.9g", static_cast<double>(v));
    out += text;
}

void put(std::string& out, const D3DMATRIX& m) {
    for (int i = 0; i < 16; ++i) put(out, (&m._11)[i]);
}

void put(std::string& out, const D3DVECTOR& v) {
    put(out, v.x);
    put(out, v.y);
    put(out, v.z);
}

void put(std::string& out, const ColorValue& c) {
    put(out, c.r);
    put(out, c.g);
    put(out, c.b);
    put(out, c.a);
}

void put(std::string& out, const Light& l) {
    out += " type " + std::to_string(static_cast<int>(l.type));
    put(out, l.diffuse);
    put(out, l.specular);
    put(out, l.ambient);
    put(out, l.position);
    put(out, l.direction);
    for (float v : {l.range, l.falloff, l.attenuation0, l.attenuation1, l.attenuation2, l.theta, l.phi}) {
        put(out, v);
    }
}

}

SurfaceId HeadlessPlatform::createSurface(const Image& image) {
    surfaces_.push_back(image);
    return static_cast<SurfaceId>(surfaces_.size());
}

const Image* HeadlessPlatform::surface(SurfaceId id) const {
    if (id < 1 || id > static_cast<int>(surfaces_.size())) return nullptr;
    return &surfaces_[static_cast<std::size_t>(id - 1)];
}

void HeadlessPlatform::blit(int x, int y, SurfaceId source, const Rect& r, bool colorKey) {
    const Image* src = surface(source);
    if (!src) return;
    blits.push_back({x, y, source, r, colorKey});
    if (tracing) {
        trace.push_back("blit " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(source) +
                        " " + std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.w) + " " +
                        std::to_string(r.h) + (colorKey ? " key" : ""));
    }
    for (int row = 0; row < r.h; ++row) {
        for (int col = 0; col < r.w; ++col) {
            const int sx = r.x + col, sy = r.y + row, dx = x + col, dy = y + row;
            if (sx < 0 || sy < 0 || sx >= src->width || sy >= src->height) continue;
            if (dx < 0 || dy < 0 || dx >= back_.width || dy >= back_.height) continue;
            const std::uint32_t pixel = src->at(sx, sy) & 0xFFFFFF;
            if (colorKey && pixel == 0) continue;
            back_.at(dx, dy) = pixel;
        }
    }
}

void HeadlessPlatform::fill(const Rect& r, std::uint32_t color) {
    if (tracing) {
        trace.push_back("fill " + std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.w) +
                        " " + std::to_string(r.h) + " " + std::to_string(color));
    }
    const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
    const int x1 = std::min(r.x + r.w, back_.width), y1 = std::min(r.y + r.h, back_.height);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) back_.at(x, y) = color & 0xFFFFFF;
    }
}

void HeadlessPlatform::flip() {
    ++flips;
    if (tracing) {
        shown.insert(shown.end(), trace.begin(), trace.end());
        shown.push_back("flip");
        trace.clear();
        lastState_.clear();
    }
    blits.clear();
    draws.clear();
    clockTicks_ += kTicksPerFrame;
    if (screenshotWanted_) {
        screenshots.save([picture = back_] { return picture; }, screenshotWanted_->first,
                         screenshotWanted_->second);
        screenshotWanted_.reset();
    }
}

bool HeadlessPlatform::saveScreenshot(const std::string& folder, const std::string& name) {
    if (screenshotWanted_ || screenshots.busy()) return false;
    screenshotWanted_.emplace(folder, name);
    return true;
}

bool HeadlessPlatform::setViewport(int x, int y, int width, int height, float, float) {
    if (width <= 0 || height <= 0 || x < 0 || y < 0 || x + width > kScreenWidth ||
        y + height > kScreenHeight) {
        return false;
    }
    viewport = {x, y, width, height};
    return true;
}

void HeadlessPlatform::setTransform(TransformState state, const D3DMATRIX& matrix) {
    switch (state) {
        case TransformState::World: world = matrix; break;
        case TransformState::View: view = matrix; break;
        case TransformState::Projection: projection = matrix; break;
    }
}

D3DMATRIX HeadlessPlatform::transform(TransformState state) const {
    switch (state) {
        case TransformState::World: return world;
        case TransformState::View: return view;
        case TransformState::Projection: break;
    }
    return projection;
}

void HeadlessPlatform::setLight(int index, const Light& light) {
    if (index == 0 || index == 1) lights[index] = light;
}

void HeadlessPlatform::lightEnable(int index, bool on) {
    if (index == 0 || index == 1) lightOn[index] = on;
}

bool HeadlessPlatform::lightEnabled(int index) const {
    return (index == 0 || index == 1) && lightOn[index];
}

TextureId HeadlessPlatform::createTexture(const Image&) { return ++textures_; }

void HeadlessPlatform::clear(bool target, std::uint32_t color, bool zbuffer, float depth) {
    if (tracing) {
        std::string line = "clear " + std::to_string(viewport.x) + " " + std::to_string(viewport.y) + " " +
                           std::to_string(viewport.w) + " " + std::to_string(viewport.h);
        if (target) line += " target " + std::to_string(color);
        if (zbuffer) {
            line += " depth";
            put(line, depth);
        }
        trace.push_back(line);
    }
    if (target) {
        const bool was = tracing;
        tracing = false;  // the clear is its own line
        fill(viewport, color);
        tracing = was;
    }
}

// The device state a draw is made in, as a line whenever it changed.
void HeadlessPlatform::traceState() {
    std::string state = "state viewport " + std::to_string(viewport.x) + " " + std::to_string(viewport.y) + " " +
                        std::to_string(viewport.w) + " " + std::to_string(viewport.h) + " view";
    put(state, view);
    state += " projection";
    put(state, projection);
    state += " ambient " + std::to_string(ambient) + (lighting ? " lighting" : " unlit");
    state += linearMagnification ? " linear" : " point";
    state += depthTest ? " depth" : " nodepth";
    for (int i = 0; i < 2; ++i) {
        state += lightOn[i] ? " light" + std::to_string(i) + " on" : " light" + std::to_string(i) + " off";
        put(state, lights[i]);
    }
    if (state != lastState_) {
        trace.push_back(state);
        lastState_ = state;
    }
}

bool HeadlessPlatform::beginScene() {
    ++scenes;
    return true;
}

MeshId HeadlessPlatform::createMesh(const std::vector<MeshVertex>&, const std::vector<std::uint32_t>& indices) {
    meshIndices.push_back(indices);
    meshLive.push_back(true);
    return static_cast<MeshId>(meshIndices.size());
}

void HeadlessPlatform::destroyMesh(MeshId mesh) {
    if (mesh <= 0 || mesh > static_cast<MeshId>(meshLive.size())) return;
    const auto slot = static_cast<std::size_t>(mesh) - 1;
    meshLive[slot] = false;
    if (slot < meshIndices.size()) meshIndices[slot].clear();
}

void HeadlessPlatform::drawMesh(MeshId mesh, int firstIndex, int indexCount, float vertexScale) {
    draws.push_back({mesh, firstIndex, indexCount, vertexScale, world, deviceTexture, deviceMaterial,
                     deviceAlphaBlend});
    if (tracing) {
        traceState();
        std::string line = "draw " + std::to_string(mesh) + " " + std::to_string(firstIndex) + " " +
                           std::to_string(indexCount) + " texture " + std::to_string(deviceTexture) +
                           (deviceAlphaBlend ? " blend" : "") + " scale";
        put(line, vertexScale);
        line += " world";
        put(line, world);
        line += " material";
        put(line, deviceMaterial.diffuse);
        put(line, deviceMaterial.ambient);
        put(line, deviceMaterial.specular);
        put(line, deviceMaterial.emissive);
        put(line, deviceMaterial.power);
        trace.push_back(line);
    }
}

void HeadlessPlatform::playSound(const std::string& file) {
    if (!soundDevice) return;
    playing_ = false;
    auto length = soundTicks_.find(file);
    if (length == soundTicks_.end()) {
        SDL_AudioSpec wav{};
        Uint8* data = nullptr;
        Uint32 bytes = 0;
        if (!SDL_LoadWAV(dataFile(file).c_str(), &wav, &data, &bytes)) return;
        SDL_FreeWAV(data);
        const std::uint64_t frameBytes = std::max(1, SDL_AUDIO_BITSIZE(wav.format) / 8 * wav.channels);
        const std::uint64_t ms = wav.freq > 0 ? bytes / frameBytes * 1000 / static_cast<std::uint64_t>(wav.freq) : 0;
        length = soundTicks_.emplace(file, ms * 3).first;
    }
    if (tracing) trace.push_back("sound " + file);
    sounds.push_back(file);
    playing_ = true;
    soundEnd_ = clockTicks_ + length->second;
}

void HeadlessPlatform::messageBox(const char* caption, const char* text) {
    messageBoxes.push_back(std::string(caption) + ": " + text);
}

bool HeadlessPlatform::openDocument(const std::string& path) {
    documents.push_back(path);
    return documentViewer;
}

std::string HeadlessPlatform::keyLabel(int key) const { return keyName(key); }

}  // namespace platform
