#include "platform/meshes.h"

#include "platform/data_files.h"
#include "platform/error_texts.h"

namespace {

std::unique_ptr<CD3DFile> load(platform::Platform& p, const char* file, bool& ok) {
    auto mesh = std::make_unique<CD3DFile>(p);
    ok = mesh->Load(platform::dataFile(file)) >= 0;
    return mesh;
}

}  // namespace

CD3DFile* Meshes::byFile(std::string_view file) const {
    const AssetFile* row = assetFile(file);
    return row && row->kind == AssetKind::Mesh ? (*this)[row->slot] : nullptr;
}

bool loadMeshes(platform::Platform& p, Meshes& m, const char*& ErrStr) {
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind != AssetKind::Mesh) continue;
        bool ok = false;
        auto& slot = m.mesh[static_cast<std::size_t>(f.slot)];
        slot = load(p, f.name, ok);
        if (!ok && f.required) {
            ErrStr = errtext::Err_LoadingXFile;
            return false;
        }
        if (f.loadScale != 1.0f) slot->Scale(f.loadScale);
    }
    return true;
}

void reloadSunMesh(platform::Platform& p, Meshes& m, const char*& ErrStr) {
    bool ok = false;
    auto fresh = load(p, assetFile(AssetKind::Mesh, lpXFileSonne)->name, ok);
    if (ok) {
        // The old mesh gives its buffers back to the device as it goes, so
        // trips through the star gate do not pile up sun meshes.
        m.mesh[lpXFileSonne] = std::move(fresh);
    } else {
        ErrStr = errtext::Err_LoadingXFile;
    }
}
