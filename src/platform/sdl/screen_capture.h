#pragma once

#include <epoxy/gl.h>

#include <optional>
#include <string>

#include "platform/picture_file.h"
#include "platform/platform.h"

namespace platform::sdl {

// Screenshots of the picture as shown: read from the window's back buffer
// after the present into a pixel buffer, which the renderer fills while the
// game goes on; a later frame hands the bytes to the writer's thread, which
// turns them into a picture and saves it.
class ScreenCapture {
public:
    // False while a screenshot is still under way.
    bool request(const std::string& folder, const std::string& name);
    // The present has put the picture into `shown` of the window's back
    // buffer, which is bound for reading.
    void shown(const Rect& shown);
    std::optional<PictureSaved> takeResult(std::string* path) { return writer_.takeResult(path); }
    void release();  // the context must be current; drops a read under way

private:
    void collect();

    std::optional<std::pair<std::string, std::string>> wanted_;  // folder, name
    std::pair<std::string, std::string> reading_;
    GLuint pixels_ = 0;
    GLsync fence_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    PictureWriter writer_;
};

}  // namespace platform::sdl
