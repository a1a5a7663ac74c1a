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

void Presenter::present(const BackBuffer& buffer, SpriteBatch& sprites, const Rect& area, int windowWidth,
                        int windowHeight) const {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    if (area.x > 0 || area.y > 0 || area.w < windowWidth || area.h < windowHeight) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    const BufferScale& size = buffer.size();
    const bool wholeX = area.w % size.width == 0;
    const bool wholeY = area.h % size.height == 0;
    if (wholeX && wholeY && area.w / size.width == area.h / size.height) {
        // A copy, not a draw: at the picture's own size the renderer copies
        // rows, which costs about half of drawing it as a textured triangle.
        glBindFramebuffer(GL_READ_FRAMEBUFFER, buffer.resolvedFramebuffer());
        glBlitFramebuffer(0, 0, size.width, size.height, area.x, area.y, area.x + area.w, area.y + area.h,
                          GL_COLOR_BUFFER_BIT, GL_NEAREST);
    } else {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(area.x, area.y, area.w, area.h);
        sprites.drawPicture(buffer.colorTexture(), size.width, size.height,
                            static_cast<float>(area.w) / size.width, static_cast<float>(area.h) / size.height);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace platform::sdl
