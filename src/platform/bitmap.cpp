#include <SDL.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {

namespace {

// SDL reads every .bmp depth (palettes included); converting to XRGB8888
// gives one layout to copy from. Needs no SDL subsystem. Closes the source.
bool readBitmap(SDL_RWops* source, Image& image) {
    if (!source) return false;
    SDL_Surface* loaded = SDL_LoadBMP_RW(source, 1);
    if (!loaded) return false;
    if (loaded->w <= 0 || loaded->h <= 0 || loaded->w > kLargestBitmap || loaded->h > kLargestBitmap) {
        SDL_FreeSurface(loaded);
        return false;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!converted) return false;

    Image result(converted->w, converted->h);
    const bool locked = SDL_LockSurface(converted) == 0;
    if (locked) {
        const auto* bytes = static_cast<const unsigned char*>(converted->pixels);
        for (int y = 0; y < result.height; ++y) {
            std::uint32_t* row = &result.pixels[static_cast<std::size_t>(y) * result.width];
            std::memcpy(row, bytes + static_cast<std::size_t>(y) * converted->pitch,
                        static_cast<std::size_t>(result.width) * sizeof(std::uint32_t));
            for (int x = 0; x < result.width; ++x) row[x] &= 0x00FFFFFFu;
        }
        SDL_UnlockSurface(converted);
    }
    SDL_FreeSurface(converted);
    if (!locked) return false;
    image = std::move(result);
    return true;
}

}  // namespace

bool loadBitmap(const std::string& path, Image& image) {
    return readBitmap(SDL_RWFromFile(path.c_str(), "rb"), image);
}

bool loadBitmapFromMemory(const void* data, std::size_t size, Image& image) {
    if (size > static_cast<std::size_t>(INT32_MAX)) return false;
    return readBitmap(SDL_RWFromConstMem(data, static_cast<int>(size)), image);
}

}  // namespace platform
