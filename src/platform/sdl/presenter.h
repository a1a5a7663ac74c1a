#pragma once

#include <epoxy/gl.h>

#include "platform/platform.h"
#include "platform/sdl/back_buffer.h"
#include "platform/sdl/sprite_batch.h"

namespace platform::sdl {

// Where the 4:3 picture goes in a window of the given size: as large as
// fits, centred, with black bars on the other sides. OpenGL window
// coordinates (from the bottom left); symmetric, so the same from the top.
Rect letterbox(int windowWidth, int windowHeight);

// Puts the back buffer onto the window's default framebuffer.
class Presenter {
public:
    // Copies the resolved back buffer into `shown`, a rectangle of a window
    // of the given size: 1:1 or by whole factors pixel by pixel, otherwise
    // scaled sharply through the copies' program. Leaves the default
    // framebuffer bound.
    void present(const BackBuffer& buffer, SpriteBatch& sprites, const Rect& shown, int windowWidth,
                 int windowHeight) const;
};

}  // namespace platform::sdl
