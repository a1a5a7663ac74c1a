// SdlPlatform's drawing: 2D copies and fills, the 3D device, presenting.
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <vector>

#include "platform/sdl/gl_objects.h"
#include "platform/sdl/gl_texture.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/window_size.h"

namespace platform {
namespace {

// The part of a rectangle on the screen, in the buffer's pixels and
// OpenGL's rows from the bottom.
bool screenScissor(const Rect& rect, const sdl::BufferScale& buffer, Rect& scissor) {
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.x + rect.w, kScreenWidth);
    const int bottom = std::min(rect.y + rect.h, kScreenHeight);
    if (right <= left || bottom <= top) return false;
    scissor = buffer.glRect(Rect{left, top, right - left, bottom - top});
    return true;
}

float channel(std::uint32_t rgb, int shift) {
    return static_cast<float>((rgb >> shift) & 0xFF) / 255.0f;
}

}  // namespace

void SdlPlatform::enter(Mode mode) {
    if (mode_ == mode) return;
    if (mode_ == Mode::Sprites) gl_->sprites.flush();
    mode_ = mode;
    if (mode == Mode::Sprites) gl_->sprites.bindState(gl_->backBuffer.size());
    if (mode == Mode::Scene) gl_->scene.invalidate();
}

// ---------------------------------------------------------------- 2D

SurfaceId SdlPlatform::createSurface(const Image& image) { return gl_->surfaces.add(image); }

const Image* SdlPlatform::surface(SurfaceId id) const { return gl_->surfaces.image(id); }

void SdlPlatform::blit(int x, int y, SurfaceId source, const Rect& sourceRect, bool colorKey) {
    if (!deviceReady_) return;
    const Image* image = gl_->surfaces.image(source);
    if (!image) return;
    if (probe_) probe_(DrawProbe{DrawProbe::Copy, 0, 0});
    const auto rects = sdl::clipBlit(x, y, sourceRect, image->width, image->height);
    if (!rects) return;
    const sdl::SurfaceTexture texture = gl_->surfaces.texture(source);
    const sdl::Copy copy{texture.texture, texture.x, texture.y, colorKey, *rects};
    if (retainPanel_ && gl_->retained.hold(copy)) return;
    drawFirst(rects->dest);
    enter(Mode::Sprites);
    gl_->sprites.add(copy.texture, copy.textureX, copy.textureY, copy.colorKey, copy.rects);
}

void SdlPlatform::drawFirst(const Rect& rect) {
    if (!retainPanel_) return;
    const std::vector<sdl::Copy> held = gl_->retained.touch(rect);
    if (held.empty()) return;
    enter(Mode::Sprites);
    for (const sdl::Copy& c : held) gl_->sprites.add(c.texture, c.textureX, c.textureY, c.colorKey, c.rects);
}

void SdlPlatform::setRetainedPanel(bool on) {
    if (retainPanel_ && !on) drawFirst(Rect{0, 0, kScreenWidth, kScreenHeight});
    retainPanel_ = on;
    gl_->retained.forget();
}

