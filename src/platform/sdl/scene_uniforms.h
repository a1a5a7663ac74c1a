#pragma once

#include <epoxy/gl.h>

#include "platform/sdl/scene_state.h"

namespace platform::sdl {

// The lighting shader's uniforms, looked up once and filled from the
// render state.
class SceneUniforms {
public:
    void locate(GLuint program);
    // The program must be in use.
    void upload(const SceneState& state) const;
    void uploadVertexScale(float scale) const;

private:
    struct LightLocations {
        GLint type, diffuse, position, direction, range, falloff, attenuation, cosHalfTheta,
            cosHalfPhi, on;
    };
    void uploadLight(const LightLocations& at, const Light& light, bool on) const;

    GLint world_ = -1, view_ = -1, projection_ = -1, vertexScale_ = -1;
    GLint lighting_ = -1, ambient_ = -1;
    GLint materialDiffuse_ = -1, materialAmbient_ = -1, materialEmissive_ = -1;
    LightLocations lights_[2]{};
};

}  // namespace platform::sdl
