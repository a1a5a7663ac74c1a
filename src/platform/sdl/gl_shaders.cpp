#include "platform/sdl/gl_shaders.h"

namespace platform::sdl::shaders {

// The game's matrices are row-vector (v' = v * M) and stored row by row.
// Uploaded as they are, GLSL reads them column by column, i.e. transposed,
// so M * v here is the game's v * M.
const char* const kSceneVertex = R"glsl(
#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;

uniform mat4 uWorld;
uniform mat4 uView;
uniform mat4 uProjection;
uniform float uVertexScale;

out vec3 vWorldPosition;
out vec3 vNormal;
out vec2 vUv;

void main() {
    vec4 world = uWorld * vec4(aPosition * uVertexScale, 1.0);
    vWorldPosition = world.xyz;
    vNormal = mat3(uWorld) * aNormal;
    vUv = aUv;
    vec4 clip = uProjection * (uView * world);
    // The projection gives depth 0..w; OpenGL clips at -w..w.
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
)glsl";

// Fixed-function lighting per pixel: emissive, material ambient times the
// global ambient, and each enabled light's diffuse term. No specular.
const char* const kSceneFragment = R"glsl(
#version 330 core
const int kPoint = 1;
const int kSpot = 2;
const int kDirectional = 3;

struct SceneLight {
    int type;
    vec3 diffuse;
    vec3 position;
    vec3 direction;      // normalised
    float range;
    float falloff;
    vec3 attenuation;    // constant, linear, quadratic
    float cosHalfTheta;  // inner cone
    float cosHalfPhi;    // outer cone
};

uniform SceneLight uLights[2];
uniform bool uLightOn[2];
uniform bool uLighting;
uniform vec3 uAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec3 uMaterialAmbient;
uniform vec3 uMaterialEmissive;
uniform sampler2D uTexture;

in vec3 vWorldPosition;
in vec3 vNormal;
in vec2 vUv;
out vec4 fragColor;

float spotFactor(SceneLight light, vec3 toLight) {
    float rho = dot(light.direction, -toLight);
    if (rho > light.cosHalfTheta) return 1.0;
    if (rho <= light.cosHalfPhi) return 0.0;
    return pow((rho - light.cosHalfPhi) / (light.cosHalfTheta - light.cosHalfPhi), light.falloff);
}

vec3 diffuseFrom(SceneLight light, vec3 normal) {
    vec3 toLight;
    float factor = 1.0;
    if (light.type == kDirectional) {
        toLight = -light.direction;
    } else {
        vec3 offset = light.position - vWorldPosition;
        float d = length(offset);
        if (d > light.range) return vec3(0.0);
        toLight = d > 0.0 ? offset / d : vec3(0.0);
        float denominator = light.attenuation.x + light.attenuation.y * d
                          + light.attenuation.z * d * d;
        factor = 1.0 / (denominator == 0.0 ? 1.0 : denominator);
        if (light.type == kSpot) factor *= spotFactor(light, toLight);
    }
    return uMaterialDiffuse.rgb * light.diffuse * max(dot(normal, toLight), 0.0) * factor;
}

void main() {
    vec4 texel = texture(uTexture, vUv);
    if (!uLighting) {
        fragColor = texel;
        return;
    }
    float normalLength = length(vNormal);
    vec3 normal = normalLength > 0.0 ? vNormal / normalLength : vec3(0.0);
    vec3 color = uMaterialEmissive + uMaterialAmbient * uAmbient;
    for (int i = 0; i < 2; ++i) {
        if (uLightOn[i]) color += diffuseFrom(uLights[i], normal);
    }
    fragColor = vec4(texel.rgb * clamp(color, 0.0, 1.0), uMaterialDiffuse.a * texel.a);
}
)glsl";

// Positions in screen pixels from the top left, texture coordinates in
// texels; texelFetch copies exactly, with no filtering to blur the edges.
const char* const kCopyVertex = R"glsl(
#version 330 core
layout(location = 0) in vec2 aPixel;
layout(location = 1) in vec2 aTexel;

uniform vec2 uScreenSize;

out vec2 vTexel;

void main() {
    vTexel = aTexel;
    vec2 ndc = aPixel / uScreenSize * 2.0 - 1.0;
    gl_Position = vec4(ndc.x, -ndc.y, 0.0, 1.0);
}
)glsl";

const char* const kCopyFragment = R"glsl(
#version 330 core
uniform sampler2D uSurface;
uniform bool uColorKey;

in vec2 vTexel;
out vec4 fragColor;

void main() {
    vec4 texel = texelFetch(uSurface, ivec2(floor(vTexel)), 0);
    // Texels are whole bytes, so black compares exactly.
    if (uColorKey && texel.r + texel.g + texel.b == 0.0) discard;
    fragColor = vec4(texel.rgb, 1.0);
}
)glsl";

// One triangle covering the viewport, made from the vertex number alone.
const char* const kPresentVertex = R"glsl(
#version 330 core
out vec2 vUv;

void main() {
    vec2 corner = vec2((gl_VertexID << 1) & 2, gl_VertexID & 2);
    vUv = corner;
    gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)glsl";

const char* const kPresentFragment = R"glsl(
#version 330 core
uniform sampler2D uPicture;

in vec2 vUv;
out vec4 fragColor;

void main() {
    fragColor = vec4(texture(uPicture, vUv).rgb, 1.0);
}
)glsl";

}  // namespace platform::sdl::shaders
