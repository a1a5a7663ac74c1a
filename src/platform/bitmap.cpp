#include <SDL.h>

#include <cstring>

#include "platform/platform.h"

namespace platform {

namespace {

std::uint32_t le32(const unsigned char* b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

// The size the file's header claims, read before SDL reads the picture: SDL
// makes room for the whole picture first, so a damaged header claiming
// thousands of millions of pixels would take all the memory there is.
bool sizeIsSane(SDL_RWops* source) {
    unsigned char head[26];
    const Sint64 start = SDL_RWtell(source);
    const bool read = SDL_RWread(source, head, sizeof head, 1) == 1;
    if (start < 0 || SDL_RWseek(source, start, RW_SEEK_SET) < 0 || !read) return false;
    if (head[0] != 'B' || head[1] != 'M') return false;
    const std::uint32_t infoSize = le32(head + 14);
    std::int64_t width = 0, height = 0;
    if (infoSize == 12) {  // the old core header: 16-bit sizes
        width = head[18] | head[19] << 8;
        height = head[20] | head[21] << 8;
    } else if (infoSize >= 40 && infoSize <= 124) {
        width = static_cast<std::int32_t>(le32(head + 18));
        height = static_cast<std::int32_t>(le32(head + 22));  // below 0: rows top down
    } else {
        return false;
    }
    if (height < 0) height = -height;
    return width > 0 && height > 0 && width <= kLargestBitmap && height <= kLargestBitmap;
}

// SDL reads every .bmp depth (palettes included); converting to XRGB8888
// gives one layout to copy from. Needs no SDL subsystem. Closes the source.
bool readBitmap(SDL_RWops* source, Image& image) {
    if (!source) return false;
    if (!sizeIsSane(source)) {
        SDL_RWclose(source);
        return false;
    }
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
