#include "platform/sdl/surface_store.h"

#include <algorithm>

#include "platform/sdl/gl_texture.h"

namespace platform::sdl {

SurfaceId SurfaceStore::add(const Image& image) {
    auto surface = std::make_unique<Surface>();
    surface->image = image;
    surface->onSheet = place(*surface);
    surfaces_.push_back(std::move(surface));
    return static_cast<SurfaceId>(surfaces_.size());
}

bool SurfaceStore::place(Surface& surface) {
    const Image& image = surface.image;
    if (image.width <= 0 || image.height <= 0 || image.width > kSheetWidth) return false;
    if (shelfX_ + image.width > kSheetWidth) {
        shelfY_ += shelfHeight_;
        shelfX_ = 0;
        shelfHeight_ = 0;
    }
    const int bottom = shelfY_ + image.height;
    if (bottom > kSheetHeightLimit) return false;
    surface.x = shelfX_;
    surface.y = shelfY_;
    shelfX_ += image.width;
    shelfHeight_ = std::max(shelfHeight_, image.height);

    if (bottom > sheet_.height) {
        Image taller(kSheetWidth, bottom);
        std::copy(sheet_.pixels.begin(), sheet_.pixels.end(), taller.pixels.begin());
        sheet_ = std::move(taller);
    }
    for (int row = 0; row < image.height; ++row) {
        std::copy_n(&image.pixels[static_cast<std::size_t>(row) * image.width], image.width,
                    &sheet_.at(surface.x, surface.y + row));
    }
    sheetChanged_ = true;
    return true;
}

SurfaceStore::Surface* SurfaceStore::find(SurfaceId id) const {
    if (id <= 0 || id > static_cast<SurfaceId>(surfaces_.size())) return nullptr;
    return surfaces_[static_cast<std::size_t>(id) - 1].get();
}

const Image* SurfaceStore::image(SurfaceId id) const {
    const Surface* surface = find(id);
    return surface ? &surface->image : nullptr;
}

SurfaceTexture SurfaceStore::texture(SurfaceId id) {
    Surface* surface = find(id);
    if (!surface) return {};
    if (!surface->onSheet) {
        if (surface->texture == 0) surface->texture = uploadTexture(surface->image);
        return {surface->texture, 0, 0};
    }
    if (sheetTexture_ == 0) {
        sheetTexture_ = uploadTexture(sheet_);
    } else if (sheetChanged_) {
        // The same texture, so that copies queued before stay valid: what
        // they show has not moved.
        replaceTexture(sheetTexture_, sheet_);
    }
    sheetChanged_ = false;
    return {sheetTexture_, surface->x, surface->y};
}

void SurfaceStore::releaseTextures() {
    for (auto& surface : surfaces_) {
        glDeleteTextures(1, &surface->texture);
        surface->texture = 0;
    }
    glDeleteTextures(1, &sheetTexture_);
    sheetTexture_ = 0;
}

}  // namespace platform::sdl
