#pragma once

#include <epoxy/gl.h>

#include <optional>
#include <vector>

#include "platform/sdl/frustum.h"
#include "platform/sdl/mesh_store.h"
#include "platform/sdl/picture_layout.h"
#include "platform/sdl/scene_state.h"
#include "platform/sdl/scene_uniforms.h"

namespace platform::sdl {

// Whether a viewport lies on the screen and covers at least one pixel.
bool validViewport(const Viewport& viewport);

// Below this radius on the screen a mesh is drawn coarse.
constexpr float kCoarseBelowPixels = 2.0f;

// The radius in pixels that a sphere shows in the view; in a perspective
// view infinite when the sphere reaches the eye's plane (it may fill the
// view).
float pixelRadius(const Sphere& placed, const D3DMATRIX& view, const D3DMATRIX& projection,
                  const Viewport& viewport);

// The 3D device: render state, textures and meshes, and drawing them into
// the bound back buffer. State changes are only recorded; the next clear or
// draw brings OpenGL up to date, setting only what differs from what it was
// last given.
class SceneRenderer {
public:
    bool create();
    void release();  // the context must be current

    const SceneState& state() const { return state_; }
    SceneState& edit() { return state_; }
    // Something else changed the OpenGL state; set it all again.
    void invalidate() { applied_.reset(); }

    // Draws that the view cannot show are dropped unless this is turned off
    // (for comparing pictures).
    void setCulling(bool on) { culling_ = on; }
    // How many draws were dropped so far.
    long culledDraws() const { return culled_; }
    // Meshes whose bounding sphere shows less than kCoarseBelowPixels in
    // radius are drawn from their coarse stand-in unless this is turned off
    // (for comparing pictures).
    void setCoarseDistant(bool on) { coarseDistant_ = on; }
    long coarseDraws() const { return coarse_; }

    TextureId createTexture(const Image& image);
    MeshId createMesh(const std::vector<MeshVertex>& vertices,
                      const std::vector<std::uint32_t>& indices);

    // The back buffer drawn into: its size, and its textures, which clears
    // fill directly where OpenGL can (4.4, or the clear-texture extension);
    // 0 where it cannot be filled so.
    void setTarget(const BufferScale& buffer, GLuint color, GLuint depth) {
        buffer_ = buffer;
        applied_.reset();
        clearColor_ = color;
        clearDepth_ = depth;
    }
    // Clears the viewport's rectangle.
    void clear(bool target, std::uint32_t color, bool zbuffer, float depth);
    // False when the mesh lies wholly outside the view and was not drawn.
    bool draw(MeshId mesh, int firstIndex, int indexCount, float vertexScale);
    void destroyMesh(MeshId mesh) { meshes_.destroy(mesh); }

private:
    // The fixed OpenGL state a draw needs, as last set.
    struct Applied {
        Viewport viewport;
        bool depthTest = false;
        bool alphaBlend = false;
        GLuint program = 0;
        GLuint texture = 0;
        GLuint sampler = 0;
    };
    void apply(GLuint program);
    GLuint boundTexture() const;
    const Frustum& frustum();

    SceneState state_;
    BufferScale buffer_;
    std::optional<Applied> applied_;
    bool culling_ = true;
    long culled_ = 0;
    bool coarseDistant_ = true;
    bool clearTexture_ = false;
    GLuint clearColor_ = 0;
    GLuint clearDepth_ = 0;
    long coarse_ = 0;
    std::optional<Frustum> frustum_;
    D3DMATRIX frustumView_, frustumProjection_;

    ScenePrograms programs_;
    GLuint white_ = 0;  // stands in for "no texture"
    GLuint pointSampler_ = 0;
    GLuint linearSampler_ = 0;
    std::vector<GLuint> textures_;
    MeshStore meshes_;
};

}  // namespace platform::sdl
