// The four stations, each turning about its y axis in flight. Repeated
// parts (spokes, frame sections, landing pads, turrets) are child frames that
// place one part by a turn and a move. No texture names: the game selects a
// station's texture before drawing it.

#include <cmath>
#include <numbers>
#include <string>

#include "assetgen/mesh_model.h"

namespace meshgen {

namespace {

constexpr double kPi = std::numbers::pi;

// A frame turned about y by angle with its origin at distance r along the
// turned x axis.
Matrix radial(double angle, double r, double y = 0) {
    return turnY(angle, {r * std::cos(angle), y, -r * std::sin(angle)});
}

Frame part(const std::string& name, const Matrix& matrix, Mesh mesh) {
    Frame f;
    f.name = name;
    f.matrix = matrix;
    f.meshes.push_back(std::move(mesh));
    return f;
}

// 1: trade hub. A spindle hub with a lit belt, a ring on four spokes and a
// solar panel on a mast.
Frame tradeHub() {
    enum { kHull, kTrim, kLights, kPanel };
    const std::vector<Material> materials = {
        surface("Huelle", 0.72, 0.72, 0.74, 0.3), surface("Verkleidung", 0.45, 0.46, 0.5, 0.3),
        glowing("Lichter", 1.0, 0.85, 0.5), surface("Solarzellen", 0.2, 0.3, 0.65, 0.8)};
    Frame f;
    f.name = "Station1";
    Mesh hub;
    hub.name = "Station1_Nabe";
    hub.materials = materials;
    addSolid(hub,
             loft({{{0, 0.9, 0}}, ringY(0.55, 0.35, 0.35, 8), ringY(-0.55, 0.35, 0.35, 8), {{0, -0.9, 0}}},
                  {kHull}));
    addSolid(hub, cylinder({0, -0.06, 0}, {0, 0.06, 0}, 0.37, 8, kLights));
    addSolid(hub, cylinder({0, 0.85, 0}, {0, 1.3, 0}, 0.04, 4, kTrim));
    addSolid(hub, box({-0.65, 1.2, -0.15}, {0.65, 1.24, 0.15}, kPanel));
    f.meshes.push_back(std::move(hub));

    Mesh rim;
    rim.name = "Ring_Reifen";
    rim.materials = materials;
    std::vector<std::vector<V3>> sections;
    for (int k = 0; k < 16; ++k) {
        const double a = 2 * kPi * k / 16;
        const V3 d{std::cos(a), 0, std::sin(a)};
        sections.push_back({d * 1.22 + V3{0, -0.12, 0}, d * 1.38 + V3{0, -0.12, 0}, d * 1.38 + V3{0, 0.12, 0},
                            d * 1.22 + V3{0, 0.12, 0}});
    }
    addSolid(rim, loop(sections, kHull));
    Frame ring = part("Ring", turnY(kPi / 16, {}), std::move(rim));
    for (int k = 0; k < 4; ++k) {
        Mesh spoke;
        spoke.name = "Speiche" + std::to_string(k + 1) + "_Rohr";
        spoke.materials = materials;
        addSolid(spoke, box({-0.45, -0.05, -0.05}, {0.45, 0.05, 0.05}, kTrim));
        ring.children.push_back(
            part("Speiche" + std::to_string(k + 1), radial(k * kPi / 2, 0.8), std::move(spoke)));
    }
    f.children.push_back(std::move(ring));
    return f;
}

// 2: shipyard. An open dock of long beams and three square frame sections
// round a hull being built, a control room on top.
Frame shipyard() {
    enum { kFrame, kTrim, kLights, kWindows, kNewHull };
    const std::vector<Material> materials = {
        surface("Geruest", 0.62, 0.55, 0.35, 0.2), surface("Verkleidung", 0.3, 0.3, 0.33, 0.3),
        glowing("Warnlicht", 1.0, 0.55, 0.15), glowing("Fenster", 0.6, 0.9, 1.0),
        surface("Neubau", 0.6, 0.62, 0.66, 0.4)};
    Frame f;
    f.name = "Station2";
    Mesh dock;
    dock.name = "Station2_Dock";
    dock.materials = materials;
    for (const double y : {-0.55, 0.55}) {
        for (const double z : {-0.55, 0.55}) {
            addSolid(dock, box({-1.5, y - 0.04, z - 0.04}, {1.5, y + 0.04, z + 0.04}, kFrame));
        }
    }
    auto across = [](double x, double r) { return ellipse({x, 0, 0}, {0, 1, 0}, {0, 0, 1}, r, r, 6); };
    addSolid(dock, loft({{{1.0, 0, 0}}, across(0.6, 0.3), across(-0.8, 0.3)}, {kNewHull}));
    f.meshes.push_back(std::move(dock));

    const double sections[3] = {-1.4, 0.0, 1.4};
    for (int k = 0; k < 3; ++k) {
        Mesh beams;
        beams.name = "Spant" + std::to_string(k + 1) + "_Traeger";
        beams.materials = materials;
        for (const double s : {-1.0, 1.0}) {
            addSolid(beams, box({-0.05, -0.59, 0.55 * s - 0.04}, {0.05, 0.59, 0.55 * s + 0.04}, kTrim));
            addSolid(beams, box({-0.05, 0.55 * s - 0.04, -0.51}, {0.05, 0.55 * s + 0.04, 0.51}, kTrim));
        }
        addSolid(beams, box({-0.04, 0.59, -0.04}, {0.04, 0.65, 0.04}, kLights));
        f.children.push_back(
            part("Spant" + std::to_string(k + 1), translation({sections[k], 0, 0}), std::move(beams)));
    }

    Mesh control;
    control.name = "Leitstand_Kabine";
    control.materials = materials;
    addSolid(control, box({-0.3, -0.2, -0.25}, {0.3, 0.15, 0.25}, kTrim));
    addSolid(control, box({-0.31, 0.0, -0.26}, {0.31, 0.08, 0.26}, kWindows));
    f.children.push_back(part("Leitstand", translation({0, 0.8, 0}), std::move(control)));
    return f;
}

// 3: traffic station. A wide landing deck over a cone, a tall tower with a
// lit control room, four landing pads.
Frame trafficStation() {
    enum { kHull, kTrim, kPad, kLights, kWindows };
    const std::vector<Material> materials = {
        surface("Huelle", 0.75, 0.75, 0.72, 0.3), surface("Verkleidung", 0.55, 0.25, 0.2, 0.3),
        surface("Landeflaeche", 0.25, 0.25, 0.28, 0.1), glowing("Befeuerung", 0.4, 1.0, 0.5),
        glowing("Fenster", 1.0, 0.92, 0.65)};
    Frame f;
    f.name = "Station3";
    Mesh deck;
    deck.name = "Station3_Deck";
    deck.materials = materials;
    addSolid(deck, loft({ringY(-0.08, 1.3, 1.3, 12), ringY(0.08, 1.3, 1.3, 12)}, {kHull}));
    addSolid(deck, loft({ringY(-0.08, 1.0, 1.0, 12), {{0, -0.75, 0}}}, {kTrim}));
    addSolid(deck, cylinder({0, 0.08, 0}, {0, 1.15, 0}, 0.15, 6, kHull));
    addSolid(deck, loft({ringY(1.1, 0.18, 0.18, 8), ringY(1.2, 0.36, 0.36, 8), ringY(1.34, 0.36, 0.36, 8),
                         ringY(1.44, 0.16, 0.16, 8)},
                        {kTrim, kTrim, kWindows, kHull, kHull}));
    addSolid(deck, cylinder({0, 1.44, 0}, {0, 1.8, 0}, 0.02, 4, kTrim));
    addSolid(deck, box({-0.04, 1.8, -0.04}, {0.04, 1.86, 0.04}, kLights));
    f.meshes.push_back(std::move(deck));

    for (int k = 0; k < 4; ++k) {
        Mesh pad;
        pad.name = "Landeplatz" + std::to_string(k + 1) + "_Feld";
        pad.materials = materials;
        addSolid(pad, box({-0.25, 0.08, -0.25}, {0.25, 0.11, 0.25}, kPad));
        addSolid(pad, box({0.2, 0.11, -0.03}, {0.26, 0.15, 0.03}, kLights));
        f.children.push_back(
            part("Landeplatz" + std::to_string(k + 1), radial(kPi / 4 + k * kPi / 2, 0.85), std::move(pad)));
    }
    return f;
}

// 4: combat fortress. An armoured double cone with a lit belt and
// buttresses, six twin-barrelled turrets round it, above and below.
Frame fortress() {
    enum { kArmour, kTrim, kLights, kGuns };
    const std::vector<Material> materials = {
        surface("Panzerung", 0.4, 0.42, 0.46, 0.4), surface("Verkleidung", 0.62, 0.16, 0.1, 0.3),
        glowing("Warnlicht", 1.0, 0.2, 0.1), surface("Geschuetz", 0.2, 0.2, 0.22, 0.6)};
    Frame f;
    f.name = "Station4";
    Mesh core;
    core.name = "Station4_Kern";
    core.materials = materials;
    addSolid(core, loft({{{0, 1.15, 0}}, ringY(0.4, 0.9, 0.9, 8), ringY(-0.4, 0.9, 0.9, 8), {{0, -1.15, 0}}},
                        {kArmour}));
    addSolid(core, cylinder({0, -0.12, 0}, {0, 0.12, 0}, 0.96, 8, kTrim));
    addSolid(core, cylinder({0, -0.03, 0}, {0, 0.03, 0}, 0.98, 8, kLights));
    for (int k = 0; k < 4; ++k) {
        addSolid(core, transformed(box({0.7, -0.5, -0.06}, {1.1, 0.5, 0.06}, kArmour),
                                   turnY(kPi / 4 + k * kPi / 2, {})));
    }
    f.meshes.push_back(std::move(core));

    std::vector<Matrix> places;
    for (int k = 0; k < 4; ++k) places.push_back(radial(k * kPi / 2, 1.0));
    places.push_back(turnZ(kPi / 2, {0, 1.1, 0}));
    places.push_back(turnZ(-kPi / 2, {0, -1.1, 0}));
    for (std::size_t k = 0; k < places.size(); ++k) {
        const std::string name = "Geschuetzturm" + std::to_string(k + 1);
        Mesh turret;
        turret.name = name + "_Sockel";
        turret.materials = materials;
        addSolid(turret, box({-0.05, -0.1, -0.1}, {0.15, 0.1, 0.1}, kGuns));
        for (const double z : {-0.05, 0.05})
            addSolid(turret, cylinder({0.1, 0.03, z}, {0.5, 0.03, z}, 0.02, 4, kGuns));
        f.children.push_back(part(name, places[k], std::move(turret)));
    }
    return f;
}

}  // namespace

Frame stationModel(int kind) {
    switch (kind) {
        case 1:
            return tradeHub();
        case 2:
            return shipyard();
        case 3:
            return trafficStation();
        default:
            return fortress();
    }
}

}  // namespace meshgen
