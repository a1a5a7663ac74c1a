#pragma once

#include <utility>
#include <vector>

#include "platform/xfile/x_model.h"

namespace xfile {

// A mesh as the file lists it: polygons of any size over positions, and,
// when present, a second set of polygons over the normals. The parser checks
// every index and count before it hands one over.
struct RawMesh {
    std::vector<D3DVECTOR> positions;
    std::vector<std::uint32_t> faceStart{0};  // face f's corners: [faceStart[f], faceStart[f+1])
    std::vector<std::uint32_t> corners;       // position indices
    bool hasNormals = false;
    std::vector<D3DVECTOR> normals;
    std::vector<std::uint32_t> normalCorners;        // normal indices, laid out like corners
    std::vector<std::pair<float, float>> texCoords;  // one per position, or none
    std::vector<std::uint32_t> faceMaterial;  // may be shorter than the faces; the last repeats
    std::vector<XMaterial> materials;

    std::size_t faceCount() const { return faceStart.size() - 1; }
};

// Triangulates the polygons as fans and gives every vertex its normal and
// texture coordinate. Vertices stay shared when the normals are indexed like
// the positions; otherwise each distinct position/normal pair becomes a vertex.
XMesh buildMesh(RawMesh&& raw);

}  // namespace xfile
