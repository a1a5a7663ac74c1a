#include "platform/sdl/screen_capture.h"

#include <cstring>
#include <utility>
#include <vector>

#include "platform/sdl/gl_texture.h"

namespace platform::sdl {

bool ScreenCapture::request(const std::string& folder, const std::string& name) {
    if (wanted_ || fence_ || writer_.busy()) return false;
    wanted_.emplace(folder, name);
    return true;
}

void ScreenCapture::shown(const Rect& area) {
    if (fence_) collect();
    if (!wanted_ || fence_ || area.w <= 0 || area.h <= 0) return;
    if (pixels_ == 0) glGenBuffers(1, &pixels_);
    width_ = area.w;
    height_ = area.h;
    glBindBuffer(GL_PIXEL_PACK_BUFFER, pixels_);
    glBufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(width_) * height_ * 4, nullptr, GL_STREAM_READ);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(area.x, area.y, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    fence_ = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    reading_ = std::move(*wanted_);
    wanted_.reset();
}

// Once the renderer has filled the pixel buffer, its bytes go to the writer.
void ScreenCapture::collect() {
    const GLenum state = glClientWaitSync(fence_, 0, 0);
    if (state == GL_TIMEOUT_EXPIRED) return;
    glDeleteSync(fence_);
    fence_ = nullptr;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width_) * height_ * 4);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, pixels_);
    if (state != GL_WAIT_FAILED) {
        if (const void* mapped = glMapBufferRange(GL_PIXEL_PACK_BUFFER, 0, static_cast<GLsizeiptr>(bytes.size()),
                                                  GL_MAP_READ_BIT)) {
            std::memcpy(bytes.data(), mapped, bytes.size());
            glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
        }
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    writer_.save([bytes = std::move(bytes), w = width_, h = height_] { return imageFromGlRows(bytes, w, h); },
                 reading_.first, reading_.second);
}

void ScreenCapture::release() {
    if (fence_) glDeleteSync(fence_);
    fence_ = nullptr;
    glDeleteBuffers(1, &pixels_);
    pixels_ = 0;
    writer_.finish();
}

}  // namespace platform::sdl
