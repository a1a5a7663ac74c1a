#include "platform/sdl/scene_uniforms.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/sdl/gl_program.h"
#include "platform/sdl/gl_shaders.h"

namespace platform::sdl {
namespace {

template <typename T>
bool same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool sameLight(const SceneState& a, const SceneState& b, int i) {
    const auto n = static_cast<std::size_t>(i);
    return a.lightOn[n] == b.lightOn[n] && same(a.lights[n], b.lights[n]);
}

void uploadMatrix(GLint location, const D3DMATRIX& matrix) {
    // Row by row as stored; the shader multiplies from the left (see there).
    glUniformMatrix4fv(location, 1, GL_FALSE, &matrix._11);
}

float channel(std::uint32_t argb, int shift) {
    return static_cast<float>((argb >> shift) & 0xFF) / 255.0f;
}

bool atLeastWhite(const ColorValue& c) { return c.r >= 1.0f && c.g >= 1.0f && c.b >= 1.0f; }

bool nothingNegative(const ColorValue& c) { return c.r >= 0.0f && c.g >= 0.0f && c.b >= 0.0f; }

}  // namespace

bool ShadingVariant::positional() const {
    return lighting && !saturated && (light[0] == 1 || light[0] == 2 || light[1] == 1 || light[1] == 2);
}

int ShadingVariant::key() const {
    if (!lighting) return 0;
    if (saturated) return 1;
    return 2 + light[0] * 4 + light[1];
}

std::string ShadingVariant::header() const {
    char text[160];
    std::snprintf(text, sizeof text,
                  "#version 330 core\n#define LIGHTING %d\n#define SATURATED %d\n#define LIGHT0 %d\n"
                  "#define LIGHT1 %d\n#define POSITIONAL %d\n",
                  lighting ? 1 : 0, saturated ? 1 : 0, light[0], light[1], positional() ? 1 : 0);
    return text;
}

ShadingVariant shadingFor(const SceneState& state) {
    ShadingVariant variant;
    variant.lighting = state.lighting;
    if (!state.lighting) return variant;
    const Material& m = state.material;
    // Every term adds nothing negative, so a glow of white or more stays
    // white after the clamp whatever the lights do.
    bool saturated = atLeastWhite(m.emissive) && nothingNegative(m.ambient) &&
                     nothingNegative(m.diffuse);
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (!state.lightOn[n]) continue;
        const int type = static_cast<int>(state.lights[n].type);
        variant.light[n] = type >= 1 && type <= 3 ? type : 0;
        if (variant.light[n] != 0) saturated = saturated && nothingNegative(state.lights[n].diffuse);
    }
    variant.saturated = saturated;
    if (saturated) variant.light = {};
    return variant;
}

std::array<float, 9> normalMatrix(const D3DMATRIX& w) {
    const float a = w._11, b = w._12, c = w._13;
    const float d = w._21, e = w._22, f = w._23;
    const float g = w._31, h = w._32, i = w._33;
    // Cofactors, row by row: the inverse transpose times the determinant.
    std::array<float, 9> cof = {e * i - f * h, f * g - d * i, d * h - e * g,
                                c * h - b * i, a * i - c * g, b * g - a * h,
                                b * f - c * e, c * d - a * f, a * e - b * d};
    const float det = a * cof[0] + b * cof[1] + c * cof[2];
    if (det != 0.0f && std::isfinite(det)) {
        for (float& x : cof) x /= det;
    }
    return cof;
}

