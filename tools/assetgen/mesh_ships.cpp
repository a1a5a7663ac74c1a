// The twelve ship types and the missile. Each ship is one body mesh (hull,
// trim, cockpit glass, sometimes a fourth material) and its engines as child
// frames placed by translation, each engine a casing with a glowing nozzle.

#include <numbers>
#include <string>

#include "assetgen/mesh_model.h"

namespace meshgen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr const char* kSkin = "grausprenkel.bmp";

using RGB = std::array<double, 3>;

// Material slots of a ship's body mesh.
enum Slot { kHull = 0, kTrim = 1, kGlass = 2, kExtra = 3 };

struct Colours {
    RGB hull, trim, glass, glow;
};

Mesh body(const std::string& name, const Colours& c) {
    Mesh m;
    m.name = name + "_Rumpf";
    Material hull = surface("Rumpf", c.hull[0], c.hull[1], c.hull[2], 0.3);
    hull.texture = kSkin;
    Material glass = surface("Cockpit", c.glass[0], c.glass[1], c.glass[2], 0.9);
    glass.emissive = {c.glass[0] * 0.3, c.glass[1] * 0.3, c.glass[2] * 0.3};
    m.materials = {hull, surface("Verkleidung", c.trim[0], c.trim[1], c.trim[2], 0.4), glass};
    return m;
}

// An engine centred on its frame's origin, nozzle toward -y. Two bands give
// a bulged casing, one a plain cone.
Frame engine(const std::string& name, V3 at, double radius, double length, const Colours& c, int bands = 2,
             int sides = 6) {
    Mesh m;
    m.name = name + "_Duese";
    m.materials = {surface("Gehaeuse", c.trim[0] * 0.8, c.trim[1] * 0.8, c.trim[2] * 0.8, 0.5),
                   glowing("Glut", c.glow[0], c.glow[1], c.glow[2])};
    const double h = length / 2;
    if (bands == 2) {
        addSolid(m, loft({ringY(h, radius * 0.7, radius * 0.7, sides), ringY(h / 3, radius, radius, sides),
                          ringY(-h, radius * 0.85, radius * 0.85, sides)},
                         {0, 0, 0, 1}));
    } else {
        addSolid(m, loft({ringY(h, radius * 0.8, radius * 0.8, sides), ringY(-h, radius, radius, sides)},
                         {0, 0, 1}));
    }
    Frame f;
    f.name = name;
    f.matrix = translation(at);
    f.meshes.push_back(std::move(m));
    return f;
}

// A wing section across the span at x: leading and trailing edge, height
// and half thickness; the thickest point lies forward of the middle.
struct WingSection {
    double x, lead, trail, z, t;
};

Solid wing(WingSection root, WingSection tip, int material) {
    auto ring = [](const WingSection& s) {
        const double mid = s.lead * 0.6 + s.trail * 0.4;
        return std::vector<V3>{
            {s.x, s.lead, s.z}, {s.x, mid, s.z + s.t}, {s.x, s.trail, s.z}, {s.x, mid, s.z - s.t}};
    };
    return loft({ring(root), ring(tip)}, {material});
}

// A fin section at height z, its half thickness t across x.
struct FinSection {
    double z, lead, trail, t;
};

Solid fin(FinSection base, FinSection top, int material) {
    auto ring = [](const FinSection& s) {
        const double mid = s.lead * 0.6 + s.trail * 0.4;
        return std::vector<V3>{{0, s.lead, s.z}, {s.t, mid, s.z}, {0, s.trail, s.z}, {-s.t, mid, s.z}};
    };
    return loft({ring(base), ring(top)}, {material});
}

// A canopy between two tips, widest at mid.
Solid canopy(V3 front, double mid, double rx, double rz, double cz, V3 back, int sides = 4) {
    return loft({{front}, ringY(mid, rx, rz, sides, 0, 0, cz), {back}}, {kGlass});
}

void addMirrored(Mesh& m, const Solid& s) {
    addSolid(m, s);
    addSolid(m, mirroredX(s));
}

Frame root(int typ) {
    Frame f;
    f.name = "Raumschiff" + std::to_string(typ);
    return f;
}

