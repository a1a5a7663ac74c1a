#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace xfile {
struct XFrame;
struct XMesh;
}  // namespace xfile

// The game's mesh object: the frames and meshes of a text .X file, uploaded
// to the device and drawn with their materials. A material that names a
// texture draws with it; one that names none draws with the texture the
// caller bound, which is how the spheres and stations get their surfaces.
class CD3DFile {
public:
    explicit CD3DFile(platform::Platform& p) : p_(p) {}
    // Gives its meshes back to the device.
    ~CD3DFile();
    CD3DFile(const CD3DFile&) = delete;
    CD3DFile& operator=(const CD3DFile&) = delete;

    // Reads the file and uploads its meshes; 0 on success, negative when the
    // file cannot be read or is not a usable .X file. Success replaces what
    // the object held and its size factor; failure leaves both alone.
    int Load(const std::string& file);

    // Multiplies the object's size factor. The vertices stay as loaded, so
    // the size never drifts however often the object is drawn.
    void Scale(float factor) { factor_ *= factor; }

    // Draws at the device's world matrix, positions multiplied by the size
    // factor times scale: opaque materials first, then the transparent ones
    // with alpha blending. Material, texture, world matrix and blending are
    // as before afterwards.
    void Render(float scale = 1.0f);

    bool loaded() const { return loaded_; }
    // The device meshes the object draws with, for telling draws apart.
    std::vector<platform::MeshId> meshIds() const;
    // Why the last load failed.
    const std::string& error() const { return error_; }

private:
    struct Run {
        int firstIndex = 0;
        int indexCount = 0;
        platform::Material material;
        bool textured = false;
        platform::TextureId texture = 0;
        bool transparent = false;
    };
    // One uploaded mesh with its frame's matrix relative to the object.
    struct Part {
        D3DMATRIX frame;
        platform::MeshId mesh = 0;
        std::vector<Run> runs;
    };

    void release(std::vector<Part>& parts);
    bool addFrame(const xfile::XFrame& frame, const D3DMATRIX& parent, const std::string& folder,
                  std::vector<Part>& parts);
    bool addMesh(const xfile::XMesh& mesh, const D3DMATRIX& frame, const std::string& folder,
                 std::vector<Part>& parts);
    platform::TextureId texture(const std::string& name, const std::string& folder);
    void drawPass(bool transparent, const D3DMATRIX& world, platform::TextureId callerTexture,
                  float vertexScale);

    platform::Platform& p_;
    std::vector<Part> parts_;
    bool loaded_ = false;
    bool hasTransparent_ = false;
    float factor_ = 1.0f;
    std::map<std::string, platform::TextureId> textures_;
    std::string error_;
};
