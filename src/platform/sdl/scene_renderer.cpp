#include "platform/sdl/scene_renderer.h"

#include "platform/sdl/gl_program.h"
#include "platform/sdl/gl_shaders.h"
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

// Viewports are given from the top left; OpenGL counts rows from the bottom.
void scissorTo(const Viewport& v) {
    glScissor(v.x, kScreenHeight - v.y - v.height, v.width, v.height);
}

}  // namespace

bool validViewport(const Viewport& v) {
    return v.width > 0 && v.height > 0 && v.x >= 0 && v.y >= 0 &&
           v.width <= kScreenWidth - v.x && v.height <= kScreenHeight - v.y;
}

bool SceneRenderer::create() {
    program_ = buildProgram("scene", shaders::kSceneVertex, shaders::kSceneFragment);
    if (program_ == 0) return false;
    uniforms_.locate(program_);
    white_ = uploadTexture(Image(1, 1, 0xFFFFFF));
    pointSampler_ = makeSampler(GL_NEAREST);
    linearSampler_ = makeSampler(GL_LINEAR);
    dirty_ = true;
    return true;
}

void SceneRenderer::release() {
    meshes_.release();
    glDeleteTextures(static_cast<GLsizei>(textures_.size()), textures_.data());
    textures_.clear();
    glDeleteTextures(1, &white_);
    glDeleteSamplers(1, &pointSampler_);
    glDeleteSamplers(1, &linearSampler_);
    glDeleteProgram(program_);
    white_ = pointSampler_ = linearSampler_ = program_ = 0;
}

TextureId SceneRenderer::createTexture(const Image& image) {
    const GLuint texture = uploadTexture(image);
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
    glEnable(GL_SCISSOR_TEST);
    scissorTo(state_.viewport);
    glClear(mask);
    glDisable(GL_SCISSOR_TEST);
}

void SceneRenderer::draw(MeshId mesh, int firstIndex, int indexCount, float vertexScale) {
    if (dirty_) apply();
    uniforms_.uploadVertexScale(vertexScale);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, boundTexture());
    glBindSampler(0, state_.linearMagnification ? linearSampler_ : pointSampler_);
    meshes_.draw(mesh, firstIndex, indexCount);
}

GLuint SceneRenderer::boundTexture() const {
    const TextureId id = state_.texture;
    if (id <= 0 || id > static_cast<TextureId>(textures_.size())) return white_;
    return textures_[static_cast<std::size_t>(id) - 1];
}

void SceneRenderer::apply() {
    const Viewport& v = state_.viewport;
    glViewport(v.x, kScreenHeight - v.y - v.height, v.width, v.height);
    glDepthRange(v.minZ, v.maxZ);

    if (state_.depthTest) {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    // Front faces wind clockwise on screen; the others are culled.
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    if (state_.alphaBlend) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }

    glUseProgram(program_);
    uniforms_.upload(state_);
    dirty_ = false;
}

}  // namespace platform::sdl
