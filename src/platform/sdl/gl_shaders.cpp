#include "platform/sdl/gl_shaders.h"

namespace platform::sdl::shaders {

// The scene's shaders are made per render state: the lines before them
// define LIGHTING (0 or 1), SATURATED (1 when the material's own glow
// already reaches white), LIGHT0 and LIGHT1 (0 off, else the light's type:
// 1 point, 2 spot, 3 directional) and POSITIONAL (a point or spot light is
// on). Each variant computes only what its state needs, with no loop and no
// branch per pixel.
//
// The game's matrices are row-vector (v' = v * M) and stored row by row.
// Uploaded as they are, GLSL reads them column by column, i.e. transposed,
// so M * v here is the game's v * M.
const char* const kSceneVertex = R"glsl(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;

uniform mat4 uWorld;
uniform mat4 uView;
uniform mat4 uProjection;
uniform float uVertexScale;
out vec2 vUv;

#define SHADED (LIGHTING == 1 && SATURATED == 0)
#if SHADED
// The inverse transpose of the world matrix's rotation and scale, so that a
// flattened mesh keeps its normals at right angles to its surfaces.
uniform mat3 uNormalMatrix;
out vec3 vNormal;
#endif
#if SHADED && POSITIONAL
out vec3 vWorldPosition;
#endif

void main() {
    vec4 world = uWorld * vec4(aPosition * uVertexScale, 1.0);
#if SHADED
    vNormal = uNormalMatrix * aNormal;
#endif
#if SHADED && POSITIONAL
    vWorldPosition = world.xyz;
#endif
    vUv = aUv;
    vec4 clip = uProjection * (uView * world);
    // The projection gives depth 0..w; OpenGL clips at -w..w.
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
)glsl";

// Fixed-function lighting per pixel: emissive, material ambient times the
// global ambient, and each enabled light's diffuse term. No specular.
const char* const kSceneFragment = R"glsl(
uniform sampler2D uTexture;
in vec2 vUv;
out vec4 fragColor;

#define SHADED (LIGHTING == 1 && SATURATED == 0)
#if LIGHTING
uniform float uMaterialAlpha;
#endif
#if SHADED
uniform vec3 uBase;               // emissive + material ambient * ambient
uniform vec3 uLightColor[2];      // material diffuse * light diffuse
uniform vec3 uLightPosition[2];
uniform vec3 uLightDirection[2];  // normalised, the way the light shines
uniform float uLightRange[2];
uniform float uLightFalloff[2];
uniform vec3 uLightAttenuation[2];  // constant, linear, quadratic
uniform float uLightCosTheta[2];    // inner cone
uniform float uLightCosPhi[2];      // outer cone
in vec3 vNormal;
#endif
#if SHADED && POSITIONAL
in vec3 vWorldPosition;

// What a point light gives at this pixel, before the cone: the distance
// factor within range, and the way to the light.
float reach(int i, out vec3 toLight) {
    vec3 offset = uLightPosition[i] - vWorldPosition;
    float d = length(offset);
    toLight = d > 0.0 ? offset / d : vec3(0.0);
    float denominator = dot(uLightAttenuation[i], vec3(1.0, d, d * d));
    float factor = 1.0 / (denominator == 0.0 ? 1.0 : denominator);
    return d > uLightRange[i] ? 0.0 : factor;
}

// Full inside the inner cone, nothing outside the outer one, the falloff
// between.
float cone(int i, vec3 toLight) {
    float rho = dot(uLightDirection[i], -toLight);
    float t = (rho - uLightCosPhi[i]) / (uLightCosTheta[i] - uLightCosPhi[i]);
    return rho > uLightCosTheta[i] ? 1.0
         : rho <= uLightCosPhi[i] ? 0.0 : pow(t, uLightFalloff[i]);
}
#endif

#if SHADED
vec3 lightTerm(int i, int type, vec3 normal) {
    vec3 toLight = -uLightDirection[i];
    float factor = 1.0;
#if POSITIONAL
    if (type != 3) factor = reach(i, toLight);
    if (type == 2) factor *= cone(i, toLight);
#endif
    return uLightColor[i] * max(dot(normal, toLight), 0.0) * factor;
}
#endif

void main() {
    vec4 texel = texture(uTexture, vUv);
#if !LIGHTING
    fragColor = texel;
#elif SATURATED
    // Whatever the lights add, the colour stays clamped at white.
    fragColor = vec4(texel.rgb, uMaterialAlpha * texel.a);
#else
    float normalLength = length(vNormal);
    vec3 normal = normalLength > 0.0 ? vNormal / normalLength : vec3(0.0);
    vec3 color = uBase;
#if LIGHT0
    color += lightTerm(0, LIGHT0, normal);
#endif
#if LIGHT1
    color += lightTerm(1, LIGHT1, normal);
#endif
    fragColor = vec4(texel.rgb * clamp(color, 0.0, 1.0), uMaterialAlpha * texel.a);
#endif
}
)glsl";

