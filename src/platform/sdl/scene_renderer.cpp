#include "platform/sdl/scene_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/sdl/gl_texture.h"

namespace platform::sdl {
namespace {

GLuint makeSampler(GLint magnification) {
    GLuint sampler = 0;
    glGenSamplers(1, &sampler);
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, magnification);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return sampler;
}

float channel(std::uint32_t argb, int shift) {
    return static_cast<float>((argb >> shift) & 0xFF) / 255.0f;
}

// The viewport's rectangle in the buffer's pixels, rows from the bottom.
Rect bufferRect(const BufferScale& buffer, const Viewport& v) {
    return buffer.glRect(Rect{v.x, v.y, v.width, v.height});
}

}  // namespace

float pixelRadius(const Sphere& placed, const D3DMATRIX& view, const D3DMATRIX& projection,
                  const Viewport& viewport) {
    const D3DVECTOR& c = placed.center;
    // Row vectors: the depth is the view's third column.
    const float depth = c.x * view._13 + c.y * view._23 + c.z * view._33 + view._43;
    const bool perspective = projection._34 != 0.0f;
    if (perspective && depth <= placed.radius) return std::numeric_limits<float>::infinity();
    const float scale = std::max(std::fabs(projection._11) * static_cast<float>(viewport.width),
                                 std::fabs(projection._22) * static_cast<float>(viewport.height));
    return placed.radius / (perspective ? depth : 1.0f) * scale * 0.5f;
}

bool validViewport(const Viewport& v) {
    return v.width > 0 && v.height > 0 && v.x >= 0 && v.y >= 0 &&
           v.width <= kScreenWidth - v.x && v.height <= kScreenHeight - v.y;
}

bool SceneRenderer::create() {
    clearTexture_ = epoxy_gl_version() >= 44 || epoxy_has_gl_extension("GL_ARB_clear_texture");
    // The usual state compiles now, so that a broken shader stops start-up.
    if (!programs_.forState(SceneState())) return false;
    white_ = uploadTexture(Image(1, 1, 0xFFFFFF));
    pointSampler_ = makeSampler(GL_NEAREST);
    linearSampler_ = makeSampler(GL_LINEAR);
    applied_.reset();
    return true;
}

void SceneRenderer::release() {
    meshes_.release();
    glDeleteTextures(static_cast<GLsizei>(textures_.size()), textures_.data());
    textures_.clear();
    glDeleteTextures(1, &white_);
    glDeleteSamplers(1, &pointSampler_);
    glDeleteSamplers(1, &linearSampler_);
    programs_.release();
    white_ = pointSampler_ = linearSampler_ = 0;
    applied_.reset();
}

TextureId SceneRenderer::createTexture(const Image& image) {
    const GLuint texture = uploadTexture(image);
    applied_.reset();  // uploading binds it
    if (texture == 0) return 0;
    textures_.push_back(texture);
    return static_cast<TextureId>(textures_.size());
}

MeshId SceneRenderer::createMesh(const std::vector<MeshVertex>& vertices,
                                 const std::vector<std::uint32_t>& indices) {
    return meshes_.create(vertices, indices);
}

void SceneRenderer::clear(bool target, std::uint32_t color, bool zbuffer, float depth) {
    GLbitfield mask = 0;
    if (target) {
        glClearColor(channel(color, 16), channel(color, 8), channel(color, 0),
                     channel(color, 24));
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (zbuffer) {
        glClearDepth(depth);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (mask == 0) return;
    // Mesa draws a clear that leaves part of the picture as it is (the 3D
    // view beside the panel, the radar) as a full quad through a shader;
    // clearing the rectangle of the textures themselves costs a fraction.
    const Rect r = bufferRect(buffer_, state_.viewport);
    if (clearTexture_ && clearColor_ != 0 && clearDepth_ != 0) {
        if (target) {
            const std::uint8_t rgba[4] = {static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                                          static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 24)};
            glClearTexSubImage(clearColor_, 0, r.x, r.y, 0, r.w, r.h, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        }
        if (zbuffer) {
            glClearTexSubImage(clearDepth_, 0, r.x, r.y, 0, r.w, r.h, 1, GL_DEPTH_COMPONENT, GL_FLOAT,
                               &depth);
        }
        return;
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(r.x, r.y, r.w, r.h);
    glClear(mask);
    glDisable(GL_SCISSOR_TEST);
}

const Frustum& SceneRenderer::frustum() {
    const bool sameView = frustum_ && std::memcmp(&frustumView_, &state_.view, sizeof(D3DMATRIX)) == 0 &&
                          std::memcmp(&frustumProjection_, &state_.projection, sizeof(D3DMATRIX)) == 0;
    if (!sameView) {
        frustum_.emplace(state_.view, state_.projection);
        frustumView_ = state_.view;
        frustumProjection_ = state_.projection;
    }
    return *frustum_;
}

bool SceneRenderer::draw(MeshId mesh, int firstIndex, int indexCount, float vertexScale) {
    bool coarse = false;
    if (const Sphere* bounds = meshes_.bounds(mesh); bounds && (culling_ || coarseDistant_)) {
        const Sphere placed = placedSphere(*bounds, state_.world, vertexScale);
        if (culling_ && !frustum().mayShow(placed)) {
            ++culled_;
            return false;
        }
        // Measured in the buffer's own pixels.
        coarse = coarseDistant_ && pixelRadius(placed, state_.view, state_.projection, state_.viewport) *
                                           buffer_.factorX() < kCoarseBelowPixels;
        coarse_ += coarse;
    }
    SceneProgram* program = programs_.forState(state_);
    if (!program) return false;
    apply(program->id());
    program->upload(state_, vertexScale);
    return meshes_.draw(mesh, firstIndex, indexCount, coarse);
}

GLuint SceneRenderer::boundTexture() const {
    const TextureId id = state_.texture;
    if (id <= 0 || id > static_cast<TextureId>(textures_.size())) return white_;
    return textures_[static_cast<std::size_t>(id) - 1];
}

void SceneRenderer::apply(GLuint program) {
    const bool all = !applied_;
    if (all) {
        applied_.emplace();
        // Front faces wind clockwise on screen; the others are culled.
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CW);
        glCullFace(GL_BACK);
        glDepthFunc(GL_LEQUAL);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glActiveTexture(GL_TEXTURE0);
    }
    Applied& a = *applied_;
    const Viewport& v = state_.viewport;
    if (all || std::memcmp(&a.viewport, &v, sizeof(Viewport)) != 0) {
        const Rect r = bufferRect(buffer_, v);
        glViewport(r.x, r.y, r.w, r.h);
        glDepthRange(v.minZ, v.maxZ);
        a.viewport = v;
    }
    if (all || a.depthTest != state_.depthTest) {
        if (state_.depthTest) glEnable(GL_DEPTH_TEST); else glDisable(GL_DEPTH_TEST);
        a.depthTest = state_.depthTest;
    }
    if (all || a.alphaBlend != state_.alphaBlend) {
        if (state_.alphaBlend) glEnable(GL_BLEND); else glDisable(GL_BLEND);
        a.alphaBlend = state_.alphaBlend;
    }
    if (all || a.program != program) {
        glUseProgram(program);
        a.program = program;
    }
    const GLuint texture = boundTexture();
    if (all || a.texture != texture) {
        glBindTexture(GL_TEXTURE_2D, texture);
        a.texture = texture;
    }
    const GLuint sampler = state_.linearMagnification ? linearSampler_ : pointSampler_;
    if (all || a.sampler != sampler) {
        glBindSampler(0, sampler);
        a.sampler = sampler;
    }
}

}  // namespace platform::sdl
