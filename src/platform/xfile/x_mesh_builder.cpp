#include "platform/xfile/x_mesh_builder.h"

#include <algorithm>
#include <unordered_map>

namespace xfile {

XMaterial defaultMaterial() {
    XMaterial m;
    m.material.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    m.material.ambient = m.material.diffuse;
    return m;
}

namespace {

platform::MeshVertex vertexOf(const RawMesh& raw, std::uint32_t position, const D3DVECTOR& normal) {
    platform::MeshVertex v;
    v.position = raw.positions[position];
    v.normal = normal;
    if (!raw.texCoords.empty()) {
        v.u = raw.texCoords[position].first;
        v.v = raw.texCoords[position].second;
    }
    return v;
}

// One vertex per position; corners index them directly.
std::vector<std::uint32_t> sharedVertices(const RawMesh& raw, XMesh& out) {
    out.vertices.reserve(raw.positions.size());
    for (std::uint32_t i = 0; i < raw.positions.size(); ++i) {
        const bool hasNormal = raw.hasNormals && i < raw.normals.size();
        out.vertices.push_back(vertexOf(raw, i, hasNormal ? raw.normals[i] : D3DVECTOR{}));
    }
    return raw.corners;
}

// One vertex per distinct position/normal pair.
std::vector<std::uint32_t> splitVertices(const RawMesh& raw, XMesh& out) {
    std::unordered_map<std::uint64_t, std::uint32_t> made;
    std::vector<std::uint32_t> cornerVertex(raw.corners.size());
    for (std::size_t k = 0; k < raw.corners.size(); ++k) {
        const std::uint64_t key = (std::uint64_t{raw.corners[k]} << 32) | raw.normalCorners[k];
        const auto [it, added] =
            made.try_emplace(key, static_cast<std::uint32_t>(out.vertices.size()));
        if (added) {
            out.vertices.push_back(vertexOf(raw, raw.corners[k], raw.normals[raw.normalCorners[k]]));
        }
        cornerVertex[k] = it->second;
    }
    return cornerVertex;
}

}  // namespace

XMesh buildMesh(RawMesh&& raw) {
    XMesh out;
    const bool shared = !raw.hasNormals || raw.normalCorners == raw.corners;
    const std::vector<std::uint32_t> cornerVertex =
        shared ? sharedVertices(raw, out) : splitVertices(raw, out);

    for (std::size_t f = 0; f < raw.faceCount(); ++f) {
        std::uint32_t material = 0;
        if (!raw.faceMaterial.empty()) {
            material = raw.faceMaterial[std::min(f, raw.faceMaterial.size() - 1)];
        }
        const std::uint32_t first = raw.faceStart[f];
        for (std::uint32_t k = first + 1; k + 1 < raw.faceStart[f + 1]; ++k) {
            out.indices.insert(out.indices.end(),
                               {cornerVertex[first], cornerVertex[k], cornerVertex[k + 1]});
            out.triangleMaterial.push_back(material);
        }
    }

    out.materials = std::move(raw.materials);
    if (out.materials.empty()) out.materials.push_back(defaultMaterial());
    return out;
}

}  // namespace xfile
