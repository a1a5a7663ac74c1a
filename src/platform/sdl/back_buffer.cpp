#include "platform/sdl/back_buffer.h"

#include <vector>

namespace platform::sdl {
namespace {

// A screen-sized texture with no content yet.
GLuint screenTexture(GLint internalFormat, GLenum format, GLenum type, GLint filter) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, kScreenWidth, kScreenHeight, 0, format, type, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return texture;
}

}  // namespace

bool BackBuffer::createColor() {
    // Linear for scaling onto the window.
    color_ = screenTexture(GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, GL_LINEAR);

    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

bool BackBuffer::attachDepth() {
    if (framebuffer_ == 0) return false;
    // A texture rather than a renderbuffer, so that a clear can fill part of
    // it directly.
    depth_ = screenTexture(GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth_, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
    glClearDepth(1.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    return true;
}

void BackBuffer::release() {
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteTextures(1, &depth_);
    glDeleteTextures(1, &color_);
    framebuffer_ = depth_ = color_ = 0;
}

void BackBuffer::bind() const { glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_); }

Image BackBuffer::read() const {
    Image image(kScreenWidth, kScreenHeight);
    if (framebuffer_ == 0) return image;
    std::vector<std::uint8_t> bytes(image.pixels.size() * 4);
    bind();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, kScreenWidth, kScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    for (int y = 0; y < kScreenHeight; ++y) {
        const std::uint8_t* row =
            &bytes[static_cast<std::size_t>(kScreenHeight - 1 - y) * kScreenWidth * 4];
        for (int x = 0; x < kScreenWidth; ++x) {
            const std::uint8_t* texel = row + static_cast<std::size_t>(x) * 4;
            image.at(x, y) = (std::uint32_t{texel[0]} << 16) | (std::uint32_t{texel[1]} << 8) |
                             texel[2];
        }
    }
    return image;
}

}  // namespace platform::sdl
