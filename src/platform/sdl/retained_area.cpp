#include "platform/sdl/retained_area.h"

#include <tuple>

namespace platform::sdl {
namespace {

auto fields(const Rect& r) { return std::tie(r.x, r.y, r.w, r.h); }

bool same(const Rect& a, const Rect& b) { return fields(a) == fields(b); }

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

}  // namespace

bool Copy::operator==(const Copy& o) const {
    return texture == o.texture && textureX == o.textureX && textureY == o.textureY && colorKey == o.colorKey &&
           same(rects.dest, o.rects.dest) && same(rects.source, o.rects.source);
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool RetainedArea::hold(const Copy& copy) {
    if (!holding_) return false;
    if (!area_) {
        if (copy.colorKey) return false;
        // Covering its rectangle, it decides all the area shows.
        area_ = copy.rects.dest;
    } else if (!inside(copy.rects.dest, *area_)) {
        return false;
    }
    held_.push_back(copy);
    return true;
}

std::vector<Copy> RetainedArea::touch(const Rect& rect) {
    if (lastArea_ && overlaps(rect, *lastArea_)) lastArea_.reset();
    if (!area_ || !holding_ || !overlaps(rect, *area_)) return {};
    holding_ = false;
    lastArea_.reset();
    return std::move(held_);
}

std::vector<Copy> RetainedArea::endFrame() {
    std::vector<Copy> draw;
    if (area_ && holding_) {
        const bool shown = lastArea_ && same(*lastArea_, *area_) && last_ == held_;
        if (shown) {
            ++kept_;
        } else {
            draw = held_;
            last_ = std::move(held_);
            lastArea_ = area_;
        }
    }
    area_.reset();
    held_.clear();
    holding_ = true;
    return draw;
}

void RetainedArea::forget() {
    lastArea_.reset();
    last_.clear();
}

}  // namespace platform::sdl
