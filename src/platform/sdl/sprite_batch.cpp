#include "platform/sdl/sprite_batch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "platform/sdl/gl_program.h"
#include "platform/sdl/gl_shaders.h"

namespace platform::sdl {
namespace {

constexpr int kFloatsPerVertex = 9;

// Cuts `count` pixels off the start of a span on both rectangles.
void trimStart(int& dest, int& source, int& length, int count) {
    dest += count;
    source += count;
    length -= count;
}

void attribute(GLuint index, int floats, int offset) {
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, floats, GL_FLOAT, GL_FALSE, kFloatsPerVertex * sizeof(float),
                          reinterpret_cast<const void*>(offset * sizeof(float)));
}

bool whole(float factor) { return factor == std::floor(factor); }

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
    for (int sharp = 0; sharp < 2; ++sharp) {
        const std::string fragment =
            std::string("#version 330 core\n#define SHARP ") + (sharp ? "1" : "0") + "\n" + shaders::kCopyFragment;
        Program& program = programs_[sharp];
        program.id = buildProgram(sharp ? "sharp copy" : "copy", shaders::kCopyVertex, fragment.c_str());
        if (program.id == 0) return false;
        glUseProgram(program.id);
        glUniform1i(glGetUniformLocation(program.id, "uSurface"), 0);
        program.screenSize = glGetUniformLocation(program.id, "uScreenSize");
        program.scale = glGetUniformLocation(program.id, "uScale");
    }

    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    attribute(0, 2, 0);  // picture pixel
    attribute(1, 2, 2);  // texel
    attribute(2, 4, 4);  // the source rectangle in the texture
    attribute(3, 1, 8);  // colour key
    return true;
}

void SpriteBatch::release() {
    for (Program& program : programs_) {
        glDeleteProgram(program.id);
        program = Program{};
    }
    glDeleteVertexArrays(1, &vertexArray_);
    glDeleteBuffers(1, &vertexBuffer_);
    vertexArray_ = vertexBuffer_ = 0;
    vertices_.clear();
}

void SpriteBatch::use(const Program& program, float width, float height, float factorX, float factorY) const {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glUseProgram(program.id);
    glUniform2f(program.screenSize, width, height);
    glUniform2f(program.scale, factorX, factorY);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glActiveTexture(GL_TEXTURE0);
    glBindSampler(0, 0);
}

void SpriteBatch::bindState(const BufferScale& buffer) const {
    glViewport(0, 0, buffer.width, buffer.height);
    const bool sharp = !whole(buffer.factorX()) || !whole(buffer.factorY());
    use(programs_[sharp], kScreenWidth, kScreenHeight, buffer.factorX(), buffer.factorY());
}

void SpriteBatch::add(GLuint texture, int textureX, int textureY, bool colorKey, const BlitRects& rects) {
    if (!vertices_.empty() && texture != texture_) flush();
    texture_ = texture;

    const auto x0 = static_cast<float>(rects.dest.x);
    const auto y0 = static_cast<float>(rects.dest.y);
    const auto x1 = static_cast<float>(rects.dest.x + rects.dest.w);
    const auto y1 = static_cast<float>(rects.dest.y + rects.dest.h);
    const auto u0 = static_cast<float>(textureX + rects.source.x);
    const auto v0 = static_cast<float>(textureY + rects.source.y);
    const auto u1 = u0 + static_cast<float>(rects.source.w);
    const auto v1 = v0 + static_cast<float>(rects.source.h);
    const float key = colorKey ? 1.0f : 0.0f;
    for (const auto& [x, y, u, v] : {std::array{x0, y0, u0, v0}, std::array{x1, y0, u1, v0},
                                     std::array{x0, y1, u0, v1}, std::array{x0, y1, u0, v1},
                                     std::array{x1, y0, u1, v0}, std::array{x1, y1, u1, v1}}) {
        vertices_.insert(vertices_.end(), {x, y, u, v, u0, v0, u1, v1, key});
    }
}

void SpriteBatch::flush() {
    if (vertices_.empty()) return;
    glBindTexture(GL_TEXTURE_2D, texture_);
    // A fresh store each time, so the driver need not wait for the last draw.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(float)),
                 vertices_.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices_.size() / kFloatsPerVertex));
    vertices_.clear();
    ++draws_;
}

void SpriteBatch::drawPicture(GLuint texture, int width, int height, float factorX, float factorY) {
    flush();
    use(programs_[!whole(factorX) || !whole(factorY)], static_cast<float>(width), static_cast<float>(height), factorX,
        factorY);
    // Rows from the bottom: the top of the screen shows the texture's last row.
    const BlitRects whole{{0, 0, width, height}, {0, 0, width, height}};
    add(texture, 0, 0, false, whole);
    const auto h = static_cast<float>(height);
    for (std::size_t i = 3; i < vertices_.size(); i += kFloatsPerVertex) vertices_[i] = h - vertices_[i];
    flush();
}

}  // namespace platform::sdl