bool SceneProgram::build(const ShadingVariant& variant) {
    variant_ = variant;
    const std::string header = variant.header();
    std::string vertex = header;
    vertex += shaders::kSceneVertex;
    std::string fragment = header;
    fragment += shaders::kSceneFragment;
    program_ = buildProgram("scene", vertex.c_str(), fragment.c_str());
    if (program_ == 0) return false;
    auto at = [this](const std::string& name) {
        return glGetUniformLocation(program_, name.c_str());
    };
    world_ = at("uWorld");
    view_ = at("uView");
    projection_ = at("uProjection");
    vertexScale_ = at("uVertexScale");
    normalMatrix_ = at("uNormalMatrix");
    base_ = at("uBase");
    materialAlpha_ = at("uMaterialAlpha");
    for (int i = 0; i < 2; ++i) {
        auto element = [&](const char* name) {
            std::string indexed = name;
            indexed += '[';
            indexed += static_cast<char>('0' + i);
            indexed += ']';
            return at(indexed);
        };
        lights_[static_cast<std::size_t>(i)] = {
            element("uLightColor"),    element("uLightPosition"), element("uLightDirection"),
            element("uLightRange"),    element("uLightFalloff"),  element("uLightAttenuation"),
            element("uLightCosTheta"), element("uLightCosPhi")};
    }
    glUseProgram(program_);
    glUniform1i(at("uTexture"), 0);
    uploaded_ = false;
    return true;
}

void SceneProgram::release() {
    glDeleteProgram(program_);
    program_ = 0;
    uploaded_ = false;
}

void SceneProgram::upload(const SceneState& state, float vertexScale) {
    const bool all = !uploaded_;
    if (all || !same(state.world, last_.world)) {
        uploadMatrix(world_, state.world);
        if (normalMatrix_ >= 0) {
            const std::array<float, 9> normals = normalMatrix(state.world);
            // Row by row, so GLSL holds its transpose: the inverse itself.
            glUniformMatrix3fv(normalMatrix_, 1, GL_FALSE, normals.data());
        }
    }
    if (all || !same(state.view, last_.view)) uploadMatrix(view_, state.view);
    if (all || !same(state.projection, last_.projection)) uploadMatrix(projection_, state.projection);
    if (all || vertexScale != lastVertexScale_) glUniform1f(vertexScale_, vertexScale);

    if (variant_.lighting) {
        const Material& m = state.material;
        const bool material = all || !same(m, last_.material);
        if (material) glUniform1f(materialAlpha_, m.diffuse.a);
        if (base_ >= 0 && (material || state.ambient != last_.ambient)) {
            glUniform3f(base_, m.emissive.r + m.ambient.r * channel(state.ambient, 16),
                        m.emissive.g + m.ambient.g * channel(state.ambient, 8),
                        m.emissive.b + m.ambient.b * channel(state.ambient, 0));
        }
        for (int i = 0; i < 2; ++i) {
            if (variant_.light[static_cast<std::size_t>(i)] == 0) continue;
            if (material || !sameLight(state, last_, i)) uploadLight(i, state);
        }
    }
    last_ = state;
    lastVertexScale_ = vertexScale;
    uploaded_ = true;
}

void SceneProgram::uploadLight(int index, const SceneState& state) const {
    const auto n = static_cast<std::size_t>(index);
    const LightLocations& at = lights_[n];
    const Light& light = state.lights[n];
    const ColorValue& diffuse = state.material.diffuse;
    glUniform3f(at.color, diffuse.r * light.diffuse.r, diffuse.g * light.diffuse.g,
                diffuse.b * light.diffuse.b);
    const D3DVECTOR direction = normalize(light.direction);
    glUniform3f(at.direction, direction.x, direction.y, direction.z);
    if (variant_.light[n] == static_cast<int>(LightType::Directional)) return;
    glUniform3f(at.position, light.position.x, light.position.y, light.position.z);
    glUniform1f(at.range, light.range);
    glUniform3f(at.attenuation, light.attenuation0, light.attenuation1, light.attenuation2);
    if (variant_.light[n] != static_cast<int>(LightType::Spot)) return;
    glUniform1f(at.falloff, light.falloff);
    glUniform1f(at.cosTheta, std::cos(light.theta / 2.0f));
    glUniform1f(at.cosPhi, std::cos(light.phi / 2.0f));
}

SceneProgram* ScenePrograms::forState(const SceneState& state) {
    const ShadingVariant variant = shadingFor(state);
    const auto found = programs_.find(variant.key());
    if (found != programs_.end()) return found->second.id() != 0 ? &found->second : nullptr;
    SceneProgram& program = programs_[variant.key()];
    if (!program.build(variant)) return nullptr;
    return &program;
}

void ScenePrograms::release() {
    for (auto& entry : programs_) entry.second.release();
    programs_.clear();
}

}  // namespace platform::sdl
