#include "assetgen/font.h"

#include <SDL.h>
#include <SDL_ttf.h>

namespace {

constexpr int kCell = 16;
constexpr int kPointSize = 16;
constexpr std::uint32_t kInk = 0x9CF0FF;   // pale cyan on black, like a cockpit display
constexpr std::uint32_t kPaper = 0x000000;

// Blends the glyph's coverage into its cell, centred horizontally and on the
// font's baseline.
void drawGlyph(platform::Image& image, TTF_Font* font, int code) {
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* glyph = TTF_RenderGlyph_Blended(font, static_cast<Uint16>(code), white);
    if (!glyph) return;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(glyph, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(glyph);
    if (!rgba) return;

    const int cellX = (code - 32) % 32 * kCell;
    const int cellY = (code - 32) / 32 * kCell;
    const int offsetX = (kCell - rgba->w) / 2;
    const int offsetY = (kCell - TTF_FontHeight(font)) / 2;
    const auto* pixels = static_cast<const Uint8*>(rgba->pixels);
    for (int y = 0; y < rgba->h; ++y) {
        for (int x = 0; x < rgba->w; ++x) {
            const int px = offsetX + x, py = offsetY + y;
            if (px < 0 || py < 0 || px >= kCell || py >= kCell) continue;
            const unsigned alpha = pixels[y * rgba->pitch + x * 4 + 3];
            if (alpha == 0) continue;
            std::uint32_t color = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                const unsigned ink = (kInk >> shift) & 0xFF;
                color |= (ink * alpha / 255) << shift;
            }
            image.at(cellX + px, cellY + py) = color;
        }
    }
    SDL_FreeSurface(rgba);
}

}  // namespace

std::optional<platform::Image> renderFont(const std::string& ttfPath) {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return std::nullopt;
    TTF_Font* font = TTF_OpenFont(ttfPath.c_str(), kPointSize);
    if (!font) return std::nullopt;
    TTF_SetFontHinting(font, TTF_HINTING_MONO);

    platform::Image image(32 * kCell, 3 * kCell, kPaper);
    for (int code = 33; code < 127; ++code) drawGlyph(image, font, code);
    TTF_CloseFont(font);
    return image;
}
