#include "platform/meshes.h"

#include <string>

#include "platform/error_texts.h"

namespace {

std::unique_ptr<CD3DFile> load(platform::Platform& p, const char* file, bool& ok) {
    auto mesh = std::make_unique<CD3DFile>(p);
    ok = mesh->Load(file) >= 0;
    return mesh;
}

}  // namespace

bool loadMeshes(platform::Platform& p, Meshes& m, const char*& ErrStr) {
    bool ok = true;
    // Untested: a missing one leaves an empty mesh that draws nothing.
    for (int typ = 2; typ <= 12; ++typ) {
        const std::string file = "Raumschiff" + std::to_string(typ) + ".X";
        m.lpXFileRaumschiff[typ - 1] = load(p, file.c_str(), ok);
    }
    m.lpXFileRakete = load(p, "Rakete.X", ok);
    m.lpXFileExplosion = load(p, "Explosion.X", ok);

    // Tested: each must load.
    auto tested = [&](std::unique_ptr<CD3DFile>& slot, const char* file) {
        slot = load(p, file, ok);
        if (!ok) ErrStr = errtext::Err_LoadingXFile;
        return ok;
    };
    if (!tested(m.lpXFileRaumschiff[0], "Raumschiff1.X")) return false;
    if (!tested(m.lpXFileAsteroid, "asteroid_new.x")) return false;
    constexpr const char* kStations[4] = {"Station1.x", "Station2.x", "Station3.x", "Station4.x"};
    for (int i = 0; i < 4; ++i) {
        if (!tested(m.lpXFileStation[i], kStations[i])) return false;
        m.lpXFileStation[i]->Scale(10.0f);
    }
    return tested(m.lpXFilePlanet, "Kugel_new.x") && tested(m.lpXFileSonne, "Kugel_newHell.x") &&
           tested(m.lpXFileCube, "sonne.X") && tested(m.lpXFileTor, "Tor.x");
}

void reloadSunMesh(platform::Platform& p, Meshes& m, const char*& ErrStr) {
    bool ok = false;
    auto fresh = load(p, "Kugel_newHell.x", ok);
    if (ok) {
        m.lpXFileSonne = std::move(fresh);
    } else {
        ErrStr = errtext::Err_LoadingXFile;
    }
}