void SdlPlatform::fill(const Rect& rect, std::uint32_t color) {
    if (!deviceReady_) return;
    if (probe_) probe_(DrawProbe{DrawProbe::Copy, 0, 0});
    drawFirst(rect);
    gl_->sprites.flush();
    Rect scissor;
    if (!screenScissor(rect, gl_->backBuffer.size(), scissor)) return;
    // A scissored clear touches neither the viewport nor the depth buffer.
    glEnable(GL_SCISSOR_TEST);
    glScissor(scissor.x, scissor.y, scissor.w, scissor.h);
    glClearColor(channel(color, 16), channel(color, 8), channel(color, 0), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

void SdlPlatform::flip() {
    if (deviceReady_) {
        const std::vector<sdl::Copy> held = gl_->retained.endFrame();
        if (!held.empty()) {
            if (probe_) probe_(DrawProbe{DrawProbe::Copy, 0, 0});
            enter(Mode::Sprites);
            for (const sdl::Copy& c : held) gl_->sprites.add(c.texture, c.textureX, c.textureY, c.colorKey, c.rects);
        }
        if (probe_) probe_(DrawProbe{DrawProbe::Present, 0, 0});
        enter(Mode::None);
        gl_->backBuffer.resolve();
        // Laid out from the window's real size every frame: a switch to
        // full screen or a resize may not have been announced (or not
        // carried out, with no window manager).
        sdl::drawableSize(window_, drawableWidth_, drawableHeight_);
        const sdl::PictureLayout wanted = layoutNow();
        gl_->presenter.present(gl_->backBuffer, gl_->sprites, wanted.shown, drawableWidth_, drawableHeight_);
        gl_->capture.shown(wanted.shown);
        SDL_GL_SwapWindow(window_);
        if (!(wanted.buffer == layout_.buffer) || wanted.samples != layout_.samples) {
            deviceReady_ = createBackBuffer(wanted);
        }
        layout_ = wanted;
        gl_->backBuffer.bind();
    }
    if (pacing_) pacer_.wait();
}

void SdlPlatform::setCulling(bool on) { gl_->scene.setCulling(on); }

long SdlPlatform::culledDraws() const { return gl_->scene.culledDraws(); }

void SdlPlatform::setCoarseDistant(bool on) { gl_->scene.setCoarseDistant(on); }

long SdlPlatform::coarseDraws() const { return gl_->scene.coarseDraws(); }

long SdlPlatform::copyDraws() const { return gl_->sprites.draws(); }

long SdlPlatform::panelsKept() const { return gl_->retained.framesKept(); }

void SdlPlatform::finishDrawing() {
    if (!deviceReady_) return;
    gl_->sprites.flush();
    glFinish();
}

Image SdlPlatform::readBackBuffer() {
    if (!deviceReady_) return Image(kScreenWidth, kScreenHeight);
    drawFirst(Rect{0, 0, kScreenWidth, kScreenHeight});
    gl_->sprites.flush();
    gl_->backBuffer.resolve();
    return gl_->backBuffer.read();
}

Image SdlPlatform::readShown() {
    if (!deviceReady_) return Image();
    enter(Mode::None);
    gl_->backBuffer.resolve();
    sdl::drawableSize(window_, drawableWidth_, drawableHeight_);
    const Rect shown = layoutNow().shown;
    gl_->presenter.present(gl_->backBuffer, gl_->sprites, shown, drawableWidth_, drawableHeight_);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(shown.w) * shown.h * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(shown.x, shown.y, shown.w, shown.h, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    gl_->backBuffer.bind();
    return sdl::imageFromGlRows(bytes, shown.w, shown.h);
}

// ---------------------------------------------------------------- 3D state

Rect SdlPlatform::viewportRect() const {
    const sdl::Viewport& v = gl_->scene.state().viewport;
    return Rect{v.x, v.y, v.width, v.height};
}

bool SdlPlatform::setViewport(int x, int y, int width, int height, float minZ, float maxZ) {
    const sdl::Viewport viewport{x, y, width, height, minZ, maxZ};
    if (!sdl::validViewport(viewport)) return false;
    gl_->scene.edit().viewport = viewport;
    return true;
}

void SdlPlatform::setTransform(TransformState state, const D3DMATRIX& matrix) {
    sdl::SceneState& scene = gl_->scene.edit();
    switch (state) {
    case TransformState::World: scene.world = matrix; break;
    case TransformState::View: scene.view = matrix; break;
    case TransformState::Projection: scene.projection = matrix; break;
    }
}

void SdlPlatform::setAmbient(std::uint32_t argb) { gl_->scene.edit().ambient = argb; }

void SdlPlatform::setLighting(bool on) { gl_->scene.edit().lighting = on; }

void SdlPlatform::setLight(int index, const Light& light) {
    if (index == 0 || index == 1) gl_->scene.edit().lights[static_cast<std::size_t>(index)] = light;
}

void SdlPlatform::lightEnable(int index, bool on) {
    if (index == 0 || index == 1) gl_->scene.edit().lightOn[static_cast<std::size_t>(index)] = on;
}

bool SdlPlatform::lightEnabled(int index) const {
    if (index != 0 && index != 1) return false;
    return gl_->scene.state().lightOn[static_cast<std::size_t>(index)];
}

void SdlPlatform::setMaterial(const Material& material) { gl_->scene.edit().material = material; }

Material SdlPlatform::material() const { return gl_->scene.state().material; }

TextureId SdlPlatform::texture() const { return gl_->scene.state().texture; }

D3DMATRIX SdlPlatform::transform(TransformState state) const {
    const sdl::SceneState& scene = gl_->scene.state();
    switch (state) {
        case TransformState::World: return scene.world;
        case TransformState::View: return scene.view;
        case TransformState::Projection: break;
    }
    return scene.projection;
}

bool SdlPlatform::alphaBlend() const { return gl_->scene.state().alphaBlend; }

void SdlPlatform::setTexture(TextureId texture) { gl_->scene.edit().texture = texture; }

void SdlPlatform::setLinearMagnification(bool on) {
    gl_->scene.edit().linearMagnification = on;
}

void SdlPlatform::setDepthTest(bool on) { gl_->scene.edit().depthTest = on; }

void SdlPlatform::setAlphaBlend(bool on) { gl_->scene.edit().alphaBlend = on; }

// ---------------------------------------------------------------- 3D resources and drawing

TextureId SdlPlatform::createTexture(const Image& image) {
    if (!deviceReady_) return 0;
    enter(Mode::None);  // uploading rebinds what the 2D copies use
    return gl_->scene.createTexture(image);
}

MeshId SdlPlatform::createMesh(const std::vector<MeshVertex>& vertices,
                               const std::vector<std::uint32_t>& indices) {
    if (!deviceReady_) return 0;
    enter(Mode::None);
    return gl_->scene.createMesh(vertices, indices);
}

void SdlPlatform::clear(bool target, std::uint32_t color, bool zbuffer, float depth) {
    if (!deviceReady_) return;
    drawFirst(viewportRect());
    enter(Mode::Scene);
    gl_->scene.clear(target, color, zbuffer, depth);
}

bool SdlPlatform::beginScene() { return deviceReady_; }

void SdlPlatform::endScene() {}

void SdlPlatform::drawMesh(MeshId mesh, int firstIndex, int indexCount, float vertexScale) {
    if (!deviceReady_) return;
    if (probe_) probe_(DrawProbe{DrawProbe::Mesh, mesh, gl_->scene.state().viewport.width});
    drawFirst(viewportRect());
    enter(Mode::Scene);
    gl_->scene.draw(mesh, firstIndex, indexCount, vertexScale);
}

void SdlPlatform::destroyMesh(MeshId mesh) {
    if (!deviceReady_) return;  // released with the device already
    enter(Mode::None);
    gl_->scene.destroyMesh(mesh);
}

}  // namespace platform