// 1: slow freighter. A bridge on a long spine that carries cargo containers.
Frame freighter() {
    const Colours c{{0.78, 0.64, 0.42}, {0.38, 0.38, 0.4}, {0.35, 0.65, 0.9}, {1.0, 0.7, 0.3}};
    Frame f = root(1);
    Mesh m = body("Raumschiff1", c);
    m.materials.push_back(surface("Container", 0.72, 0.28, 0.16));
    m.materials.push_back(surface("Container2", 0.22, 0.42, 0.62));
    addSolid(m,
             loft({ringY(0.45, 0.2, 0.16, 6), ringY(0.8, 0.2, 0.16, 6), ringY(1.0, 0.1, 0.07, 6)}, {kHull}));
    addSolid(m, box({-0.1, 0.72, 0.1}, {0.1, 0.86, 0.17}, kGlass));
    addSolid(m, box({-0.07, -0.8, -0.07}, {0.07, 0.46, 0.07}, kTrim));
    addMirrored(m, box({0.08, -0.62, -0.12}, {0.32, -0.14, 0.12}, kExtra));
    addMirrored(m, box({0.08, -0.08, -0.12}, {0.32, 0.4, 0.12}, kExtra + 1));
    addSolid(m, box({-0.22, -0.92, -0.12}, {0.22, -0.7, 0.12}, kHull));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk1", {-0.12, -0.98, 0}, 0.09, 0.14, c));
    f.children.push_back(engine("Triebwerk2", {0.12, -0.98, 0}, 0.09, 0.14, c));
    return f;
}

// 2: bulky transport. A fat, blunt hull with four engines on a tail frame.
Frame transport() {
    const Colours c{{0.56, 0.62, 0.5}, {0.3, 0.32, 0.3}, {0.35, 0.65, 0.9}, {0.6, 0.8, 1.0}};
    Frame f = root(2);
    Mesh m = body("Raumschiff2", c);
    const double p = kPi / 8;
    addSolid(m,
             loft({ringY(1.0, 0.26, 0.16, 8, p), ringY(0.82, 0.5, 0.33, 8, p), ringY(0.3, 0.62, 0.42, 8, p),
                   ringY(-0.72, 0.62, 0.42, 8, p), ringY(-0.88, 0.52, 0.35, 8, p)},
                  {kHull}));
    addSolid(m, box({-0.2, 0.84, 0.12}, {0.2, 0.96, 0.25}, kGlass));
    addSolid(m, box({-0.15, -0.6, 0.36}, {0.15, 0.4, 0.45}, kTrim));
    f.meshes.push_back(std::move(m));
    Frame tail;
    tail.name = "Heck";
    tail.matrix = translation({0, -0.93, 0});
    tail.children.push_back(engine("Triebwerk1", {-0.3, 0, -0.17}, 0.13, 0.18, c, 1));
    tail.children.push_back(engine("Triebwerk2", {0.3, 0, -0.17}, 0.13, 0.18, c, 1));
    tail.children.push_back(engine("Triebwerk3", {-0.3, 0, 0.17}, 0.13, 0.18, c, 1));
    tail.children.push_back(engine("Triebwerk4", {0.3, 0, 0.17}, 0.13, 0.18, c, 1));
    f.children.push_back(std::move(tail));
    return f;
}

// 3: small courier. Slender, swept wings, a bubble canopy and one engine.
Frame courier() {
    const Colours c{{0.86, 0.88, 0.92}, {0.2, 0.35, 0.72}, {0.2, 0.5, 0.9}, {0.5, 0.8, 1.0}};
    Frame f = root(3);
    Mesh m = body("Raumschiff3", c);
    addSolid(
        m,
        loft({{{0, 1.0, 0}}, ringY(0.6, 0.1, 0.08, 6), ringY(0.0, 0.13, 0.1, 6), ringY(-0.75, 0.1, 0.08, 6)},
             {kHull, kHull, kHull, kHull, kTrim}));
    addSolid(m, canopy({0, 0.62, 0.06}, 0.4, 0.06, 0.05, 0.08, {0, 0.12, 0.07}, 6));
    addMirrored(m, wing({0.1, 0.05, -0.45, -0.02, 0.025}, {0.55, -0.35, -0.55, -0.05, 0.008}, kTrim));
    addSolid(m, fin({0.06, -0.35, -0.72, 0.02}, {0.32, -0.62, -0.78, 0.006}, kTrim));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk", {0, -0.82, 0}, 0.085, 0.15, c));
    return f;
}

