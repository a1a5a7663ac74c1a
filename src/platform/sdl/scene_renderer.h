#pragma once

#include <epoxy/gl.h>

#include <vector>

#include "platform/sdl/mesh_store.h"
#include "platform/sdl/scene_state.h"
#include "platform/sdl/scene_uniforms.h"

namespace platform::sdl {

// Whether a viewport lies on the screen and covers at least one pixel.
bool validViewport(const Viewport& viewport);

// The 3D device: render state, textures and meshes, and drawing them into
// the bound back buffer. State changes are only recorded; the next clear or
// draw brings OpenGL up to date.
class SceneRenderer {
public:
    bool create();
    void release();  // the context must be current

    const SceneState& state() const { return state_; }
    SceneState& edit() {
        dirty_ = true;
        return state_;
    }
    // Something else changed the OpenGL state; set it all again.
    void invalidate() { dirty_ = true; }

    TextureId createTexture(const Image& image);
    MeshId createMesh(const std::vector<MeshVertex>& vertices,
                      const std::vector<std::uint32_t>& indices);

    // Clears the viewport's rectangle.
    void clear(bool target, std::uint32_t color, bool zbuffer, float depth);
    void draw(MeshId mesh, int firstIndex, int indexCount, float vertexScale);
    void destroyMesh(MeshId mesh) { meshes_.destroy(mesh); }

private:
    void apply();
    GLuint boundTexture() const;

    SceneState state_;
    bool dirty_ = true;

    GLuint program_ = 0;
    SceneUniforms uniforms_;
    GLuint white_ = 0;  // stands in for "no texture"
    GLuint pointSampler_ = 0;
    GLuint linearSampler_ = 0;
    std::vector<GLuint> textures_;
    MeshStore meshes_;
};

}  // namespace platform::sdl
