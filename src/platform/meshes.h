#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "platform/asset_manifest.h"
#include "platform/d3dfile.h"
#include "platform/platform.h"

// The game's meshes, by their names in the asset list, loaded once at
// start-up from the working directory.
struct Meshes {
    std::array<std::unique_ptr<CD3DFile>, kMeshCount> mesh;

    CD3DFile* operator[](int name) const { return mesh[static_cast<std::size_t>(name)].get(); }

    // The mesh read from a file of the asset list; null for any other name.
    CD3DFile* byFile(std::string_view file) const;
};

// Loads the meshes in the order of the asset list, each scaled as the list
// says. One that start-up can do without may be missing (it then draws
// nothing); the first required one that does not load stops loading with the
// error text.
bool loadMeshes(platform::Platform& p, Meshes& meshes, const char*& ErrStr);

// Loads the sun mesh afresh; on success it replaces the old one, on failure
// the old one stays and the error text is stored.
void reloadSunMesh(platform::Platform& p, Meshes& meshes, const char*& ErrStr);