// 4: pirate fighter. A flat arrowhead with barbed delta wings and two
// canted tail fins.
Frame pirateFighter() {
    const Colours c{{0.5, 0.13, 0.1}, {0.12, 0.12, 0.14}, {0.85, 0.25, 0.1}, {1.0, 0.45, 0.1}};
    Frame f = root(4);
    Mesh m = body("Raumschiff4", c);
    addSolid(m, loft({{{0, 1.0, 0}}, ringY(0.35, 0.13, 0.08, 6), ringY(-0.7, 0.11, 0.07, 6)},
                     {kHull, kHull, kHull, kTrim}));
    addMirrored(m, wing({0.08, 0.35, -0.6, 0, 0.04}, {0.7, -0.55, -0.88, -0.02, 0.008}, kHull));
    addSolid(m, canopy({0, 0.6, 0.04}, 0.32, 0.05, 0.04, 0.07, {0, 0.05, 0.06}));
    const Solid tailFin = fin({0.04, -0.35, -0.7, 0.015}, {0.28, -0.66, -0.8, 0.005}, kTrim);
    addSolid(m, transformed(tailFin, turnY(0.4, {0.08, 0, 0})));
    addSolid(m, transformed(tailFin, turnY(-0.4, {-0.08, 0, 0})));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk1", {-0.06, -0.76, 0}, 0.055, 0.12, c));
    f.children.push_back(engine("Triebwerk2", {0.06, -0.76, 0}, 0.055, 0.12, c));
    return f;
}

// 5: big tanker. Three long tanks stacked round a spine, the bridge ahead.
Frame tanker() {
    const Colours c{{0.86, 0.52, 0.22}, {0.5, 0.5, 0.52}, {0.35, 0.65, 0.9}, {1.0, 0.7, 0.3}};
    Frame f = root(5);
    Mesh m = body("Raumschiff5", c);
    for (const V3 at : {V3{-0.2, 0, -0.1}, V3{0.2, 0, -0.1}, V3{0, 0, 0.22}}) {
        addSolid(m, loft({{{at.x, 0.76, at.z}},
                          ringY(0.62, 0.2, 0.2, 8, 0, at.x, at.z),
                          ringY(-0.56, 0.2, 0.2, 8, 0, at.x, at.z),
                          {{at.x, -0.68, at.z}}},
                         {kHull}));
    }
    addSolid(m, box({-0.06, -0.8, -0.02}, {0.06, 0.84, 0.1}, kTrim));
    addSolid(m, box({-0.15, 0.8, -0.06}, {0.15, 0.98, 0.16}, kTrim));
    addSolid(m, box({-0.12, 0.9, 0.16}, {0.12, 1.0, 0.23}, kGlass));
    addSolid(m, box({-0.3, -0.92, -0.2}, {0.3, -0.72, 0.3}, kTrim));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk1", {-0.15, -1.0, 0.05}, 0.1, 0.16, c, 1));
    f.children.push_back(engine("Triebwerk2", {0.15, -1.0, 0.05}, 0.1, 0.16, c, 1));
    return f;
}

