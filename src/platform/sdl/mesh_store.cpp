#include "platform/sdl/mesh_store.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/sdl/mesh_lod.h"

namespace platform::sdl {
namespace {

void vertexAttribute(GLuint index, GLint size, std::size_t offset) {
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                          reinterpret_cast<const void*>(offset));
}

}  // namespace

MeshId MeshStore::create(const std::vector<MeshVertex>& vertices,
                         const std::vector<std::uint32_t>& indices) {
    const bool inRange = std::all_of(indices.begin(), indices.end(), [&](std::uint32_t index) {
        return index < vertices.size();
    });
    if (!inRange) return 0;

    Mesh mesh;
    mesh.indexCount = static_cast<int>(indices.size());
    mesh.bounds = boundingSphere(vertices);
    CoarseMesh coarse = coarseMesh(vertices, indices);
    mesh.coarseStart = std::move(coarse.start);
    std::vector<MeshVertex> allVertices = vertices;
    allVertices.insert(allVertices.end(), coarse.vertices.begin(), coarse.vertices.end());
    std::vector<std::uint32_t> allIndices = indices;
    for (std::uint32_t index : coarse.indices) allIndices.push_back(static_cast<std::uint32_t>(vertices.size()) + index);
    glGenVertexArrays(1, &mesh.vertexArray);
    glGenBuffers(1, &mesh.vertexBuffer);
    glGenBuffers(1, &mesh.indexBuffer);
    glBindVertexArray(mesh.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(allVertices.size() * sizeof(MeshVertex)),
                 allVertices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(allIndices.size() * sizeof(std::uint32_t)), allIndices.data(),
                 GL_STATIC_DRAW);
    vertexAttribute(0, 3, offsetof(MeshVertex, position));
    vertexAttribute(1, 3, offsetof(MeshVertex, normal));
    vertexAttribute(2, 2, offsetof(MeshVertex, u));
    meshes_.push_back(mesh);
    return static_cast<MeshId>(meshes_.size());
}

bool MeshStore::draw(MeshId id, int first, int count, bool coarse) const {
    if (id <= 0 || id > static_cast<MeshId>(meshes_.size())) return false;
    const Mesh& mesh = meshes_[static_cast<std::size_t>(id) - 1];
    if (first < 0 || count <= 0 || count > mesh.indexCount - first) return false;
    if (coarse) {
        if (const std::optional<CoarseRange> range = coarseRange(mesh.coarseStart, first, count)) {
            first = mesh.indexCount + static_cast<int>(3 * range->first);
            count = static_cast<int>(3 * range->count);
        }
    }
    glBindVertexArray(mesh.vertexArray);
    glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(static_cast<std::size_t>(first) *
                                                 sizeof(std::uint32_t)));
    return true;
}

void MeshStore::destroy(MeshId id) {
    if (id <= 0 || id > static_cast<MeshId>(meshes_.size())) return;
    Mesh& mesh = meshes_[static_cast<std::size_t>(id) - 1];
    if (mesh.vertexArray == 0) return;
    glDeleteVertexArrays(1, &mesh.vertexArray);
    glDeleteBuffers(1, &mesh.vertexBuffer);
    glDeleteBuffers(1, &mesh.indexBuffer);
    mesh = Mesh{};  // no index count: draw() refuses it
}

const Sphere* MeshStore::bounds(MeshId id) const {
    if (id <= 0 || id > static_cast<MeshId>(meshes_.size())) return nullptr;
    return &meshes_[static_cast<std::size_t>(id) - 1].bounds;
}

void MeshStore::release() {
    for (MeshId id = 1; id <= static_cast<MeshId>(meshes_.size()); ++id) destroy(id);
    meshes_.clear();
}

}  // namespace platform::sdl
