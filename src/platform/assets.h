#pragma once

#include <array>

#include "platform/platform.h"

// The textures and panel bitmaps the game draws with, loaded once at start-up
// from the working directory. A file that is missing leaves its id at 0,
// which draws nothing.
struct Assets {
    platform::SurfaceId zeichensatz = 0;  // the font, loaded with the display

    platform::TextureId lpGrauTexture = 0;
    std::array<platform::TextureId, 15> lpPlanetTexture{};    // body looks 1..15
    std::array<platform::TextureId, 4> lpSonneTexture{};      // sun by star type
    std::array<platform::TextureId, 4> lpAsteroidTexture{};   // moons 1..4, asteroids
    platform::TextureId lpCubeTexture = 0;                    // the star sky
    std::array<platform::TextureId, 5> lpTorTexture{};        // gates

    platform::SurfaceId lpVordergrund = 0;       // right-hand panel, 256 x 768
    platform::SurfaceId lpDDSRadarBack = 0;      // radar background, 192 x 192
    platform::SurfaceId lpDDSLenkrakete = 0;
    platform::SurfaceId lpDDSGigabombe = 0;
    platform::SurfaceId lpDDSBeschleuniger = 0;
    platform::SurfaceId lpDDSAn = 0;             // spotlight on
    platform::SurfaceId lpDDSAus = 0;            // spotlight off
    platform::SurfaceId lpDDSVorne = 0;          // forward view
    platform::SurfaceId lpDDSHinten = 0;         // rear view
    std::array<platform::SurfaceId, 4> lpDDSKanone{};  // Laser, Ionen, Photonen, Positronen
    platform::SurfaceId lpDDSEnergie = 0;
    platform::SurfaceId lpDDSFadenV = 0;         // crosshair bars
    platform::SurfaceId lpDDSFadenH = 0;
    platform::SurfaceId lpDDSECM = 0;
};

// An off-screen surface from a bitmap file; 0 when it cannot be loaded.
platform::SurfaceId bitmap_surface(platform::Platform& p, const char* file);

// A texture of the bitmap's picture; 0 for an empty one.
platform::TextureId createTextureFromBitmap(platform::Platform& p, const platform::Image& bitmap);

// A texture from a bitmap file; 0 when it cannot be loaded.
platform::TextureId loadTexture(platform::Platform& p, const char* file);

// Loads the 30 textures, then the 17 panel bitmaps, in their fixed order.
void loadTexturesAndBitmaps(platform::Platform& p, Assets& assets);
