#include "platform/sdl/presenter.h"

#include <algorithm>
#include <cmath>

#include "platform/sdl/gl_program.h"
#include "platform/sdl/gl_shaders.h"

namespace platform::sdl {

Rect letterbox(int windowWidth, int windowHeight) {
    const double scale = std::min(static_cast<double>(windowWidth) / kScreenWidth,
                                  static_cast<double>(windowHeight) / kScreenHeight);
    Rect rect;
    rect.w = static_cast<int>(std::lround(kScreenWidth * scale));
    rect.h = static_cast<int>(std::lround(kScreenHeight * scale));
    rect.x = (windowWidth - rect.w) / 2;
    rect.y = (windowHeight - rect.h) / 2;
    return rect;
}

bool Presenter::create() {
    program_ = buildProgram("present", shaders::kPresentVertex, shaders::kPresentFragment);
    if (program_ == 0) return false;
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "uPicture"), 0);
    // Core profile draws nothing without a vertex array, even an empty one.
    glGenVertexArrays(1, &vertexArray_);
    return true;
}

void Presenter::release() {
    glDeleteProgram(program_);
    glDeleteVertexArrays(1, &vertexArray_);
    program_ = vertexArray_ = 0;
}

void Presenter::present(GLuint picture, int windowWidth, int windowHeight) const {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glViewport(0, 0, windowWidth, windowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    const Rect area = letterbox(windowWidth, windowHeight);
    glViewport(area.x, area.y, area.w, area.h);
    glUseProgram(program_);
    glBindVertexArray(vertexArray_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, picture);
    glBindSampler(0, 0);
    glDrawArrays(GL_TRIANGLES, 0, 3);
}

}  // namespace platform::sdl
