#include "assetgen/mesh_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <set>

namespace meshgen {

V3 normalized(V3 a) {
    const double length = std::sqrt(dot(a, a));
    return length > 0 ? a * (1.0 / length) : a;
}

Material surface(const std::string& name, double r, double g, double b, double shine) {
    Material m;
    m.name = name;
    m.diffuse = {r, g, b, 1};
    m.power = 5 + 40 * shine;
    m.specular = {shine, shine, shine};
    return m;
}

Material glowing(const std::string& name, double r, double g, double b) {
    Material m;
    m.name = name;
    m.diffuse = {r, g, b, 1};
    m.emissive = {r, g, b};
    return m;
}

Matrix identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix translation(V3 t) { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, t.x, t.y, t.z, 1}; }

Matrix turnY(double angle, V3 t) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, t.x, t.y, t.z, 1};
}

Matrix turnZ(double angle, V3 t) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, t.x, t.y, t.z, 1};
}

V3 transformPoint(V3 p, const Matrix& m) {
    return {p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12], p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
            p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
}

// ---- Writing ---------------------------------------------------------------

namespace {

// Six decimals, never "-0.000000", and a point whatever the locale says.
void number(std::string& out, double value) {
    double rounded = std::round(value * 1e6) / 1e6;
    if (rounded == 0) rounded = 0;
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", rounded);
    for (char* c = text; *c; ++c) {
        if (*c == ',') *c = '.';
    }
    out += text;
}

class Writer {
   public:
    std::string out;

    void frame(const Frame& f, int depth) {
        const std::string pad(depth * 2, ' ');
        out += pad + "Frame " + unique(f.name) + " {\n";
        out += pad + "  FrameTransformMatrix {\n";
        for (int row = 0; row < 4; ++row) {
            out += pad + "    ";
            for (int col = 0; col < 4; ++col) {
                number(out, f.matrix[row * 4 + col]);
                out += row == 3 && col == 3 ? ";;\n" : ",";
            }
            if (row < 3) out += "\n";
        }
        out += pad + "  }\n";
        for (const Mesh& m : f.meshes) mesh(m, depth + 1);
        for (const Frame& child : f.children) frame(child, depth + 1);
        out += pad + "}\n";
    }

   private:
    std::set<std::string> names_;

    // .X names are global to the file; a repeated one gets a number.
    std::string unique(const std::string& name) {
        std::string candidate = name;
        for (int n = 2; names_.count(candidate); ++n) candidate = name + "_" + std::to_string(n);
        names_.insert(candidate);
        return candidate;
    }

    static const char* separator(std::size_t i, std::size_t count) { return i + 1 < count ? ",\n" : ";\n"; }

    void faces(const Mesh& m, const std::string& pad) {
        out += pad + std::to_string(m.faces.size()) + ";\n";
        for (std::size_t i = 0; i < m.faces.size(); ++i) {
            const auto& f = m.faces[i];
            out += pad + "3;" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," +
                   std::to_string(f[2]) + ";" + separator(i, m.faces.size());
        }
    }

    void vectors(const Mesh& m, const std::string& pad, bool normals) {
        out += pad + std::to_string(m.vertices.size()) + ";\n";
        for (std::size_t i = 0; i < m.vertices.size(); ++i) {
            const V3 p = normals ? m.vertices[i].normal : m.vertices[i].pos;
            out += pad;
            number(out, p.x);
            out += ";";
            number(out, p.y);
            out += ";";
            number(out, p.z);
            out += ";";
            out += separator(i, m.vertices.size());
        }
    }

    void colour(const double* c, int n, const std::string& pad) {
        out += pad;
        for (int i = 0; i < n; ++i) {
            number(out, c[i]);
            out += ";";
        }
        out += ";\n";
    }

