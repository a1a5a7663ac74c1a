#include "platform/sdl/surface_store.h"

#include "platform/sdl/gl_texture.h"

namespace platform::sdl {

SurfaceId SurfaceStore::add(const Image& image) {
    surfaces_.push_back(std::make_unique<Surface>(Surface{image, 0}));
    return static_cast<SurfaceId>(surfaces_.size());
}

SurfaceStore::Surface* SurfaceStore::find(SurfaceId id) const {
    if (id <= 0 || id > static_cast<SurfaceId>(surfaces_.size())) return nullptr;
    return surfaces_[static_cast<std::size_t>(id) - 1].get();
}

const Image* SurfaceStore::image(SurfaceId id) const {
    const Surface* surface = find(id);
    return surface ? &surface->image : nullptr;
}

GLuint SurfaceStore::texture(SurfaceId id) {
    Surface* surface = find(id);
    if (!surface) return 0;
    if (surface->texture == 0) surface->texture = uploadTexture(surface->image);
    return surface->texture;
}

void SurfaceStore::releaseTextures() {
    for (auto& surface : surfaces_) {
        glDeleteTextures(1, &surface->texture);
        surface->texture = 0;
    }
}

}  // namespace platform::sdl
