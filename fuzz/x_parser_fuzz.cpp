// Feeds arbitrary bytes to the .X reader. Besides crashes and undefined
// behaviour it stops on a mesh that breaks what the reader promises.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/xfile/x_parser.h"

namespace {

bool finite(const D3DVECTOR& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

void check(bool ok) {
    if (!ok) __builtin_trap();
}

void checkFrame(const xfile::XFrame& frame) {
    for (int i = 0; i < 16; ++i) check(std::isfinite(frame.transform(i / 4, i % 4)));
    for (const xfile::XMesh& mesh : frame.meshes) {
        check(!mesh.materials.empty());
        check(mesh.indices.size() == mesh.triangleMaterial.size() * 3);
        for (const std::uint32_t i : mesh.indices) check(i < mesh.vertices.size());
        for (const std::uint32_t m : mesh.triangleMaterial) check(m < mesh.materials.size());
        for (const auto& v : mesh.vertices) {
            check(finite(v.position) && finite(v.normal) && std::isfinite(v.u) &&
                  std::isfinite(v.v));
        }
    }
    for (const xfile::XFrame& child : frame.children) checkFrame(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto root = xfile::parseXFile(text, error);
    check(root.has_value() == error.empty());
    if (root) checkFrame(*root);
    return 0;
}