    void mesh(const Mesh& m, int depth) {
        const std::string pad(depth * 2, ' ');
        const std::string in = pad + "  ", in2 = in + "  ";
        out += pad + "Mesh " + unique(m.name) + " {\n";
        vectors(m, in, false);
        faces(m, in);

        out += in + "MeshNormals {\n";
        vectors(m, in2, true);
        faces(m, in2);
        out += in + "}\n";

        out += in + "MeshTextureCoords {\n";
        out += in2 + std::to_string(m.vertices.size()) + ";\n";
        for (std::size_t i = 0; i < m.vertices.size(); ++i) {
            out += in2;
            number(out, m.vertices[i].u);
            out += ";";
            number(out, m.vertices[i].v);
            out += ";";
            out += separator(i, m.vertices.size());
        }
        out += in + "}\n";

        out += in + "MeshMaterialList {\n";
        out += in2 + std::to_string(m.materials.size()) + ";\n";
        out += in2 + std::to_string(m.faceMaterial.size()) + ";\n";
        for (std::size_t i = 0; i < m.faceMaterial.size(); ++i) {
            out += in2 + std::to_string(m.faceMaterial[i]);
            out += i + 1 < m.faceMaterial.size() ? ",\n" : ";;\n";
        }
        const std::string in3 = in2 + "  ";
        for (const Material& mat : m.materials) {
            out += in2 + "Material " + unique(m.name + "_" + mat.name) + " {\n";
            colour(mat.diffuse.data(), 4, in3);
            out += in3;
            number(out, mat.power);
            out += ";\n";
            colour(mat.specular.data(), 3, in3);
            colour(mat.emissive.data(), 3, in3);
            if (!mat.texture.empty()) {
                out += in3 + "TextureFilename {\n" + in3 + "  \"" + mat.texture + "\";\n" + in3 + "}\n";
            }
            out += in2 + "}\n";
        }
        out += in + "}\n";
        out += pad + "}\n";
    }
};

}  // namespace

std::string xFileText(const Frame& root) {
    Writer w;
    w.out = "xof 0303txt 0032\n\n";
    w.frame(root, 0);
    return w.out;
}

// ---- Solids ----------------------------------------------------------------

void addSolid(Mesh& mesh, const Solid& solid, double uvScale) {
    double volume = 0;
    for (const Tri& t : solid) volume += dot(t.a, cross(t.b, t.c));
    const bool flip = volume < 0;
    // Corners that agree in position, normal and texture coordinate (flat
    // neighbours on one plane) share a vertex.
    std::map<std::array<long long, 8>, int> shared;
    auto key = [](const Vertex& v) {
        auto q = [](double x) { return std::llround(x * 1e6); };
        return std::array<long long, 8>{q(v.pos.x),    q(v.pos.y),    q(v.pos.z), q(v.normal.x),
                                        q(v.normal.y), q(v.normal.z), q(v.u),     q(v.v)};
    };
    for (const Tri& t : solid) {
        const V3 a = t.a, b = flip ? t.c : t.b, c = flip ? t.b : t.c;
        const V3 n = normalized(cross(b - a, c - a));
        std::array<int, 3> face{};
        int corner = 0;
        for (const V3& p : {a, b, c}) {
            Vertex v;
            v.pos = p;
            v.normal = n;
            const double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
            double s = p.x, r = p.z;
            if (ax >= ay && ax >= az) s = p.y;
            if (az > ax && az > ay) r = p.y;
            v.u = 0.5 + s * uvScale;
            v.v = 0.5 - r * uvScale;
            const auto [it, added] = shared.emplace(key(v), static_cast<int>(mesh.vertices.size()));
            if (added) mesh.vertices.push_back(v);
            face[corner++] = it->second;
        }
        mesh.faces.push_back(face);
        mesh.faceMaterial.push_back(t.material);
    }
}

void dropUnusedMaterials(Frame& frame) {
    for (Mesh& m : frame.meshes) {
        std::vector<int> renumbered(m.materials.size(), -1);
        std::vector<Material> used;
        for (std::size_t i = 0; i < m.materials.size(); ++i) {
            if (std::find(m.faceMaterial.begin(), m.faceMaterial.end(), static_cast<int>(i)) ==
                m.faceMaterial.end()) {
                continue;
            }
            renumbered[i] = static_cast<int>(used.size());
            used.push_back(m.materials[i]);
        }
        for (int& index : m.faceMaterial) index = renumbered[index];
        m.materials = std::move(used);
    }
    for (Frame& child : frame.children) dropUnusedMaterials(child);
}

