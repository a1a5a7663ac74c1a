#pragma once

#include <array>

#include "platform/asset_manifest.h"
#include "platform/platform.h"

// The font, textures and panel bitmaps the game draws with, by their names
// in the asset list. A file that is missing leaves its id at 0, which draws
// nothing.
struct Assets {
    platform::SurfaceId zeichensatz = 0;
    std::array<platform::TextureId, kTextureCount> texture{};
    std::array<platform::SurfaceId, kBitmapCount> bitmap{};
};

// An off-screen surface from a bitmap file, named as in the data directory;
// 0 when it cannot be loaded.
platform::SurfaceId bitmap_surface(platform::Platform& p, const char* file);

// A texture of the bitmap's picture; 0 for an empty one.
platform::TextureId createTextureFromBitmap(platform::Platform& p, const platform::Image& bitmap);

// A texture from a bitmap file, named as in the data directory; 0 when it
// cannot be loaded.
platform::TextureId loadTexture(platform::Platform& p, const char* file);

// Loads the textures, then the panel bitmaps, in the order of the asset list.
void loadTexturesAndBitmaps(platform::Platform& p, Assets& assets);
