#include "assetgen/meshes.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "assetgen/mesh_model.h"
#include "platform/asset_manifest.h"
#include "platform/xfile/x_parser.h"

namespace fs = std::filesystem;

namespace {

// The meshes of the asset list.
const std::vector<std::string> kFiles = [] {
    std::vector<std::string> files;
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind == AssetKind::Mesh) files.push_back(f.name);
    }
    return files;
}();

bool isShip(const std::string& file) { return file.rfind("Raumschiff", 0) == 0; }
bool isStation(const std::string& file) { return file.rfind("Station", 0) == 0; }
bool isSphere(const std::string& file) {
    return file == "Kugel_new.x" || file == "Kugel_newHell.x" || file == "sonne.X";
}

class TempDir {
   public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "meshes-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

   private:
    fs::path path_;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- A strict reader of the text .X the generator writes -------------------
// Independent of the game's reader, and strict about every separator the
// format puts between list items, so a file that only a lenient reader would
// take fails here.

using Vec = std::array<double, 3>;

struct Material {
    std::array<double, 4> diffuse{};
    std::array<double, 3> emissive{};
    std::string texture;
};

struct Mesh {
    std::vector<Vec> positions, normals;
    std::vector<std::array<int, 3>> faces, normalFaces;
    std::vector<std::array<double, 2>> uv;
    std::vector<int> faceMaterial;
    std::vector<Material> materials;
};

struct Frame {
    std::string name;
    std::array<double, 16> matrix{};
    std::vector<Mesh> meshes;
    std::vector<Frame> children;
};

struct Failure {
    std::string what;
};

class Reader {
   public:
    explicit Reader(const std::string& text) : text_(text) {}

    Frame file() {
        const std::string header = "xof 0303txt 0032\n";
        if (text_.compare(0, header.size(), header) != 0) throw Failure{"bad header"};
        pos_ = header.size();
        word("Frame");
        Frame f = frame();
        if (!token().empty()) throw Failure{"text after the frame"};
        return f;
    }

   private:
    const std::string& text_;
    std::size_t pos_ = 0;

