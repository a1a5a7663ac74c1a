#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

// What a text .X file holds, as plain data: frames with their matrices and
// triangle meshes with their materials.
namespace xfile {

struct XMaterial {
    platform::Material material;
    std::string textureFile;  // empty: the material names no texture
};

struct XMesh {
    std::vector<platform::MeshVertex> vertices;
    std::vector<std::uint32_t> indices;           // three per triangle, clockwise front
    std::vector<std::uint32_t> triangleMaterial;  // one per triangle, into materials
    std::vector<XMaterial> materials;             // at least one
};

struct XFrame {
    std::string name;
    D3DMATRIX transform;  // relative to the parent frame
    std::vector<XMesh> meshes;
    std::vector<XFrame> children;
};

// White, opaque, without shine: what a mesh without a material list is drawn
// with.
XMaterial defaultMaterial();

}  // namespace xfile
