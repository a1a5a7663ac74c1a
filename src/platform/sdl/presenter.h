#pragma once

#include <epoxy/gl.h>

#include "platform/platform.h"

namespace platform::sdl {

// Where the 4:3 picture goes in a window of the given size: as large as
// fits, centred, with black bars on the other sides. OpenGL window
// coordinates (from the bottom left); symmetric, so the same from the top.
Rect letterbox(int windowWidth, int windowHeight);

// Puts the back buffer onto the window's default framebuffer.
class Presenter {
public:
    bool create() { return true; }
    void release() {}
    // Copies the back buffer's framebuffer into the letterbox, scaling with
    // linear filtering when the sizes differ. Leaves the default
    // framebuffer bound.
    void present(GLuint framebuffer, int windowWidth, int windowHeight) const;
};

}  // namespace platform::sdl
