#pragma once

#include <cstddef>
#include <string_view>

// Every data file of the game, in the one list that start-up loads from, the
// data generator writes and the tests check: its name, its kind, its place
// among the files of its kind (the names below), the size the game relies on
// where it relies on one, and whether start-up can do without it. Start-up
// loads the font, then the textures, the panel bitmaps and the meshes, each
// kind in the order of this list; a sound is read when it is played, the
// manual when the player asks for it.

enum TextureName : int {
    lpGrauTexture,
    lpPlanet1Texture, lpPlanet2Texture, lpPlanet3Texture, lpPlanet4Texture, lpPlanet5Texture,
    lpPlanet6Texture, lpPlanet7Texture, lpPlanet8Texture, lpPlanet9Texture, lpPlanet10Texture,
    lpPlanet11Texture, lpPlanet12Texture, lpPlanet13Texture, lpPlanet14Texture, lpPlanet15Texture,
    lpSonne1Texture, lpSonne2Texture, lpSonne3Texture, lpSonne4Texture,
    lpAsteroid1Texture, lpAsteroid2Texture, lpAsteroid3Texture, lpAsteroid4Texture,
    lpCubeTexture,
    lpTor1Texture, lpTor2Texture, lpTor3Texture, lpTor4Texture, lpTor5Texture,
    kTextureCount
};

enum BitmapName : int {
    lpVordergrund, lpDDSRadarBack, lpDDSLenkrakete, lpDDSGigabombe, lpDDSBeschleuniger,
    lpDDSAn, lpDDSAus, lpDDSVorne, lpDDSHinten,
    lpDDSLaser, lpDDSIonen, lpDDSPhotonen, lpDDSPositronen,
    lpDDSEnergie, lpDDSFadenV, lpDDSFadenH, lpDDSECM,
    kBitmapCount
};

enum MeshName : int {
    lpXFileRaumschiff2, lpXFileRaumschiff3, lpXFileRaumschiff4, lpXFileRaumschiff5,
    lpXFileRaumschiff6, lpXFileRaumschiff7, lpXFileRaumschiff8, lpXFileRaumschiff9,
    lpXFileRaumschiff10, lpXFileRaumschiff11, lpXFileRaumschiff12,
    lpXFileRakete, lpXFileExplosion, lpXFileRaumschiff1, lpXFileAsteroid,
    lpXFileStation1, lpXFileStation2, lpXFileStation3, lpXFileStation4,
    lpXFilePlanet, lpXFileSonne, lpXFileCube, lpXFileTor,
    kMeshCount
};

constexpr int kEffectCount = 9;  // sound effects 1..9

enum class AssetKind { Font, Texture, Bitmap, Mesh, Sound, Manual };

struct AssetFile {
    const char* name;
    AssetKind kind;
    int slot = 0;          // a TextureName, BitmapName or MeshName; a sound's effect number - 1
    int width = 0;         // the size the game relies on; 0 where any size will do
    int height = 0;
    bool required = false;       // start-up ends without it
    bool sceneTextured = false;  // a mesh the scene binds its texture for: it must name none
    float loadScale = 1.0f;      // a mesh is scaled by this once, right after loading
};

namespace asset_rows {
using K = AssetKind;
constexpr AssetFile texture(const char* name, TextureName slot) { return {name, K::Texture, slot}; }
constexpr AssetFile bitmap(const char* name, BitmapName slot, int w, int h) { return {name, K::Bitmap, slot, w, h}; }
constexpr AssetFile mesh(const char* name, MeshName slot, bool required, bool sceneTextured = false,
                         float loadScale = 1.0f) {
    return {name, K::Mesh, slot, 0, 0, required, sceneTextured, loadScale};
}
constexpr AssetFile sound(const char* name, int effect) { return {name, K::Sound, effect - 1}; }
}  // namespace asset_rows

