#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/frustum.h"

namespace platform::sdl {

// The meshes on the device, numbered from 1: a vertex array each with
// position, normal and uv, and 32-bit indices.
class MeshStore {
public:
    // 0 when an index points past the vertices.
    MeshId create(const std::vector<MeshVertex>& vertices,
                  const std::vector<std::uint32_t>& indices);
    // Draws indices [first, first + count) as triangles, or with `coarse`
    // their coarse stand-in (when it saves at least half of them); false
    // (drawing nothing) for an unknown mesh or a range outside its indices.
    bool draw(MeshId id, int first, int count, bool coarse = false) const;
    // Frees one mesh's buffers; the id stays taken and draws nothing.
    void destroy(MeshId id);
    // The sphere around all of a mesh's vertices; null for an unknown mesh.
    const Sphere* bounds(MeshId id) const;
    void release();  // the context must be current

private:
    struct Mesh {
        GLuint vertexArray = 0;
        GLuint vertexBuffer = 0;
        GLuint indexBuffer = 0;
        int indexCount = 0;
        // The coarse triangles follow the mesh's own in the index buffer;
        // coarseStart[t] is the first coarse triangle of triangle t.
        std::vector<std::uint32_t> coarseStart;
        Sphere bounds;
    };
    std::vector<Mesh> meshes_;
};

}  // namespace platform::sdl
