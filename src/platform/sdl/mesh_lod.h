#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// A coarse stand-in for a mesh seen from so far that it covers a few
// pixels: the vertices are gathered into cubic cells (kCoarseCells along
// the mesh's longest side, the texture square split as finely) and each
// cell's vertices become one; the triangles that collapse, lie flat or
// repeat one kept already are dropped, those folded over are turned back,
// and the whole grows until its surface is as large as the mesh's. Texture
// seams stay apart, because their two sides lie in different texture cells.
//
// The triangles keep their order and winding; triangle t of the mesh
// becomes the coarse triangles [start[t], start[t + 1]) (none or one), so
// any run of whole triangles has one run of coarse ones.
struct CoarseMesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;  // into `vertices`
    std::vector<std::uint32_t> start;  // one more than the mesh has triangles
};

constexpr int kCoarseCells = 4;

CoarseMesh coarseMesh(const std::vector<MeshVertex>& vertices, const std::vector<std::uint32_t>& indices);

// Which coarse triangles stand for the mesh's indices [first, first +
// count), as first coarse triangle and count; nothing when the range is not
// whole triangles, when it would collapse to nothing (a far object stays a
// dot) or when the coarse version saves less than half.
struct CoarseRange {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
};
std::optional<CoarseRange> coarseRange(const std::vector<std::uint32_t>& start, int first, int count);

}  // namespace platform::sdl
