#include "platform/sdl/scene_uniforms.h"

#include <cmath>
#include <string>

namespace platform::sdl {
namespace {

void uploadMatrix(GLint location, const D3DMATRIX& matrix) {
    // Row by row as stored; the shader multiplies from the left (see there).
    glUniformMatrix4fv(location, 1, GL_FALSE, &matrix._11);
}

void uploadRgb(GLint location, const ColorValue& color) {
    glUniform3f(location, color.r, color.g, color.b);
}

}  // namespace

void SceneUniforms::locate(GLuint program) {
    auto at = [program](const std::string& name) {
        return glGetUniformLocation(program, name.c_str());
    };
    world_ = at("uWorld");
    view_ = at("uView");
    projection_ = at("uProjection");
    vertexScale_ = at("uVertexScale");
    lighting_ = at("uLighting");
    ambient_ = at("uAmbient");
    materialDiffuse_ = at("uMaterialDiffuse");
    materialAmbient_ = at("uMaterialAmbient");
    materialEmissive_ = at("uMaterialEmissive");
    for (int i = 0; i < 2; ++i) {
        const std::string light = "uLights[" + std::to_string(i) + "].";
        lights_[i] = {at(light + "type"),        at(light + "diffuse"),
                      at(light + "position"),    at(light + "direction"),
                      at(light + "range"),       at(light + "falloff"),
                      at(light + "attenuation"), at(light + "cosHalfTheta"),
                      at(light + "cosHalfPhi"),  at("uLightOn[" + std::to_string(i) + "]")};
    }
    glUseProgram(program);
    glUniform1i(at("uTexture"), 0);
}

void SceneUniforms::upload(const SceneState& state) const {
    uploadMatrix(world_, state.world);
    uploadMatrix(view_, state.view);
    uploadMatrix(projection_, state.projection);
    glUniform1i(lighting_, state.lighting ? 1 : 0);
    glUniform3f(ambient_, static_cast<float>((state.ambient >> 16) & 0xFF) / 255.0f,
                static_cast<float>((state.ambient >> 8) & 0xFF) / 255.0f,
                static_cast<float>(state.ambient & 0xFF) / 255.0f);
    const Material& material = state.material;
    glUniform4f(materialDiffuse_, material.diffuse.r, material.diffuse.g, material.diffuse.b,
                material.diffuse.a);
    uploadRgb(materialAmbient_, material.ambient);
    uploadRgb(materialEmissive_, material.emissive);
    for (int i = 0; i < 2; ++i) uploadLight(lights_[i], state.lights[i], state.lightOn[i]);
}

void SceneUniforms::uploadLight(const LightLocations& at, const Light& light, bool on) const {
    glUniform1i(at.on, on ? 1 : 0);
    if (!on) return;
    glUniform1i(at.type, static_cast<int>(light.type));
    uploadRgb(at.diffuse, light.diffuse);
    glUniform3f(at.position, light.position.x, light.position.y, light.position.z);
    const D3DVECTOR direction = normalize(light.direction);
    glUniform3f(at.direction, direction.x, direction.y, direction.z);
    glUniform1f(at.range, light.range);
    glUniform1f(at.falloff, light.falloff);
    glUniform3f(at.attenuation, light.attenuation0, light.attenuation1, light.attenuation2);
    glUniform1f(at.cosHalfTheta, std::cos(light.theta / 2.0f));
    glUniform1f(at.cosHalfPhi, std::cos(light.phi / 2.0f));
}

void SceneUniforms::uploadVertexScale(float scale) const { glUniform1f(vertexScale_, scale); }

}  // namespace platform::sdl
