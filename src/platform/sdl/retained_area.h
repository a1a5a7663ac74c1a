#pragma once

#include <epoxy/gl.h>

#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/sprite_batch.h"

namespace platform::sdl {

// A 2D copy as the sprite batch takes it.
struct Copy {
    GLuint texture = 0;
    int textureX = 0;
    int textureY = 0;
    bool colorKey = false;
    BlitRects rects;
    bool operator==(const Copy& other) const;
};

bool overlaps(const Rect& a, const Rect& b);

// The part of the picture that a frame builds from 2D copies alone and that
// mostly shows the same as the frame before: the panel. An opaque copy
// starts the area (its rectangle); the copies after it that lie inside it
// are held back. At the frame's end they are drawn, unless they are exactly
// the copies of the last frame that drew the area and nothing else has
// drawn into it since: then the back buffer shows them already. Anything
// else drawing into the area first draws the held copies and ends holding
// for the frame. Copies outside the area do not meet the held ones, so
// drawing those later leaves the picture as it would have been.
class RetainedArea {
public:
    // Whether the copy is held back; false: draw it now (after what
    // touch() returns for its rectangle).
    bool hold(const Copy& copy);
    // Something other than a held copy draws into `rect` (picture pixels):
    // the held copies it overlaps must be drawn before it; returns them.
    std::vector<Copy> touch(const Rect& rect);
    // The frame ends: the held copies to draw, none when the back buffer
    // shows them already.
    std::vector<Copy> endFrame();
    // The back buffer's content is lost (made anew).
    void forget();

    // Frames whose held copies were left out, for tests and measuring.
    long framesKept() const { return kept_; }

private:
    std::optional<Rect> area_;   // this frame's
    std::vector<Copy> held_;
    bool holding_ = true;        // false once something else drew into the area
    std::optional<Rect> lastArea_;  // what the back buffer shows: the area
    std::vector<Copy> last_;        //   and the copies that made it
    long kept_ = 0;
};

}  // namespace platform::sdl
