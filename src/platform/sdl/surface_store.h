#pragma once

#include <epoxy/gl.h>

#include <memory>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// The 2D surfaces: pictures numbered from 1, each with a texture made when
// it is first drawn.
class SurfaceStore {
public:
    SurfaceId add(const Image& image);
    const Image* image(SurfaceId id) const;
    // The surface's texture; 0 for no surface or an empty one.
    GLuint texture(SurfaceId id);
    // Drops the textures (the context must be current); pictures stay.
    void releaseTextures();

private:
    struct Surface {
        Image image;
        GLuint texture = 0;
    };
    Surface* find(SurfaceId id) const;

    // Pointers so that image() stays valid as surfaces are added.
    std::vector<std::unique_ptr<Surface>> surfaces_;
};

}  // namespace platform::sdl