// 6: heavy pirate gunship. A wide wedge on stubby wings with weapon pods,
// their barrels as child frames.
Frame gunship() {
    const Colours c{{0.22, 0.22, 0.24}, {0.58, 0.1, 0.08}, {0.9, 0.3, 0.1}, {1.0, 0.35, 0.1}};
    Frame f = root(6);
    Mesh m = body("Raumschiff6", c);
    addSolid(m, loft({ringY(0.95, 0.18, 0.08, 6), ringY(0.45, 0.3, 0.16, 6), ringY(-0.6, 0.34, 0.2, 6),
                      ringY(-0.8, 0.3, 0.17, 6)},
                     {kTrim, kHull, kHull, kHull, kHull}));
    addMirrored(m, wing({0.28, 0.1, -0.45, 0, 0.05}, {0.74, -0.05, -0.4, 0, 0.04}, kHull));
    addMirrored(m, cylinder({0.78, 0.35, 0}, {0.78, -0.45, 0}, 0.07, 6, kTrim));
    addSolid(m, canopy({0, 0.72, 0.1}, 0.5, 0.08, 0.05, 0.15, {0, 0.26, 0.15}));
    f.meshes.push_back(std::move(m));
    for (const double side : {-1.0, 1.0}) {
        Mesh barrel;
        barrel.name = side < 0 ? "GeschuetzLinks_Lauf" : "GeschuetzRechts_Lauf";
        barrel.materials = {surface("Lauf", 0.15, 0.15, 0.16, 0.6)};
        addSolid(barrel, cylinder({0, 0, 0}, {0, 0.32, 0}, 0.025, 4, 0));
        Frame gun;
        gun.name = side < 0 ? "GeschuetzLinks" : "GeschuetzRechts";
        gun.matrix = translation({0.78 * side, 0.35, 0});
        gun.meshes.push_back(std::move(barrel));
        f.children.push_back(std::move(gun));
    }
    f.children.push_back(engine("Triebwerk1", {-0.16, -0.88, 0}, 0.1, 0.16, c));
    f.children.push_back(engine("Triebwerk2", {0.16, -0.88, 0}, 0.1, 0.16, c));
    return f;
}

// 7: station guard. A thick octagonal hull under white armour plates,
// two big engines.
Frame guard() {
    const Colours c{{0.25, 0.36, 0.68}, {0.86, 0.86, 0.9}, {0.4, 0.8, 1.0}, {0.6, 0.8, 1.0}};
    Frame f = root(7);
    Mesh m = body("Raumschiff7", c);
    const double p = kPi / 8;
    addSolid(m, loft({ringY(0.95, 0.2, 0.14, 8, p), ringY(0.65, 0.38, 0.26, 8, p),
                      ringY(-0.7, 0.42, 0.28, 8, p), ringY(-0.9, 0.36, 0.24, 8, p)},
                     {kHull}));
    addMirrored(m, box({0.36, -0.55, -0.14}, {0.5, 0.45, 0.14}, kTrim));
    addSolid(m, box({-0.22, -0.5, 0.22}, {0.22, 0.3, 0.32}, kTrim));
    addSolid(m, box({-0.16, 0.66, 0.18}, {0.16, 0.8, 0.26}, kGlass));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk1", {-0.2, -0.98, 0}, 0.14, 0.2, c));
    f.children.push_back(engine("Triebwerk2", {0.2, -0.98, 0}, 0.14, 0.2, c));
    return f;
}

// 8: small pirate interceptor. Narrow, forward-swept wings, one big engine.
Frame interceptor() {
    const Colours c{{0.32, 0.16, 0.38}, {0.1, 0.1, 0.11}, {0.9, 0.6, 0.1}, {1.0, 0.3, 0.6}};
    Frame f = root(8);
    Mesh m = body("Raumschiff8", c);
    addSolid(m, loft({{{0, 1.0, 0}},
                      ringY(0.5, 0.08, 0.07, 6),
                      ringY(-0.5, 0.11, 0.09, 6),
                      ringY(-0.75, 0.13, 0.1, 6)},
                     {kHull, kHull, kHull, kHull, kTrim}));
    addMirrored(m, wing({0.09, -0.3, -0.65, 0, 0.03}, {0.62, 0.08, -0.1, 0.03, 0.008}, kHull));
    addSolid(m, canopy({0, 0.6, 0.05}, 0.35, 0.045, 0.04, 0.07, {0, 0.1, 0.07}));
    addSolid(m, fin({-0.06, -0.4, -0.7, 0.015}, {-0.26, -0.62, -0.76, 0.005}, kTrim));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk", {0, -0.86, 0}, 0.13, 0.2, c, 2, 8));
    return f;
}