// Positions in screen pixels from the top left, texture coordinates in
// texels; texelFetch copies exactly, with no filtering to blur the edges.
const char* const kCopyVertex = R"glsl(
#version 330 core
layout(location = 0) in vec2 aPixel;
layout(location = 1) in vec2 aTexel;
layout(location = 2) in vec4 aRect;
layout(location = 3) in float aKey;

uniform vec2 uScreenSize;

out vec2 vTexel;
flat out vec4 vRect;
flat out float vKey;

void main() {
    vTexel = aTexel;
    vRect = aRect;
    vKey = aKey;
    vec2 ndc = aPixel / uScreenSize * 2.0 - 1.0;
    gl_Position = vec4(ndc.x, -ndc.y, 0.0, 1.0);
}
)glsl";

// SHARP 0 for whole factors (texel by texel), 1 between them.
const char* const kCopyFragment = R"glsl(
uniform sampler2D uSurface;
uniform vec2 uScale;  // buffer pixels per picture pixel

in vec2 vTexel;
flat in vec4 vRect;   // the source rectangle: left, top, right, bottom
flat in float vKey;
out vec4 fragColor;

// A texel of the source rectangle; outside it, the nearest one inside, so
// that nothing of the neighbours on the shared texture bleeds in.
vec4 texel(ivec2 at) {
    return texelFetch(uSurface, clamp(at, ivec2(vRect.xy), ivec2(vRect.zw) - 1), 0);
}

// Texels are whole bytes, so black compares exactly.
bool seeThrough(vec4 c) {
    return vKey > 0.5 && c.r + c.g + c.b == 0.0;
}

void main() {
#if !SHARP
    // Whole factors never reach outside the rectangle.
    vec4 nearest = texelFetch(uSurface, ivec2(floor(vTexel)), 0);
    if (seeThrough(nearest)) discard;
    fragColor = vec4(nearest.rgb, 1.0);
#else
    vec4 nearest = texel(ivec2(floor(vTexel)));
    if (seeThrough(nearest)) discard;
    // Each texel keeps its own colour; only across its edges, over one
    // buffer pixel, it blends into the next: one linear fetch at a place
    // moved toward the nearest texel's centre, kept inside the rectangle.
    // A keyed copy stays texel by texel, so that no black seeps in.
    vec2 p = vTexel - 0.5;
    vec2 at = floor(p) + clamp((fract(p) - 0.5) * uScale + 0.5, 0.0, 1.0) + 0.5;
    at = clamp(at, vRect.xy + 0.5, vRect.zw - 0.5);
    fragColor = vKey > 0.5 ? vec4(nearest.rgb, 1.0)
                           : vec4(texture(uSurface, at / vec2(textureSize(uSurface, 0))).rgb, 1.0);
#endif
}
)glsl";

}  // namespace platform::sdl::shaders
