#include "platform/d3dfile.h"

#include <filesystem>

#include "platform/assets.h"
#include "platform/xfile/x_parser.h"

int CD3DFile::Load(const std::string& file) {
    std::string error;
    const std::optional<xfile::XFrame> root = xfile::readXFile(file, error);
    if (!root) {
        error_ = error;
        return -1;
    }
    D3DMATRIX identity;
    D3DUtil_SetIdentityMatrix(identity);
    std::vector<Part> parts;
    if (!addFrame(*root, identity, std::filesystem::path(file).parent_path().string(), parts)) {
        release(parts);
        error_ = file + ", the device refused a mesh";
        return -2;
    }
    release(parts_);
    parts_ = std::move(parts);
    hasTransparent_ = false;
    for (const Part& part : parts_) {
        for (const Run& run : part.runs) hasTransparent_ |= run.transparent;
    }
    factor_ = 1.0f;
    loaded_ = true;
    error_.clear();
    return 0;
}

CD3DFile::~CD3DFile() { release(parts_); }

void CD3DFile::release(std::vector<Part>& parts) {
    for (const Part& part : parts) p_.destroyMesh(part.mesh);
    parts.clear();
}

bool CD3DFile::addFrame(const xfile::XFrame& frame, const D3DMATRIX& parent,
                        const std::string& folder, std::vector<Part>& parts) {
    // The frame's own matrix applies first, then its parents'.
    D3DMATRIX placed;
    D3DMath_MatrixMultiply(placed, parent, frame.transform);
    for (const xfile::XMesh& mesh : frame.meshes) {
        if (!addMesh(mesh, placed, folder, parts)) return false;
    }
    for (const xfile::XFrame& child : frame.children) {
        if (!addFrame(child, placed, folder, parts)) return false;
    }
    return true;
}

// Uploads the triangles sorted by material, so that each material draws as
// one run of indices.
bool CD3DFile::addMesh(const xfile::XMesh& mesh, const D3DMATRIX& frame, const std::string& folder,
                       std::vector<Part>& parts) {
    const std::size_t triangles = mesh.triangleMaterial.size();
    if (triangles == 0) return true;

    std::vector<std::size_t> start(mesh.materials.size() + 1, 0);
    for (const std::uint32_t m : mesh.triangleMaterial) ++start[m + 1];
    for (std::size_t m = 1; m < start.size(); ++m) start[m] += start[m - 1];

    std::vector<std::uint32_t> indices(triangles * 3);
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    for (std::size_t t = 0; t < triangles; ++t) {
        const std::size_t slot = next[mesh.triangleMaterial[t]]++;
        for (int k = 0; k < 3; ++k) indices[slot * 3 + k] = mesh.indices[t * 3 + k];
    }

    Part part;
    part.frame = frame;
    part.mesh = p_.createMesh(mesh.vertices, indices);
    if (part.mesh == 0) return false;
    for (std::size_t m = 0; m < mesh.materials.size(); ++m) {
        if (start[m + 1] == start[m]) continue;
        const xfile::XMaterial& material = mesh.materials[m];
        Run run;
        run.firstIndex = static_cast<int>(start[m] * 3);
        run.indexCount = static_cast<int>((start[m + 1] - start[m]) * 3);
        run.material = material.material;
        run.textured = !material.textureFile.empty();
        if (run.textured) run.texture = texture(material.textureFile, folder);
        run.transparent = material.material.diffuse.a < 1.0f;
        part.runs.push_back(run);
    }
    parts.push_back(std::move(part));
    return true;
}

// Each texture file is loaded once per object: from the data directory,
// else from the folder of the mesh file.
platform::TextureId CD3DFile::texture(const std::string& name, const std::string& folder) {
    const auto found = textures_.find(name);
    if (found != textures_.end()) return found->second;
    platform::TextureId id = loadTexture(p_, name.c_str());
    if (id == 0 && !folder.empty()) {
        id = loadTexture(p_, (std::filesystem::path(folder) / name).string().c_str());
    }
    textures_[name] = id;
    return id;
}

std::vector<platform::MeshId> CD3DFile::meshIds() const {
    std::vector<platform::MeshId> ids;
    for (const Part& part : parts_) ids.push_back(part.mesh);
    return ids;
}

void CD3DFile::Render(float scale) {
    if (parts_.empty()) return;
    const platform::Material material = p_.material();
    const platform::TextureId texture = p_.texture();
    const D3DMATRIX world = p_.transform(platform::TransformState::World);
    const bool blend = p_.alphaBlend();

    const float vertexScale = factor_ * scale;
    drawPass(false, world, texture, vertexScale);
    if (hasTransparent_) {
        p_.setAlphaBlend(true);
        drawPass(true, world, texture, vertexScale);
    }

    p_.setMaterial(material);
    p_.setTexture(texture);
    p_.setTransform(platform::TransformState::World, world);
    p_.setAlphaBlend(blend);
}

void CD3DFile::drawPass(bool transparent, const D3DMATRIX& world, platform::TextureId callerTexture,
                        float vertexScale) {
    for (const Part& part : parts_) {
        bool placed = false;
        for (const Run& run : part.runs) {
            if (run.transparent != transparent) continue;
            if (!placed) {
                D3DMATRIX partWorld;
                D3DMath_MatrixMultiply(partWorld, world, part.frame);
                p_.setTransform(platform::TransformState::World, partWorld);
                placed = true;
            }
            p_.setTexture(run.textured ? run.texture : callerTexture);
            p_.setMaterial(run.material);
            p_.drawMesh(part.mesh, run.firstIndex, run.indexCount, vertexScale);
        }
    }
}
