#include "platform/sdl/picture_layout.h"

#include <algorithm>
#include <cstring>

#include "platform/sdl/presenter.h"

namespace platform::sdl {

Rect BufferScale::glRect(const Rect& r) const {
    const int left = x(r.x);
    const int top = y(r.y);
    const int bottom = y(r.y + r.h);
    return Rect{left, height - bottom, x(r.x + r.w) - left, bottom - top};
}

PictureLayout pictureLayout(int drawableWidth, int drawableHeight, RenderScale scale,
                            bool softwareRenderer, int maxSamples) {
    PictureLayout layout;
    layout.shown = letterbox(std::max(drawableWidth, 1), std::max(drawableHeight, 1));
    if (scale == RenderScale::Automatic) {
        scale = softwareRenderer ? RenderScale::Original : RenderScale::Native;
    }
    if (scale == RenderScale::Native && layout.shown.w > 0 && layout.shown.h > 0) {
        layout.buffer = BufferScale{layout.shown.w, layout.shown.h};
    }
    if (!softwareRenderer) layout.samples = std::min(maxSamples, 4) > 1 ? std::min(maxSamples, 4) : 0;
    return layout;
}

bool isSoftwareRenderer(const char* name) {
    if (!name) return false;
    for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"}) {
        if (std::strstr(name, software)) return true;
    }
    return false;
}

}  // namespace platform::sdl