// 9: large pirate cruiser. A long dagger hull with flank sponsons, a command
// tower and three engines on a tail frame.
Frame cruiser() {
    const Colours c{{0.32, 0.3, 0.32}, {0.6, 0.12, 0.1}, {0.9, 0.3, 0.2}, {1.0, 0.45, 0.2}};
    Frame f = root(9);
    Mesh m = body("Raumschiff9", c);
    const std::vector<std::array<double, 2>> hex = {{1, 0},  {0.45, 0.6},   {-0.45, 0.6},
                                                    {-1, 0}, {-0.45, -0.5}, {0.45, -0.5}};
    addSolid(m, loft({{{0, 1.0, 0}},
                      outlineY(0.4, hex, 0.18, 0.2),
                      outlineY(-0.5, hex, 0.3, 0.27),
                      outlineY(-0.9, hex, 0.28, 0.25)},
                     {kHull}));
    addMirrored(m, loft({{{0.34, 0.35, -0.02}},
                         ringY(0.2, 0.08, 0.08, 6, 0, 0.34, -0.02),
                         ringY(-0.8, 0.08, 0.08, 6, 0, 0.34, -0.02)},
                        {kTrim}));
    addSolid(m, box({-0.08, -0.58, 0.12}, {0.08, -0.25, 0.32}, kTrim));
    addSolid(m, box({-0.07, -0.29, 0.22}, {0.07, -0.22, 0.29}, kGlass));
    addSolid(m, fin({0.1, -0.6, -0.9, 0.02}, {0.42, -0.84, -0.96, 0.006}, kHull));
    f.meshes.push_back(std::move(m));
    Frame tail;
    tail.name = "Antrieb";
    tail.matrix = translation({0, -0.9, 0});
    tail.children.push_back(engine("Triebwerk1", {0, -0.07, 0}, 0.12, 0.16, c, 1));
    tail.children.push_back(engine("Triebwerk2", {-0.34, 0.02, -0.02}, 0.08, 0.14, c, 1));
    tail.children.push_back(engine("Triebwerk3", {0.34, 0.02, -0.02}, 0.08, 0.14, c, 1));
    f.children.push_back(std::move(tail));
    return f;
}

// 10: tiny, fast pirate dart. A needle with three small fins.
Frame dart() {
    const Colours c{{0.88, 0.72, 0.1}, {0.08, 0.08, 0.08}, {0.3, 0.3, 0.4}, {1.0, 0.8, 0.3}};
    Frame f = root(10);
    Mesh m = body("Raumschiff10", c);
    addSolid(m, loft({{{0, 1.0, 0}}, ringY(0.3, 0.06, 0.06, 6), ringY(-0.7, 0.07, 0.07, 6)},
                     {kHull, kTrim, kHull, kTrim}));
    addSolid(m, canopy({0, 0.45, 0.04}, 0.3, 0.03, 0.025, 0.055, {0, 0.15, 0.05}));
    const Solid tailFin = fin({0.04, -0.45, -0.75, 0.012}, {0.24, -0.68, -0.8, 0.004}, kTrim);
    for (const double angle : {0.0, 2 * kPi / 3, 4 * kPi / 3})
        addSolid(m, transformed(tailFin, turnY(angle, {})));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk", {0, -0.78, 0}, 0.06, 0.1, c));
    return f;
}

// 11: passenger liner. A long smooth hull with a band of lit windows on
// each side and a tall tail fin.
Frame liner() {
    const Colours c{{0.92, 0.92, 0.95}, {0.2, 0.3, 0.62}, {0.3, 0.6, 0.9}, {0.6, 0.8, 1.0}};
    Frame f = root(11);
    Mesh m = body("Raumschiff11", c);
    m.materials.push_back(glowing("Fenster", 1.0, 0.9, 0.55));
    const double p = kPi / 8;
    addSolid(m,
             loft({ringY(1.0, 0.06, 0.05, 8, p), ringY(0.9, 0.18, 0.15, 8, p), ringY(0.7, 0.26, 0.22, 8, p),
                   ringY(-0.6, 0.26, 0.22, 8, p), ringY(-0.8, 0.2, 0.17, 8, p)},
                  {kHull}));
    addMirrored(m, box({0.235, -0.5, 0.02}, {0.26, 0.6, 0.07}, kExtra));
    addSolid(m, box({-0.1, 0.82, 0.1}, {0.1, 0.92, 0.17}, kGlass));
    addSolid(m, fin({0.18, -0.35, -0.75, 0.025}, {0.45, -0.62, -0.8, 0.008}, kTrim));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk1", {-0.12, -0.88, 0}, 0.09, 0.16, c));
    f.children.push_back(engine("Triebwerk2", {0.12, -0.88, 0}, 0.09, 0.16, c));
    return f;
}