inline constexpr AssetFile kAssetFiles[] = {
    {"Zeichensatz.bmp", AssetKind::Font, 0, 512, 48, true},

    asset_rows::texture("grausprenkel.bmp", lpGrauTexture),
    asset_rows::texture("Erde1.bmp", lpPlanet1Texture),
    asset_rows::texture("Erde2.bmp", lpPlanet2Texture),
    asset_rows::texture("Erde3.bmp", lpPlanet3Texture),
    asset_rows::texture("Mars.bmp", lpPlanet4Texture),
    asset_rows::texture("Mars.bmp", lpPlanet5Texture),
    asset_rows::texture("Mars.bmp", lpPlanet6Texture),
    asset_rows::texture("Jupiter.bmp", lpPlanet7Texture),
    asset_rows::texture("Jupiter.bmp", lpPlanet8Texture),
    asset_rows::texture("Jupiter.bmp", lpPlanet9Texture),
    asset_rows::texture("Uranus.bmp", lpPlanet10Texture),
    asset_rows::texture("Neptun.bmp", lpPlanet11Texture),
    asset_rows::texture("Mond4.bmp", lpPlanet12Texture),
    asset_rows::texture("Io.bmp", lpPlanet13Texture),
    asset_rows::texture("Io.bmp", lpPlanet14Texture),
    asset_rows::texture("Titan.bmp", lpPlanet15Texture),
    asset_rows::texture("sonne.bmp", lpSonne1Texture),
    asset_rows::texture("rot.bmp", lpSonne2Texture),
    asset_rows::texture("blau.bmp", lpSonne3Texture),
    asset_rows::texture("weiss.bmp", lpSonne4Texture),
    asset_rows::texture("Mond1.bmp", lpAsteroid1Texture),
    asset_rows::texture("Mond4.bmp", lpAsteroid2Texture),
    asset_rows::texture("Mond3.bmp", lpAsteroid3Texture),
    asset_rows::texture("Mond2.bmp", lpAsteroid4Texture),
    asset_rows::texture("stars.bmp", lpCubeTexture),
    asset_rows::texture("Tor1.bmp", lpTor1Texture),
    asset_rows::texture("Tor2.bmp", lpTor2Texture),
    asset_rows::texture("Tor3.bmp", lpTor3Texture),
    asset_rows::texture("Tor4.bmp", lpTor4Texture),
    asset_rows::texture("Tor5.bmp", lpTor5Texture),

    asset_rows::bitmap("Vordergrund.bmp", lpVordergrund, 256, 768),
    asset_rows::bitmap("RadarBack.bmp", lpDDSRadarBack, 192, 192),
    asset_rows::bitmap("Lenkrakete.bmp", lpDDSLenkrakete, 32, 32),
    asset_rows::bitmap("Gigabombe.bmp", lpDDSGigabombe, 32, 32),
    asset_rows::bitmap("Asteroidenbeschleuniger.bmp", lpDDSBeschleuniger, 32, 32),
    asset_rows::bitmap("Ein.bmp", lpDDSAn, 224, 32),
    asset_rows::bitmap("Aus.bmp", lpDDSAus, 224, 32),
    asset_rows::bitmap("Vorne.bmp", lpDDSVorne, 224, 32),
    asset_rows::bitmap("Hinten.bmp", lpDDSHinten, 224, 32),
    asset_rows::bitmap("Laser.bmp", lpDDSLaser, 32, 32),
    asset_rows::bitmap("Ionen.bmp", lpDDSIonen, 32, 32),
    asset_rows::bitmap("Photonen.bmp", lpDDSPhotonen, 32, 32),
    asset_rows::bitmap("Positronen.bmp", lpDDSPositronen, 32, 32),
    asset_rows::bitmap("Energie.bmp", lpDDSEnergie, 32, 32),
    asset_rows::bitmap("FadenV.bmp", lpDDSFadenV, 4, 64),
    asset_rows::bitmap("FadenH.bmp", lpDDSFadenH, 64, 4),
    asset_rows::bitmap("ECM.bmp", lpDDSECM, 32, 32),

    // A missing ship, missile or explosion only leaves those invisible.
    asset_rows::mesh("Raumschiff2.X", lpXFileRaumschiff2, false),
    asset_rows::mesh("Raumschiff3.X", lpXFileRaumschiff3, false),
    asset_rows::mesh("Raumschiff4.X", lpXFileRaumschiff4, false),
    asset_rows::mesh("Raumschiff5.X", lpXFileRaumschiff5, false),
    asset_rows::mesh("Raumschiff6.X", lpXFileRaumschiff6, false),
    asset_rows::mesh("Raumschiff7.X", lpXFileRaumschiff7, false),
    asset_rows::mesh("Raumschiff8.X", lpXFileRaumschiff8, false),
    asset_rows::mesh("Raumschiff9.X", lpXFileRaumschiff9, false),
    asset_rows::mesh("Raumschiff10.X", lpXFileRaumschiff10, false),
    asset_rows::mesh("Raumschiff11.X", lpXFileRaumschiff11, false),
    asset_rows::mesh("Raumschiff12.X", lpXFileRaumschiff12, false),
    asset_rows::mesh("Rakete.X", lpXFileRakete, false),
    asset_rows::mesh("Explosion.X", lpXFileExplosion, false),
    asset_rows::mesh("Raumschiff1.X", lpXFileRaumschiff1, true),
    asset_rows::mesh("asteroid_new.x", lpXFileAsteroid, true, true),
    asset_rows::mesh("Station1.x", lpXFileStation1, true, true, 10.0f),
    asset_rows::mesh("Station2.x", lpXFileStation2, true, true, 10.0f),
    asset_rows::mesh("Station3.x", lpXFileStation3, true, true, 10.0f),
    asset_rows::mesh("Station4.x", lpXFileStation4, true, true, 10.0f),
    asset_rows::mesh("Kugel_new.x", lpXFilePlanet, true, true),
    asset_rows::mesh("Kugel_newHell.x", lpXFileSonne, true, true),
    asset_rows::mesh("sonne.X", lpXFileCube, true, true),
    asset_rows::mesh("Tor.x", lpXFileTor, true, true),

    asset_rows::sound("machine.wav", 1),
    asset_rows::sound("Feindlaser.wav", 2),
    asset_rows::sound("EnergyLow.wav", 3),
    asset_rows::sound("Sternentor.wav", 4),
    asset_rows::sound("Klick.wav", 5),
    asset_rows::sound("explode.wav", 6),
    asset_rows::sound("GunShot.wav", 7),
    asset_rows::sound("Bergbau.wav", 8),
    asset_rows::sound("Explosion.wav", 9),

    // The manual in each language: German, English.
    {"Spielanleitung.htm", AssetKind::Manual, 0},
    {"Manual.htm", AssetKind::Manual, 1},
};