Solid loft(const std::vector<std::vector<V3>>& rings, const std::vector<int>& materials) {
    auto material = [&](std::size_t i) { return materials.size() == 1 ? materials[0] : materials[i]; };
    Solid s;
    const std::vector<V3>& first = rings.front();
    for (std::size_t j = 1; j + 1 < first.size(); ++j)
        s.push_back({first[0], first[j + 1], first[j], material(0)});
    for (std::size_t i = 0; i + 1 < rings.size(); ++i) {
        const std::vector<V3>& p = rings[i];
        const std::vector<V3>& q = rings[i + 1];
        const int m = material(i + 1);
        const std::size_t n = std::max(p.size(), q.size());
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t k = (j + 1) % n;
            if (p.size() == 1) {
                s.push_back({p[0], q[k], q[j], m});
            } else if (q.size() == 1) {
                s.push_back({p[j], p[k], q[0], m});
            } else {
                s.push_back({p[j], p[k], q[k], m});
                s.push_back({p[j], q[k], q[j], m});
            }
        }
    }
    const std::vector<V3>& last = rings.back();
    for (std::size_t j = 1; j + 1 < last.size(); ++j) {
        s.push_back({last[0], last[j], last[j + 1], material(rings.size())});
    }
    return s;
}

Solid loop(const std::vector<std::vector<V3>>& rings, int material) {
    Solid s;
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const std::vector<V3>& p = rings[i];
        const std::vector<V3>& q = rings[(i + 1) % rings.size()];
        for (std::size_t j = 0; j < p.size(); ++j) {
            const std::size_t k = (j + 1) % p.size();
            s.push_back({p[j], p[k], q[k], material});
            s.push_back({p[j], q[k], q[j], material});
        }
    }
    return s;
}

std::vector<V3> ellipse(V3 center, V3 u, V3 v, double ru, double rv, int n, double phase) {
    std::vector<V3> ring;
    for (int i = 0; i < n; ++i) {
        const double a = phase + 2 * std::numbers::pi * i / n;
        ring.push_back(center + u * (ru * std::cos(a)) + v * (rv * std::sin(a)));
    }
    return ring;
}

std::vector<V3> ringY(double y, double rx, double rz, int n, double phase, double cx, double cz) {
    return ellipse({cx, y, cz}, {1, 0, 0}, {0, 0, 1}, rx, rz, n, phase);
}

std::vector<V3> outlineY(double y, const std::vector<std::array<double, 2>>& xz, double sx, double sz,
                         double cx, double cz) {
    std::vector<V3> ring;
    for (const auto& p : xz) ring.push_back({cx + p[0] * sx, y, cz + p[1] * sz});
    return ring;
}

Solid box(V3 lo, V3 hi, int material) {
    const std::vector<std::array<double, 2>> square = {
        {lo.x, lo.z}, {hi.x, lo.z}, {hi.x, hi.z}, {lo.x, hi.z}};
    return loft({outlineY(lo.y, square), outlineY(hi.y, square)}, {material});
}

Solid cylinder(V3 from, V3 to, double radius, int n, int material, int capMaterial) {
    const V3 d = normalized(to - from);
    const V3 u = normalized(cross(d, std::fabs(d.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0}));
    const V3 v = cross(d, u);
    const int cap = capMaterial < 0 ? material : capMaterial;
    return loft({ellipse(from, u, v, radius, radius, n), ellipse(to, u, v, radius, radius, n)},
                {cap, material, cap});
}

Solid mirroredX(const Solid& solid) {
    Solid s = solid;
    for (Tri& t : s) {
        t.a.x = -t.a.x;
        t.b.x = -t.b.x;
        t.c.x = -t.c.x;
    }
    return s;
}

Solid transformed(const Solid& solid, const Matrix& m) {
    Solid s = solid;
    for (Tri& t : s) {
        t.a = transformPoint(t.a, m);
        t.b = transformPoint(t.b, m);
        t.c = transformPoint(t.c, m);
    }
    return s;
}

}  // namespace meshgen
