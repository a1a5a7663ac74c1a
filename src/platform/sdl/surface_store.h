#pragma once

#include <epoxy/gl.h>

#include <memory>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// Where a surface's pixels lie on the GPU: a texture and the surface's
// top-left corner in it.
struct SurfaceTexture {
    GLuint texture = 0;
    int x = 0;
    int y = 0;
};

// The 2D surfaces: pictures numbered from 1. They are packed into one
// texture, the sheet, as they are added (the panel bitmaps and the font are
// loaded together at start-up), so that the 2D copies of a frame can be drawn
// with a single texture bound; the sheet is uploaded when first drawn after
// a change. A picture too large for the sheet gets a texture of its own.
class SurfaceStore {
public:
    static constexpr int kSheetWidth = 1024;
    static constexpr int kSheetHeightLimit = 4096;

    SurfaceId add(const Image& image);
    const Image* image(SurfaceId id) const;
    // The surface's texture and place; texture 0 for no surface or an empty
    // one.
    SurfaceTexture texture(SurfaceId id);
    // Drops the textures (the context must be current); pictures stay.
    void releaseTextures();
    // How high the sheet is so far, in rows.
    int sheetHeight() const { return sheet_.height; }

private:
    struct Surface {
        Image image;
        bool onSheet = false;
        int x = 0, y = 0;
        GLuint texture = 0;  // its own, when not on the sheet
    };
    Surface* find(SurfaceId id) const;
    bool place(Surface& surface);

    // Pointers so that image() stays valid as surfaces are added.
    std::vector<std::unique_ptr<Surface>> surfaces_;
    Image sheet_;
    // Shelf packing: surfaces are put side by side in rows of shelves.
    int shelfX_ = 0, shelfY_ = 0, shelfHeight_ = 0;
    GLuint sheetTexture_ = 0;
    bool sheetChanged_ = false;
};

}  // namespace platform::sdl