namespace asset_rows {
// Each place of each kind is taken exactly once.
consteval bool everySlotOnce(AssetKind kind, int count) {
    for (int slot = 0; slot < count; ++slot) {
        int found = 0;
        for (const AssetFile& f : kAssetFiles) found += f.kind == kind && f.slot == slot;
        if (found != 1) return false;
    }
    int all = 0;
    for (const AssetFile& f : kAssetFiles) all += f.kind == kind;
    return all == count;
}
static_assert(everySlotOnce(K::Font, 1) && everySlotOnce(K::Texture, kTextureCount) &&
              everySlotOnce(K::Bitmap, kBitmapCount) && everySlotOnce(K::Mesh, kMeshCount) &&
              everySlotOnce(K::Sound, kEffectCount) && everySlotOnce(K::Manual, 2));
}  // namespace asset_rows

// The file of a kind's place; null for none.
constexpr const AssetFile* assetFile(AssetKind kind, int slot) {
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind == kind && f.slot == slot) return &f;
    }
    return nullptr;
}

// The row of a file name (the first, for a texture loaded twice); null for a
// file that is not the game's.
constexpr const AssetFile* assetFile(std::string_view name) {
    for (const AssetFile& f : kAssetFiles) {
        if (name == f.name) return &f;
    }
    return nullptr;
}
