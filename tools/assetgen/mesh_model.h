#pragma once

// The building blocks of the generated meshes: a frame tree of meshes with
// materials, written out as a text .X file, and the solids the models are
// put together from.
//
// Coordinates are Direct3D's left-handed ones: a triangle is listed
// clockwise as seen from outside, so cross(b - a, c - a) points outward.

#include <array>
#include <string>
#include <vector>

namespace meshgen {

struct V3 {
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V3 normalized(V3 a);

struct Material {
    std::string name;
    std::array<double, 4> diffuse{1, 1, 1, 1};  // r, g, b, alpha
    double power = 0;
    std::array<double, 3> specular{0, 0, 0};
    std::array<double, 3> emissive{0, 0, 0};
    std::string texture;  // none when empty
};

// A matt or slightly shiny surface lit by the scene.
Material surface(const std::string& name, double r, double g, double b, double shine = 0.2);
// A surface that shines by itself: lamps, windows, engine exhaust.
Material glowing(const std::string& name, double r, double g, double b);

struct Vertex {
    V3 pos;
    V3 normal;
    double u = 0, v = 0;
};

struct Mesh {
    std::string name;
    std::vector<Vertex> vertices;
    std::vector<std::array<int, 3>> faces;
    std::vector<int> faceMaterial;  // one index into materials per face
    std::vector<Material> materials;
};

// Row-vector convention like the game's: v' = v * M, the translation in the
// fourth row.
using Matrix = std::array<double, 16>;
Matrix identity();
Matrix translation(V3 t);
// Turns about y by angle (radians), then moves by t.
Matrix turnY(double angle, V3 t);
// Turns about z by angle (radians), then moves by t.
Matrix turnZ(double angle, V3 t);

struct Frame {
    std::string name;
    Matrix matrix = identity();
    std::vector<Mesh> meshes;
    std::vector<Frame> children;
};

// The whole file: header and the frame tree.
std::string xFileText(const Frame& root);

// Removes the materials no face uses from every mesh in the tree.
void dropUnusedMaterials(Frame& frame);

// ---- Solids ----------------------------------------------------------------

struct Tri {
    V3 a, b, c;
    int material = 0;
};
// One closed surface; its triangles may come in either winding as long as
// they agree with each other.
using Solid = std::vector<Tri>;

// Adds a closed surface flat-shaded: turned outward as a whole by the sign
// of its volume, each triangle with the face normal and texture coordinates
// projected along the triangle's main axis.
void addSolid(Mesh& mesh, const Solid& solid, double uvScale = 1.0);

// The surface through rings of equally many points: a band between each two
// successive rings, a fan closing each end. A ring of a single point is a
// tip and needs no fan. materials holds the start cap's, each band's and the
// end cap's material (rings.size() + 1 entries), or one for all.
Solid loft(const std::vector<std::vector<V3>>& rings, const std::vector<int>& materials);
// Like loft, but the last ring joins the first again: a closed tube bent
// round into a ring, without caps.
Solid loop(const std::vector<std::vector<V3>>& rings, int material);

// n points on an ellipse about center in the plane of the unit vectors u, v.
std::vector<V3> ellipse(V3 center, V3 u, V3 v, double ru, double rv, int n, double phase = 0);
// An ellipse across the ship's flight axis: at height y, half widths rx, rz.
std::vector<V3> ringY(double y, double rx, double rz, int n, double phase = 0, double cx = 0, double cz = 0);
// A polygon given as (x, z) pairs, scaled and placed at height y.
std::vector<V3> outlineY(double y, const std::vector<std::array<double, 2>>& xz, double sx = 1, double sz = 1,
                         double cx = 0, double cz = 0);

Solid box(V3 lo, V3 hi, int material);
// A prism of n sides between the centres from and to.
Solid cylinder(V3 from, V3 to, double radius, int n, int material, int capMaterial = -1);
Solid mirroredX(const Solid& solid);
Solid transformed(const Solid& solid, const Matrix& m);
V3 transformPoint(V3 p, const Matrix& m);

// ---- The models ------------------------------------------------------------

// Ship types 1..12: nose toward +y, top toward +z, about one unit to
// either side on the longest axis.
Frame shipModel(int typ);
Frame missileModel();
// Stations 1..4: trade, shipyard, traffic, combat; turning about y.
Frame stationModel(int kind);

struct MeshFile {
    std::string name;
    Frame root;
};
// The 23 files the game loads, in its loading order.
std::vector<MeshFile> meshFiles();

}  // namespace meshgen
