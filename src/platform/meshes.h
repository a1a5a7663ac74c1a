#pragma once

#include <array>
#include <memory>

#include "platform/d3dfile.h"
#include "platform/platform.h"

// The game's meshes, loaded once at start-up from the working directory.
struct Meshes {
    std::array<std::unique_ptr<CD3DFile>, 12> lpXFileRaumschiff;  // ship types 1..12
    std::unique_ptr<CD3DFile> lpXFileRakete;
    std::unique_ptr<CD3DFile> lpXFileExplosion;
    std::unique_ptr<CD3DFile> lpXFileAsteroid;
    std::array<std::unique_ptr<CD3DFile>, 4> lpXFileStation;  // trade, shipyard, traffic, combat
    std::unique_ptr<CD3DFile> lpXFilePlanet;
    std::unique_ptr<CD3DFile> lpXFileSonne;
    std::unique_ptr<CD3DFile> lpXFileCube;  // the sky sphere
    std::unique_ptr<CD3DFile> lpXFileTor;
};

// Loads the 23 meshes in their fixed order. The ships of types 2..12, the
// missile and the explosion may be missing (they then draw nothing); from
// ship type 1 on every mesh must load, or loading stops with the error text.
bool loadMeshes(platform::Platform& p, Meshes& meshes, const char*& ErrStr);

// Loads the sun mesh afresh; on success it replaces the old one, on failure
// the old one stays and the error text is stored.
void reloadSunMesh(platform::Platform& p, Meshes& meshes, const char*& ErrStr);
