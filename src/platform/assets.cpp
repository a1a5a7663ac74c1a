#include "platform/assets.h"

#include "platform/data_files.h"

platform::SurfaceId bitmap_surface(platform::Platform& p, const char* file) {
    platform::Image image;
    if (!platform::loadBitmap(platform::dataFile(file), image)) return 0;
    return p.createSurface(image);
}

platform::TextureId createTextureFromBitmap(platform::Platform& p, const platform::Image& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0) return 0;
    return p.createTexture(bitmap);
}

platform::TextureId loadTexture(platform::Platform& p, const char* file) {
    platform::Image image;
    if (!platform::loadBitmap(platform::dataFile(file), image)) return 0;
    return createTextureFromBitmap(p, image);
}

void loadTexturesAndBitmaps(platform::Platform& p, Assets& a) {
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind == AssetKind::Texture) a.texture[f.slot] = loadTexture(p, f.name);
    }
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind == AssetKind::Bitmap) a.bitmap[f.slot] = bitmap_surface(p, f.name);
    }
}
