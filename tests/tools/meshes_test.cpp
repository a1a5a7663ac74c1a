// The generated meshes, read back with the game's own .X reader: what the
// scene relies on when it loads and draws them.

#include "assetgen/meshes.h"

#include <gtest/gtest.h>
#include <stdlib.h>  // mkdtemp

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/asset_manifest.h"
#include "platform/d3d_matrix.h"
#include "platform/xfile/x_parser.h"

namespace fs = std::filesystem;

namespace {

bool isShip(const std::string& file) { return file.rfind("Raumschiff", 0) == 0; }

// A mesh of a file with the matrices of its frames applied.
struct Placed {
    const xfile::XMesh* mesh;
    D3DMATRIX world;
};

void collect(const xfile::XFrame& frame, const D3DMATRIX& parent, std::vector<Placed>& out) {
    D3DMATRIX world;
    D3DMath_MatrixMultiply(world, parent, frame.transform);  // the frame's own matrix first
    for (const xfile::XMesh& m : frame.meshes) out.push_back({&m, world});
    for (const xfile::XFrame& child : frame.children) collect(child, world, out);
}

D3DVECTOR placed(const D3DVECTOR& p, const D3DMATRIX& m) {
    D3DVECTOR out;
    D3DMath_VectorMatrixMultiply(out, p, m);
    return out;
}

struct File {
    const AssetFile* row;
    std::string name;
    xfile::XFrame root;
    std::vector<Placed> meshes;
};

// Every mesh of the asset list, written once per test process and read back
// the way the game reads it; a file that does not read fails every test.
const std::vector<File>& files() {
    static const std::vector<File> all = [] {
        std::string pattern = (fs::temp_directory_path() / "sternfahrt-meshes-XXXXXX").string();
        const fs::path dir = mkdtemp(pattern.data());
        std::string error;
        if (!writeMeshes(dir, error)) ADD_FAILURE() << error;
        std::vector<File> out;
        for (const AssetFile& f : kAssetFiles) {
            if (f.kind != AssetKind::Mesh) continue;
            auto root = xfile::readXFile((dir / f.name).string(), error);
            if (!root) ADD_FAILURE() << f.name << ": " << error;
            if (root) out.push_back({&f, f.name, std::move(*root), {}});
        }
        fs::remove_all(dir);
        D3DMATRIX identity;
        D3DUtil_SetIdentityMatrix(identity);
        for (File& file : out) collect(file.root, identity, file.meshes);
        return out;
    }();
    return all;
}

}  // namespace

// The reader refuses indices outside their lists; normals must be unit
// vectors (a mesh without them reads with zero ones). Direct3D culls triangles that run counter-clockwise on screen, so
// each face must run clockwise seen from outside, the way its normals point:
// the meshes are closed surfaces, so each edge is walked once in each
// direction and the enclosed volume is positive. A flipped triangle breaks
// the edges, a surface turned inside out the volume.
TEST(GeneratedMeshes, AreWellFormedClosedAndFacingOutward) {
    for (const File& file : files()) {
        SCOPED_TRACE(file.name);
        for (const auto& [m, world] : file.meshes) {
            for (const auto& v : m->vertices) EXPECT_NEAR(magnitude(v.normal), 1.0f, 1e-4f);
            std::map<std::array<float, 6>, int> edges;
            double volume = 0;
            int against = 0;
            for (std::size_t t = 0; t < m->indices.size() / 3; ++t) {
                const platform::MeshVertex* corner[3];
                for (int k = 0; k < 3; ++k) corner[k] = &m->vertices[m->indices[3 * t + k]];
                const D3DVECTOR &a = corner[0]->position, &b = corner[1]->position, &c = corner[2]->position;
                const D3DVECTOR n = crossProduct(b - a, c - a);
                for (int k = 0; k < 3; ++k) {
                    against += dotProduct(n, corner[k]->normal) <= 0;
                    const D3DVECTOR &p = corner[k]->position, &q = corner[(k + 1) % 3]->position;
                    ++edges[{p.x, p.y, p.z, q.x, q.y, q.z}];
                }
                volume += dotProduct(a, crossProduct(b, c)) / 6.0;
            }
            EXPECT_EQ(against, 0) << "corners whose normal points against the winding";
            int open = 0;
            for (const auto& [e, count] : edges) {
                const auto back = edges.find({e[3], e[4], e[5], e[0], e[1], e[2]});
                open += back == edges.end() || back->second != count;
            }
            EXPECT_EQ(open, 0) << "edges without their opposite";
            EXPECT_GT(volume, 0) << "turned inside out";
        }
    }
}

// Asteroids are drawn by the thousand and ships by the dozen every frame. The
// game scales each model by its own factor, so the models come at about unit
// size (stations a little larger, with their masts).
TEST(GeneratedMeshes, StayWithinTheirTriangleBudgetsAtUnitSize) {
    for (const File& file : files()) {
        SCOPED_TRACE(file.name);
        std::size_t triangles = 0;
        float reach = 0;
        for (const auto& [m, world] : file.meshes) {
            triangles += m->indices.size() / 3;
            for (const auto& v : m->vertices) {
                const D3DVECTOR p = placed(v.position, world);
                reach = std::max({reach, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
            }
        }
        EXPECT_LE(triangles, file.row->slot == lpXFileAsteroid ? 120u : isShip(file.name) ? 300u : 1000u);
        const bool station = file.name.rfind("Station", 0) == 0;
        EXPECT_GT(reach, station ? 1.2f : 0.85f);
        EXPECT_LT(reach, station ? 2.0f : 1.15f);
    }
}

// The scene binds the texture of the stations, spheres, asteroid and gates
// itself (the gates flicker through five); a texture the mesh names would
// replace it. Ships wear their own skin. What a mesh names must be a file of
// the game's.
TEST(GeneratedMeshes, NameATextureOnlyWhereTheSceneBindsNone) {
    for (const File& file : files()) {
        SCOPED_TRACE(file.name);
        std::set<std::string> named;
        for (const auto& [m, world] : file.meshes) {
            for (const xfile::XMaterial& mat : m->materials) {
                if (!mat.textureFile.empty()) named.insert(mat.textureFile);
            }
        }
        if (file.row->sceneTextured) {
            EXPECT_TRUE(named.empty()) << *named.begin();
        }
        if (isShip(file.name)) {
            EXPECT_FALSE(named.empty());
        }
        for (const std::string& texture : named) {
            const AssetFile* row = assetFile(texture);
            EXPECT_TRUE(row && row->kind == AssetKind::Texture) << texture;
        }
    }
}
