#include "platform/sdl/presenter.h"

#include <algorithm>
#include <cmath>


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

void Presenter::present(GLuint framebuffer, int windowWidth, int windowHeight) const {
    // A copy, not a draw: at the picture's own size the renderer copies
    // rows, which costs about half of drawing it as a textured triangle.
    const Rect area = letterbox(windowWidth, windowHeight);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    if (area.x > 0 || area.y > 0 || area.w < windowWidth || area.h < windowHeight) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    const bool same = area.w == kScreenWidth && area.h == kScreenHeight;
    glBlitFramebuffer(0, 0, kScreenWidth, kScreenHeight, area.x, area.y, area.x + area.w,
                      area.y + area.h, GL_COLOR_BUFFER_BIT, same ? GL_NEAREST : GL_LINEAR);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace platform::sdl
