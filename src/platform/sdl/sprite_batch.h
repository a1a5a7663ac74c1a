#pragma once

#include <epoxy/gl.h>

#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/picture_layout.h"

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

// Collects the 2D copies and draws consecutive ones from the same texture in
// one call: the panel bitmaps and the font share one texture, so all the
// copies between two 3D draws are one call, drawn in the order they were
// made. Copies are placed in picture pixels and scaled to the back buffer:
// at whole factors texel by texel, between them with a blend only across
// the texels' edges (one buffer pixel wide), which keeps the font crisp.
class SpriteBatch {
public:
    bool create();
    void release();

    // Sets the OpenGL state the copies need: the whole buffer, no depth,
    // blending or culling.
    void bindState(const BufferScale& buffer) const;
    // Queues a copy from a texture whose pixel (0, 0) stands at textureX,
    // textureY of the surface; a different texture draws the queue first.
    // The 2D state must be bound.
    void add(GLuint texture, int textureX, int textureY, bool colorKey, const BlitRects& rects);
    // Draws what is queued.
    void flush();
    bool empty() const { return vertices_.empty(); }
    // Draw calls made so far.
    long draws() const { return draws_; }

    // Draws a whole picture stored bottom row first (a framebuffer's
    // texture) into the bound framebuffer's viewport, scaled by the given
    // factors.
    void drawPicture(GLuint texture, int width, int height, float factorX, float factorY);

private:
    // The program for whole factors (0) or the sharp one (1).
    struct Program {
        GLuint id = 0;
        GLint scale = -1;
        GLint screenSize = -1;
    };
    void use(const Program& program, float width, float height, float factorX, float factorY) const;

    Program programs_[2];
    GLuint vertexArray_ = 0;
    GLuint vertexBuffer_ = 0;

    std::vector<float> vertices_;  // x, y, u, v, the source rectangle, the key per corner
    GLuint texture_ = 0;
    long draws_ = 0;
};

}  // namespace platform::sdl
