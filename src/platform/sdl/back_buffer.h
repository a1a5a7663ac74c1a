#pragma once

#include <epoxy/gl.h>

#include "platform/platform.h"
#include "platform/sdl/picture_layout.h"

namespace platform::sdl {

// The picture everything is drawn into, at the size of its BufferScale: a
// framebuffer object with an RGBA8 colour texture and a 24-bit depth
// texture, stored the OpenGL way, bottom row first. Multisampled, it draws
// into renderbuffers of that many samples instead and resolves them into
// the colour texture before the picture is shown or read.
class BackBuffer {
public:
    bool createColor(const BufferScale& size, int samples);
    bool attachDepth();  // also checks the framebuffer is complete
    void release();      // the context must be current

    void bind() const;  // for drawing
    // With multisampling, averages the samples into the colour texture.
    void resolve() const;
    const BufferScale& size() const { return size_; }
    int samples() const { return samples_; }
    // The resolved picture: its texture and a framebuffer reading it.
    GLuint colorTexture() const { return color_; }
    GLuint resolvedFramebuffer() const { return resolved_ ? resolved_ : framebuffer_; }
    // The depth texture; 0 when multisampled (renderbuffers cannot be
    // filled directly).
    GLuint depthTexture() const { return depth_; }
    Image read() const;  // top row first, 0x00RRGGBB, after resolve()

private:
    BufferScale size_;
    int samples_ = 0;
    GLuint framebuffer_ = 0;  // drawn into
    GLuint resolved_ = 0;     // with multisampling: the colour texture's
    GLuint color_ = 0;
    GLuint depth_ = 0;
    GLuint colorSamples_ = 0;
    GLuint depthSamples_ = 0;
};

}  // namespace platform::sdl
