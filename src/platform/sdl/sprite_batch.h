#pragma once

#include <epoxy/gl.h>

#include <optional>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// A copy of a surface rectangle onto the screen, both in pixels from the
// top left and of the same size.
struct BlitRects {
    Rect dest;
    Rect source;
};

// Clips a copy of `source` to (x, y) against the surface's own bounds and
// the screen; nothing when nothing is left.
std::optional<BlitRects> clipBlit(int x, int y, const Rect& source, int surfaceWidth,
                                  int surfaceHeight);

// Collects the 2D copies and draws consecutive ones from the same texture
// with the same colour-key mode in one call (text is hundreds of cells).
class SpriteBatch {
public:
    bool create();
    void release();

    // Sets the OpenGL state the copies need: the whole screen, no depth,
    // blending or culling.
    void bindState() const;
    // Queues a copy; a different texture or key mode draws the queue first.
    // The 2D state must be bound.
    void add(GLuint texture, bool colorKey, const BlitRects& rects);
    // Draws what is queued.
    void flush();
    bool empty() const { return vertices_.empty(); }

private:
    GLuint program_ = 0;
    GLuint vertexArray_ = 0;
    GLuint vertexBuffer_ = 0;
    GLint colorKeyLocation_ = -1;

    std::vector<float> vertices_;  // x, y, u, v per corner
    GLuint texture_ = 0;
    bool colorKey_ = false;
};

}  // namespace platform::sdl
