#pragma once

#include <epoxy/gl.h>

#include <array>
#include <map>
#include <string>

#include "platform/sdl/scene_state.h"

namespace platform::sdl {

// Which scene shader a render state needs: lighting off, or on with each
// light's type (0 when off) and whether the material's glow alone already
// reaches white, which no light can change.
struct ShadingVariant {
    bool lighting = false;
    bool saturated = false;
    std::array<int, 2> light{};

    bool positional() const;
    int key() const;
    // The #version and #define lines the shader sources begin with.
    std::string header() const;
};

ShadingVariant shadingFor(const SceneState& state);

// The inverse transpose of a row-vector matrix's upper 3 x 3, stored row by
// row: what turns normals so that they stay at right angles to surfaces
// under non-uniform scale. A flat matrix (no inverse) gives its cofactors,
// which still point the right way where there is a way.
std::array<float, 9> normalMatrix(const D3DMATRIX& world);

// One scene program per variant, with its uniforms looked up once. Each
// remembers what it was last given and uploads only what changed.
class SceneProgram {
public:
    bool build(const ShadingVariant& variant);
    void release();
    GLuint id() const { return program_; }
    // The program must be in use.
    void upload(const SceneState& state, float vertexScale);

private:
    struct LightLocations {
        GLint color, position, direction, range, falloff, attenuation, cosTheta, cosPhi;
    };
    void uploadLight(int index, const SceneState& state) const;

    ShadingVariant variant_;
    GLuint program_ = 0;
    GLint world_ = -1, view_ = -1, projection_ = -1, vertexScale_ = -1, normalMatrix_ = -1;
    GLint base_ = -1, materialAlpha_ = -1;
    std::array<LightLocations, 2> lights_{};

    bool uploaded_ = false;
    SceneState last_;
    float lastVertexScale_ = 0.0f;
};

class ScenePrograms {
public:
    // Builds a variant the first time it is asked for; null when it does not
    // compile.
    SceneProgram* forState(const SceneState& state);
    void release();

private:
    std::map<int, SceneProgram> programs_;
};

}  // namespace platform::sdl