    std::string token() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        if (pos_ >= text_.size()) return {};
        const char c = text_[pos_];
        if (c == '{' || c == '}' || c == ';' || c == ',') return std::string(1, text_[pos_++]);
        if (c == '"') {
            const std::size_t end = text_.find('"', pos_ + 1);
            if (end == std::string::npos) throw Failure{"open string"};
            const std::string s = text_.substr(pos_, end + 1 - pos_);
            pos_ = end + 1;
            return s;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                       text_[pos_] == '_' || text_[pos_] == '.' || text_[pos_] == '-')) {
            ++pos_;
        }
        if (pos_ == start) throw Failure{std::string("stray character ") + c};
        return text_.substr(start, pos_ - start);
    }

    std::string peek() {
        const std::size_t saved = pos_;
        std::string t = token();
        pos_ = saved;
        return t;
    }

    void word(const std::string& expected) {
        const std::string t = token();
        if (t != expected) throw Failure{"expected '" + expected + "', found '" + t + "'"};
    }

    std::string name() {
        const std::string t = token();
        if (t.empty() || !(std::isalpha(static_cast<unsigned char>(t[0])) || t[0] == '_')) {
            throw Failure{"bad name '" + t + "'"};
        }
        return t;
    }

    double number() {
        const std::string t = token();
        char* end = nullptr;
        const double value = std::strtod(t.c_str(), &end);
        if (t.empty() || *end != '\0' || !std::isfinite(value)) throw Failure{"bad number '" + t + "'"};
        return value;
    }

    int whole() {
        const std::string t = token();
        if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos)
            throw Failure{"bad count '" + t + "'"};
        return std::stoi(t);
    }

    // After item i of n: a comma, or the closing semicolon after the last.
    void next(int i, int n) { word(i + 1 < n ? "," : ";"); }

    std::vector<Vec> vectors() {
        const int n = whole();
        word(";");
        std::vector<Vec> v(n);
        for (int i = 0; i < n; ++i) {
            for (double& c : v[i]) {
                c = number();
                word(";");
            }
            next(i, n);
        }
        return v;
    }

    std::vector<std::array<int, 3>> faces() {
        const int n = whole();
        word(";");
        std::vector<std::array<int, 3>> f(n);
        for (int i = 0; i < n; ++i) {
            if (whole() != 3) throw Failure{"a face that is no triangle"};
            word(";");
            for (int k = 0; k < 3; ++k) {
                f[i][k] = whole();
                word(k < 2 ? "," : ";");
            }
            next(i, n);
        }
        return f;
    }

    Frame frame() {
        Frame f;
        f.name = name();
        word("{");
        word("FrameTransformMatrix");
        word("{");
        for (int i = 0; i < 16; ++i) {
            f.matrix[i] = number();
            word(i < 15 ? "," : ";");
        }
        word(";");
        word("}");
        for (std::string t = token(); t != "}"; t = token()) {
            if (t == "Mesh") {
                f.meshes.push_back(mesh());
            } else if (t == "Frame") {
                f.children.push_back(frame());
            } else {
                throw Failure{"unexpected '" + t + "' in a frame"};
            }
        }
        return f;
    }

    Mesh mesh() {
        Mesh m;
        name();
        word("{");
        m.positions = vectors();
        m.faces = faces();
        word("MeshNormals");
        word("{");
        m.normals = vectors();
        m.normalFaces = faces();
        word("}");
        word("MeshTextureCoords");
        word("{");
        const int n = whole();
        word(";");
        for (int i = 0; i < n; ++i) {
            std::array<double, 2> uv{};
            uv[0] = number();
            word(";");
            uv[1] = number();
            word(";");
            next(i, n);
            m.uv.push_back(uv);
        }
        word("}");
        word("MeshMaterialList");
        word("{");
        const int materials = whole();
        word(";");
        const int indices = whole();
        word(";");
        for (int i = 0; i < indices; ++i) {
            m.faceMaterial.push_back(whole());
            if (i + 1 < indices) word(",");
        }
        word(";");
        word(";");
        for (int i = 0; i < materials; ++i) m.materials.push_back(material());
        word("}");
        word("}");
        return m;
    }

    Material material() {
        Material mat;
        word("Material");
        name();
        word("{");
        for (double& c : mat.diffuse) {
            c = number();
            word(";");
        }
        word(";");
        number();
        word(";");
        for (int i = 0; i < 3; ++i) {
            number();
            word(";");
        }
        word(";");
        for (double& c : mat.emissive) {
            c = number();
            word(";");
        }
        word(";");
        if (peek() == "TextureFilename") {
            token();
            word("{");
            const std::string s = token();
            if (s.size() < 2 || s.front() != '"') throw Failure{"texture name is no string"};
            mat.texture = s.substr(1, s.size() - 2);
            word(";");
            word("}");
        }
        word("}");
        return mat;
    }
};

// ---- Geometry helpers -------------------------------------------------------

Vec sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double length(const Vec& a) { return std::sqrt(dot(a, a)); }

// Row vector times matrix, as the game transforms.
Vec apply(const Vec& p, const std::array<double, 16>& m) {
    return {p[0] * m[0] + p[1] * m[4] + p[2] * m[8] + m[12], p[0] * m[1] + p[1] * m[5] + p[2] * m[9] + m[13],
            p[0] * m[2] + p[1] * m[6] + p[2] * m[10] + m[14]};
}

std::array<double, 16> multiply(const std::array<double, 16>& a, const std::array<double, 16>& b) {
    std::array<double, 16> r{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k) r[i * 4 + j] += a[i * 4 + k] * b[k * 4 + j];
        }
    }
    return r;
}

// Every mesh with its frames' matrices applied, child first.
void collect(const Frame& f, const std::array<double, 16>& parent,
             std::vector<std::pair<const Mesh*, std::array<double, 16>>>& out) {
    const auto world = multiply(f.matrix, parent);
    for (const Mesh& m : f.meshes) out.push_back({&m, world});
    for (const Frame& c : f.children) collect(c, world, out);
}

std::vector<std::pair<const Mesh*, std::array<double, 16>>> placedMeshes(const Frame& root) {
    std::vector<std::pair<const Mesh*, std::array<double, 16>>> out;
    std::array<double, 16> id{};
    id[0] = id[5] = id[10] = id[15] = 1;
    collect(root, id, out);
    return out;
}

int triangles(const Frame& root) {
    int n = 0;
    for (const auto& [mesh, matrix] : placedMeshes(root)) n += static_cast<int>(mesh->faces.size());
    return n;
}

double largestCoordinate(const Frame& root) {
    double largest = 0;
    for (const auto& [mesh, matrix] : placedMeshes(root)) {
        for (const Vec& p : mesh->positions) {
            for (double c : apply(p, matrix)) largest = std::max(largest, std::fabs(c));
        }
    }
    return largest;
}

