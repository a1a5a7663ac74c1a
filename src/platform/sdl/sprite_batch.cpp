#include "platform/sdl/sprite_batch.h"

#include <algorithm>

#include "platform/sdl/gl_program.h"
#include "platform/sdl/gl_shaders.h"

namespace platform::sdl {
namespace {

constexpr int kFloatsPerVertex = 4;

// Cuts `count` pixels off the start of a span on both rectangles.
void trimStart(int& dest, int& source, int& length, int count) {
    dest += count;
    source += count;
    length -= count;
}

}  // namespace

std::optional<BlitRects> clipBlit(int x, int y, const Rect& source, int surfaceWidth,
                                  int surfaceHeight) {
    BlitRects r{{x, y, source.w, source.h}, source};
    if (r.source.x < 0) trimStart(r.dest.x, r.source.x, r.source.w, -r.source.x);
    if (r.source.y < 0) trimStart(r.dest.y, r.source.y, r.source.h, -r.source.y);
    if (r.dest.x < 0) trimStart(r.dest.x, r.source.x, r.source.w, -r.dest.x);
    if (r.dest.y < 0) trimStart(r.dest.y, r.source.y, r.source.h, -r.dest.y);
    r.source.w = std::min({r.source.w, surfaceWidth - r.source.x, kScreenWidth - r.dest.x});
    r.source.h = std::min({r.source.h, surfaceHeight - r.source.y, kScreenHeight - r.dest.y});
    if (r.source.w <= 0 || r.source.h <= 0) return std::nullopt;
    r.dest.w = r.source.w;
    r.dest.h = r.source.h;
    return r;
}

bool SpriteBatch::create() {
    program_ = buildProgram("copy", shaders::kCopyVertex, shaders::kCopyFragment);
    if (program_ == 0) return false;
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "uSurface"), 0);
    glUniform2f(glGetUniformLocation(program_, "uScreenSize"), static_cast<float>(kScreenWidth),
                static_cast<float>(kScreenHeight));
    colorKeyLocation_ = glGetUniformLocation(program_, "uColorKey");

    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    const GLsizei stride = kFloatsPerVertex * sizeof(float);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(2 * sizeof(float)));
    return true;
}

void SpriteBatch::release() {
    glDeleteProgram(program_);
    glDeleteVertexArrays(1, &vertexArray_);
    glDeleteBuffers(1, &vertexBuffer_);
    program_ = vertexArray_ = vertexBuffer_ = 0;
    vertices_.clear();
}

void SpriteBatch::bindState() const {
    glViewport(0, 0, kScreenWidth, kScreenHeight);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glUseProgram(program_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glActiveTexture(GL_TEXTURE0);
    glBindSampler(0, 0);
}

void SpriteBatch::add(GLuint texture, bool colorKey, const BlitRects& rects) {
    if (!vertices_.empty() && (texture != texture_ || colorKey != colorKey_)) flush();
    texture_ = texture;
    colorKey_ = colorKey;

    const auto x0 = static_cast<float>(rects.dest.x);
    const auto y0 = static_cast<float>(rects.dest.y);
    const auto x1 = static_cast<float>(rects.dest.x + rects.dest.w);
    const auto y1 = static_cast<float>(rects.dest.y + rects.dest.h);
    const auto u0 = static_cast<float>(rects.source.x);
    const auto v0 = static_cast<float>(rects.source.y);
    const auto u1 = static_cast<float>(rects.source.x + rects.source.w);
    const auto v1 = static_cast<float>(rects.source.y + rects.source.h);
    vertices_.insert(vertices_.end(), {x0, y0, u0, v0, x1, y0, u1, v0, x0, y1, u0, v1,
                                       x0, y1, u0, v1, x1, y0, u1, v0, x1, y1, u1, v1});
}

void SpriteBatch::flush() {
    if (vertices_.empty()) return;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glUniform1i(colorKeyLocation_, colorKey_ ? 1 : 0);
    // A fresh store each time, so the driver need not wait for the last draw.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(float)),
                 vertices_.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices_.size() / kFloatsPerVertex));
    vertices_.clear();
}

}  // namespace platform::sdl
