#include "platform/assets.h"

platform::SurfaceId bitmap_surface(platform::Platform& p, const char* file) {
    platform::Image image;
    if (!platform::loadBitmap(file, image)) return 0;
    return p.createSurface(image);
}

platform::TextureId createTextureFromBitmap(platform::Platform& p, const platform::Image& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0) return 0;
    return p.createTexture(bitmap);
}

platform::TextureId loadTexture(platform::Platform& p, const char* file) {
    platform::Image image;
    if (!platform::loadBitmap(file, image)) return 0;
    return createTextureFromBitmap(p, image);
}

void loadTexturesAndBitmaps(platform::Platform& p, Assets& a) {
    a.lpGrauTexture = loadTexture(p, "grausprenkel.bmp");
    constexpr const char* kPlanets[15] = {
        "Erde1.bmp", "Erde2.bmp", "Erde3.bmp", "Mars.bmp", "Mars.bmp",
        "Mars.bmp", "Jupiter.bmp", "Jupiter.bmp", "Jupiter.bmp", "Uranus.bmp",
        "Neptun.bmp", "Mond4.bmp", "Io.bmp", "Io.bmp", "Titan.bmp",
    };
    for (int i = 0; i < 15; ++i) a.lpPlanetTexture[i] = loadTexture(p, kPlanets[i]);
    constexpr const char* kSuns[4] = {"sonne.bmp", "rot.bmp", "blau.bmp", "weiss.bmp"};
    for (int i = 0; i < 4; ++i) a.lpSonneTexture[i] = loadTexture(p, kSuns[i]);
    constexpr const char* kMoons[4] = {"Mond1.bmp", "Mond4.bmp", "Mond3.bmp", "Mond2.bmp"};
    for (int i = 0; i < 4; ++i) a.lpAsteroidTexture[i] = loadTexture(p, kMoons[i]);
    a.lpCubeTexture = loadTexture(p, "stars.bmp");
    constexpr const char* kGates[5] = {"Tor1.bmp", "Tor2.bmp", "Tor3.bmp", "Tor4.bmp", "Tor5.bmp"};
    for (int i = 0; i < 5; ++i) a.lpTorTexture[i] = loadTexture(p, kGates[i]);

    a.lpVordergrund = bitmap_surface(p, "Vordergrund.bmp");
    a.lpDDSRadarBack = bitmap_surface(p, "RadarBack.bmp");
    a.lpDDSLenkrakete = bitmap_surface(p, "Lenkrakete.bmp");
    a.lpDDSGigabombe = bitmap_surface(p, "Gigabombe.bmp");
    a.lpDDSBeschleuniger = bitmap_surface(p, "Asteroidenbeschleuniger.bmp");
    a.lpDDSAn = bitmap_surface(p, "Ein.bmp");
    a.lpDDSAus = bitmap_surface(p, "Aus.bmp");
    a.lpDDSVorne = bitmap_surface(p, "Vorne.bmp");
    a.lpDDSHinten = bitmap_surface(p, "Hinten.bmp");
    constexpr const char* kGuns[4] = {"Laser.bmp", "Ionen.bmp", "Photonen.bmp", "Positronen.bmp"};
    for (int i = 0; i < 4; ++i) a.lpDDSKanone[i] = bitmap_surface(p, kGuns[i]);
    a.lpDDSEnergie = bitmap_surface(p, "Energie.bmp");
    a.lpDDSFadenV = bitmap_surface(p, "FadenV.bmp");
    a.lpDDSFadenH = bitmap_surface(p, "FadenH.bmp");
    a.lpDDSECM = bitmap_surface(p, "ECM.bmp");
}