class GeneratedMeshes : public ::testing::Test {
   protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        std::string error;
        written_ = writeMeshes(dir_->path(), error);
        EXPECT_TRUE(written_) << error;
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(written_); }

    static const fs::path& dir() { return dir_->path(); }

    static Frame read(const std::string& file) {
        try {
            return Reader(readFile(dir() / file)).file();
        } catch (const Failure& f) {
            ADD_FAILURE() << file << ": " << f.what;
            return {};
        }
    }

   private:
    static inline TempDir* dir_ = nullptr;
    static inline bool written_ = false;
};

}  // namespace

// The generator runs at every build; the output must not change between runs
// or the data files would differ from build to build.
TEST_F(GeneratedMeshes, AreTheSameBytesOnEveryRun) {
    TempDir again;
    std::string error;
    ASSERT_TRUE(writeMeshes(again.path(), error)) << error;
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(again.path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, std::set<std::string>(kFiles.begin(), kFiles.end()));
    for (const std::string& file : kFiles) {
        const std::string first = readFile(dir() / file);
        EXPECT_FALSE(first.empty()) << file;
        EXPECT_TRUE(first == readFile(again.path() / file)) << file << " differs between runs";
    }
}

TEST_F(GeneratedMeshes, ReportsAnUnwritableDirectory) {
    std::string error;
    EXPECT_FALSE(writeMeshes(dir() / "missing" / "deeper", error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

// Counts agree with the lists, indices stay inside them, normals are unit
// vectors, one texture coordinate per vertex, one material per face.
TEST_F(GeneratedMeshes, AreWellFormed) {
    for (const std::string& file : kFiles) {
        SCOPED_TRACE(file);
        EXPECT_EQ(readFile(dir() / file).rfind("xof 0303txt 0032\n", 0), 0u);
        const Frame root = read(file);
        const auto meshes = placedMeshes(root);
        ASSERT_FALSE(meshes.empty());
        for (const auto& [m, matrix] : meshes) {
            const int n = static_cast<int>(m->positions.size());
            EXPECT_EQ(m->normals.size(), m->positions.size());
            EXPECT_EQ(m->uv.size(), m->positions.size());
            EXPECT_EQ(m->normalFaces, m->faces);
            EXPECT_EQ(m->faceMaterial.size(), m->faces.size());
            ASSERT_FALSE(m->materials.empty());
            std::set<int> used;
            for (const auto& f : m->faces) {
                for (int i : f) ASSERT_TRUE(i >= 0 && i < n) << "index " << i << " of " << n;
                EXPECT_TRUE(f[0] != f[1] && f[1] != f[2] && f[0] != f[2]);
            }
            for (int i : m->faceMaterial) {
                ASSERT_TRUE(i >= 0 && i < static_cast<int>(m->materials.size()));
                used.insert(i);
            }
            EXPECT_EQ(used.size(), m->materials.size()) << "a material no face uses";
            for (const Vec& normal : m->normals) EXPECT_NEAR(length(normal), 1.0, 1e-5);
        }
    }
}

// Direct3D culls triangles that run counter-clockwise on screen, so every
// face must run clockwise seen from outside, the way its normals point.
// Every mesh is made of closed surfaces: each edge is walked once in each
// direction, and the enclosed volume is positive. A single flipped triangle
// breaks the first, a surface turned inside out the second, normals pointing
// in the third.
TEST_F(GeneratedMeshes, FaceOutwardOnClosedSurfaces) {
    for (const std::string& file : kFiles) {
        SCOPED_TRACE(file);
        const Frame root = read(file);
        for (const auto& [m, matrix] : placedMeshes(root)) {
            std::map<std::pair<Vec, Vec>, int> edges;
            double volume = 0;
            int disagreeing = 0;
            for (const auto& f : m->faces) {
                const Vec& a = m->positions[f[0]];
                const Vec& b = m->positions[f[1]];
                const Vec& c = m->positions[f[2]];
                const Vec n = cross(sub(b, a), sub(c, a));
                ASSERT_GT(length(n), 1e-9) << "a triangle without area";
                for (int k = 0; k < 3; ++k) {
                    if (dot(n, m->normals[f[k]]) <= 0) ++disagreeing;
                    ++edges[{m->positions[f[k]], m->positions[f[(k + 1) % 3]]}];
                }
                volume += dot(a, cross(b, c)) / 6;
            }
            EXPECT_EQ(disagreeing, 0) << "corners whose normal points against the winding";
            int open = 0;
            for (const auto& [edge, count] : edges) {
                const auto back = edges.find({edge.second, edge.first});
                if (back == edges.end() || back->second != count) ++open;
            }
            EXPECT_EQ(open, 0) << "edges without their opposite";
            EXPECT_GT(volume, 0) << "turned inside out";
        }
    }
}

TEST_F(GeneratedMeshes, StayWithinTheirTriangleBudgets) {
    for (const std::string& file : kFiles) {
        SCOPED_TRACE(file);
        const int n = triangles(read(file));
        if (file == "asteroid_new.x") {
            EXPECT_LE(n, 120);  // drawn by the thousand
            EXPECT_GE(n, 40);
        }
        if (isShip(file)) {
            EXPECT_LE(n, 300);
            EXPECT_GE(n, 40);
        }
        EXPECT_LE(n, 1000);
    }
}

// The game scales each model by its own factor, so the models themselves
// come at about unit size.
TEST_F(GeneratedMeshes, ComeAtUnitSize) {
    for (const std::string& file : kFiles) {
        SCOPED_TRACE(file);
        const double size = largestCoordinate(read(file));
        if (isStation(file)) {
            EXPECT_GT(size, 1.2);
            EXPECT_LT(size, 2.0);
        } else {
            EXPECT_GT(size, 0.85);
            EXPECT_LT(size, 1.15);
        }
    }
}

// Ships fly along +y: the nose reaches out to about 1 there, and the glow
// of the engines faces backward from the tail.
TEST_F(GeneratedMeshes, ShipsPointTheirNoseAlongY) {
    for (const std::string& file : kFiles) {
        if (!isShip(file) && file != "Rakete.X") continue;
        SCOPED_TRACE(file);
        double front = -10;
        double exhaustY = 0;
        int exhaustFaces = 0;
        const Frame root = read(file);
        for (const auto& [mesh, matrix] : placedMeshes(root)) {
            for (const Vec& p : mesh->positions) front = std::max(front, apply(p, matrix)[1]);
            for (std::size_t i = 0; i < mesh->faces.size(); ++i) {
                const Material& mat = mesh->materials[mesh->faceMaterial[i]];
                if (mat.emissive[0] + mat.emissive[1] + mat.emissive[2] < 1.0) continue;
                const auto& f = mesh->faces[i];
                const Vec a = apply(mesh->positions[f[0]], matrix), b = apply(mesh->positions[f[1]], matrix),
                          c = apply(mesh->positions[f[2]], matrix);
                const Vec n = cross(sub(b, a), sub(c, a));
                if (n[1] > -0.3 * length(n)) continue;
                exhaustY += (a[1] + b[1] + c[1]) / 3;
                ++exhaustFaces;
            }
        }
        EXPECT_GT(front, 0.9);
        ASSERT_GT(exhaustFaces, 0) << "nothing glows toward the back";
        EXPECT_LT(exhaustY / exhaustFaces, -0.6);
    }
}

// Ships wear the grey-flecked skin on the hull and have something glowing;
// the meshes the scene textures itself (stations, spheres, the asteroid and
// the flickering gate) name none, since a named one would replace it.
TEST_F(GeneratedMeshes, NameOnlyTheirOwnTextures) {
    for (const std::string& file : kFiles) {
        SCOPED_TRACE(file);
        std::set<std::string> textures;
        bool glows = false;
        const Frame root = read(file);
        for (const auto& [mesh, matrix] : placedMeshes(root)) {
            for (const Material& mat : mesh->materials) {
                if (!mat.texture.empty()) textures.insert(mat.texture);
                if (mat.emissive[0] + mat.emissive[1] + mat.emissive[2] > 1.0) glows = true;
            }
        }
        if (isShip(file)) {
            EXPECT_EQ(textures, std::set<std::string>{"grausprenkel.bmp"});
            EXPECT_TRUE(glows) << "no engine glow";
        }
        if (assetFile(file)->sceneTextured) {
            EXPECT_TRUE(textures.empty());
        }
        if (file == "Kugel_newHell.x" || file == "sonne.X") {
            EXPECT_TRUE(glows) << "must show its texture unlit";
        }
    }
}

// The planet, sun and sky texture wraps once round: u follows the longitude,
// v runs from 0 at the top (+y) to 1 at the bottom; radius 1 everywhere.
TEST_F(GeneratedMeshes, SpheresCarryTheirTextureByLongitudeAndLatitude) {
    for (const std::string& file : kFiles) {
        if (!isSphere(file)) continue;
        SCOPED_TRACE(file);
        const Frame root = read(file);
        const auto meshes = placedMeshes(root);
        ASSERT_EQ(meshes.size(), 1u);
        const Mesh& m = *meshes[0].first;
        double topV = 1, bottomV = 0;
        for (std::size_t i = 0; i < m.positions.size(); ++i) {
            const Vec& p = m.positions[i];
            EXPECT_NEAR(length(p), 1.0, 1e-5);
            EXPECT_NEAR(m.uv[i][1], std::acos(std::clamp(p[1], -1.0, 1.0)) / std::numbers::pi, 1e-5);
            if (std::fabs(p[1]) > 0.999) continue;
            double longitude = std::atan2(p[2], p[0]) / (2 * std::numbers::pi);
            if (longitude < 0) longitude += 1;
            const double u = m.uv[i][0];
            EXPECT_TRUE(std::fabs(u - longitude) < 1e-5 || std::fabs(u - longitude - 1) < 1e-5 ||
                        std::fabs(u - longitude + 1) < 1e-5)
                << "u " << u << " at longitude " << longitude;
            if (p[1] > 0.9) topV = std::min(topV, m.uv[i][1]);
            if (p[1] < -0.9) bottomV = std::max(bottomV, m.uv[i][1]);
        }
        EXPECT_LT(topV, 0.2);
        EXPECT_GT(bottomV, 0.8);
    }
}

// The game turns the gate's y axis onto the approach axis and flattens it
// there, so the ring must lie in the x-z plane round y, outer radius 1.
TEST_F(GeneratedMeshes, GateIsARingRoundY) {
    const Frame root = read("Tor.x");
    double outer = 0, inner = 10, height = 0;
    for (const auto& [mesh, matrix] : placedMeshes(root)) {
        for (const Vec& p : mesh->positions) {
            const Vec q = apply(p, matrix);
            const double r = std::hypot(q[0], q[2]);
            outer = std::max(outer, r);
            inner = std::min(inner, r);
            height = std::max(height, std::fabs(q[1]));
        }
    }
    EXPECT_NEAR(outer, 1.0, 1e-3);
    EXPECT_GT(inner, 0.4);  // a ring, open in the middle
    EXPECT_LT(height, outer - inner);
}

// The game's own reader takes every file and finds the same tree: frames
// with their names and matrices, meshes with their triangles and materials.
TEST_F(GeneratedMeshes, ReadBackByTheGamesReader) {
    std::function<void(const xfile::XFrame&, const meshgen::Frame&)> compare =
        [&](const xfile::XFrame& got, const meshgen::Frame& want) {
            SCOPED_TRACE(want.name);
            EXPECT_EQ(got.name, want.name);
            for (int i = 0; i < 16; ++i) {
                EXPECT_NEAR((&got.transform._11)[i], want.matrix[i], 1e-5) << "matrix element " << i;
            }
            ASSERT_EQ(got.meshes.size(), want.meshes.size());
            for (std::size_t k = 0; k < want.meshes.size(); ++k) {
                const xfile::XMesh& gm = got.meshes[k];
                const meshgen::Mesh& wm = want.meshes[k];
                EXPECT_EQ(gm.indices.size(), wm.faces.size() * 3);
                ASSERT_EQ(gm.materials.size(), wm.materials.size());
                for (std::size_t i = 0; i < wm.materials.size(); ++i) {
                    EXPECT_EQ(gm.materials[i].textureFile, wm.materials[i].texture);
                    EXPECT_NEAR(gm.materials[i].material.emissive.r, wm.materials[i].emissive[0], 1e-5);
                }
                EXPECT_EQ(std::vector<int>(gm.triangleMaterial.begin(), gm.triangleMaterial.end()),
                          wm.faceMaterial);
            }
            ASSERT_EQ(got.children.size(), want.children.size());
            for (std::size_t k = 0; k < want.children.size(); ++k) compare(got.children[k], want.children[k]);
        };

    int nested = 0;
    for (const meshgen::MeshFile& file : meshgen::meshFiles()) {
        SCOPED_TRACE(file.name);
        std::string error;
        const auto root = xfile::parseXFile(readFile(dir() / file.name), error);
        ASSERT_TRUE(root) << error;
        ASSERT_EQ(root->children.size(), 1u);
        EXPECT_TRUE(root->meshes.empty());
        compare(root->children[0], file.root);
        for (const auto& child : file.root.children) nested += child.children.empty() ? 0 : 1;
    }
    EXPECT_GT(nested, 0) << "no frame two deep below a root to read";
}