// 12: station shuttle. A short, boxy cabin on landing skids.
Frame shuttle() {
    const Colours c{{0.8, 0.8, 0.78}, {0.9, 0.5, 0.1}, {0.35, 0.65, 0.9}, {0.6, 0.8, 1.0}};
    Frame f = root(12);
    Mesh m = body("Raumschiff12", c);
    const double p = kPi / 8;
    addSolid(m, loft({ringY(0.95, 0.4, 0.3, 8, p), ringY(0.75, 0.55, 0.45, 8, p),
                      ringY(-0.7, 0.55, 0.45, 8, p), ringY(-0.85, 0.48, 0.4, 8, p)},
                     {kHull}));
    addSolid(m, box({-0.34, 0.85, 0.04}, {0.34, 0.98, 0.22}, kGlass));
    addMirrored(m, box({0.49, -0.6, -0.05}, {0.53, 0.5, 0.05}, kTrim));
    addMirrored(m, box({0.24, -0.6, -0.5}, {0.34, 0.5, -0.42}, kTrim));
    f.meshes.push_back(std::move(m));
    f.children.push_back(engine("Triebwerk1", {-0.25, -0.91, 0}, 0.1, 0.12, c, 1));
    f.children.push_back(engine("Triebwerk2", {0.25, -0.91, 0}, 0.1, 0.12, c, 1));
    return f;
}

}  // namespace

Frame shipModel(int typ) {
    switch (typ) {
        case 1:
            return freighter();
        case 2:
            return transport();
        case 3:
            return courier();
        case 4:
            return pirateFighter();
        case 5:
            return tanker();
        case 6:
            return gunship();
        case 7:
            return guard();
        case 8:
            return interceptor();
        case 9:
            return cruiser();
        case 10:
            return dart();
        case 11:
            return liner();
        default:
            return shuttle();
    }
}

// A slim body with a red tip, four fins and the exhaust as a child frame.
Frame missileModel() {
    Mesh m;
    m.name = "Rakete_Koerper";
    m.materials = {surface("Koerper", 0.85, 0.85, 0.82, 0.5), surface("Spitze", 0.8, 0.12, 0.08, 0.5),
                   surface("Leitwerk", 0.25, 0.25, 0.28, 0.3)};
    addSolid(m, loft({{{0, 1.0, 0}}, ringY(0.7, 0.08, 0.08, 8), ringY(-0.8, 0.08, 0.08, 8)}, {1, 1, 0, 2}));
    const Solid tailFin = fin({0.06, -0.5, -0.8, 0.012}, {0.26, -0.72, -0.82, 0.005}, 2);
    for (int i = 0; i < 4; ++i) addSolid(m, transformed(tailFin, turnY(i * kPi / 2, {})));

    Mesh flame;
    flame.name = "Rakete_Flamme";
    flame.materials = {glowing("Flamme", 1.0, 0.75, 0.3)};
    addSolid(flame, loft({ringY(0.05, 0.065, 0.065, 6), ringY(-0.05, 0.05, 0.05, 6), {{0, -0.12, 0}}}, {0}));
    Frame exhaust;
    exhaust.name = "Antrieb";
    exhaust.matrix = translation({0, -0.85, 0});
    exhaust.meshes.push_back(std::move(flame));

    Frame f;
    f.name = "Rakete";
    f.meshes.push_back(std::move(m));
    f.children.push_back(std::move(exhaust));
    return f;
}

}  // namespace meshgen
