#pragma once

#include <epoxy/gl.h>

#include "platform/platform.h"

namespace platform::sdl {

// The 1024 x 768 picture everything is drawn into: a framebuffer object
// with an RGBA8 colour texture and a 24-bit depth texture. Stored the OpenGL
// way, bottom row first.
class BackBuffer {
public:
    bool createColor();
    bool attachDepth();  // also checks the framebuffer is complete
    void release();      // the context must be current

    void bind() const;
    GLuint colorTexture() const { return color_; }
    GLuint depthTexture() const { return depth_; }
    GLuint framebuffer() const { return framebuffer_; }
    Image read() const;  // top row first, 0x00RRGGBB

private:
    GLuint framebuffer_ = 0;
    GLuint color_ = 0;
    GLuint depth_ = 0;
};

}  // namespace platform::sdl
