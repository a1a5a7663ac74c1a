#include "platform/sdl/back_buffer.h"

#include <vector>

#include "platform/sdl/gl_texture.h"

namespace platform::sdl {
namespace {

// A texture of the buffer's size with no content yet.
GLuint bufferTexture(const BufferScale& size, GLint internalFormat, GLenum format, GLenum type) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, size.width, size.height, 0, format, type, nullptr);
    // Linear for the sharp scaling onto the window (which fetches once
    // between texel centres); copies and reads are not filtered.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return texture;
}

GLuint sampleBuffer(const BufferScale& size, int samples, GLenum format) {
    GLuint buffer = 0;
    glGenRenderbuffers(1, &buffer);
    glBindRenderbuffer(GL_RENDERBUFFER, buffer);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, format, size.width, size.height);
    return buffer;
}

bool complete() { return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }

}  // namespace

bool BackBuffer::createColor(const BufferScale& size, int samples) {
    size_ = size;
    samples_ = samples > 1 ? samples : 0;
    color_ = bufferTexture(size, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE);
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    if (samples_ > 0) {
        colorSamples_ = sampleBuffer(size, samples_, GL_RGBA8);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorSamples_);
        glGenFramebuffers(1, &resolved_);
        glBindFramebuffer(GL_FRAMEBUFFER, resolved_);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_, 0);
        if (!complete()) return false;
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    } else {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_, 0);
    }
    if (!complete()) return false;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

bool BackBuffer::attachDepth() {
    if (framebuffer_ == 0) return false;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    if (samples_ > 0) {
        depthSamples_ = sampleBuffer(size_, samples_, GL_DEPTH_COMPONENT24);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthSamples_);
    } else {
        // A texture rather than a renderbuffer, so that a clear can fill
        // part of it directly.
        depth_ = bufferTexture(size_, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth_, 0);
    }
    if (!complete()) return false;
    glClearDepth(1.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    return true;
}

void BackBuffer::release() {
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteFramebuffers(1, &resolved_);
    glDeleteTextures(1, &depth_);
    glDeleteTextures(1, &color_);
    glDeleteRenderbuffers(1, &colorSamples_);
    glDeleteRenderbuffers(1, &depthSamples_);
    framebuffer_ = resolved_ = depth_ = color_ = colorSamples_ = depthSamples_ = 0;
}

void BackBuffer::bind() const { glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_); }

void BackBuffer::resolve() const {
    if (resolved_ == 0) return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolved_);
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(0, 0, size_.width, size_.height, 0, 0, size_.width, size_.height,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    bind();
}

Image BackBuffer::read() const {
    const int width = size_.width;
    const int height = size_.height;
    if (framebuffer_ == 0) return Image(width, height);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width) * height * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, resolvedFramebuffer());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    bind();
    return imageFromGlRows(bytes, width, height);
}

}  // namespace platform::sdl
