#pragma once

#include "platform/platform.h"

namespace platform::sdl {

// The buffer the picture is drawn into, against the 1024 x 768 picture the
// game draws in: picture pixel edges map to buffer pixel edges, rounded.
struct BufferScale {
    int width = kScreenWidth;
    int height = kScreenHeight;

    int x(int pictureX) const { return edge(pictureX, width, kScreenWidth); }
    int y(int pictureY) const { return edge(pictureY, height, kScreenHeight); }
    // A rectangle of the picture (from the top left) in buffer pixels, rows
    // counted from the bottom as OpenGL does.
    Rect glRect(const Rect& picture) const;
    // Buffer pixels per picture pixel, across and down.
    float factorX() const { return static_cast<float>(width) / kScreenWidth; }
    float factorY() const { return static_cast<float>(height) / kScreenHeight; }
    bool operator==(const BufferScale& other) const {
        return width == other.width && height == other.height;
    }

private:
    static int edge(int at, int to, int from) {
        // Rounded to the nearest, halves up; exact for whole factors.
        return static_cast<int>((static_cast<long long>(at) * to * 2 + from) / (2LL * from));
    }
};

// Where the picture goes in the window and what it is drawn into.
struct PictureLayout {
    Rect shown;          // the letterboxed picture, OpenGL window coordinates
    BufferScale buffer;  // the back buffer's size
    int samples = 0;     // multisampling of the back buffer; 0: none
};

// The layout for a drawable of the given pixels. Multisampling (4 samples,
// or as many as the driver offers below that) only on a graphics card.
PictureLayout pictureLayout(int drawableWidth, int drawableHeight, RenderScale scale,
                            bool softwareRenderer, int maxSamples);

// Whether the OpenGL renderer's name is one of Mesa's software renderers.
bool isSoftwareRenderer(const char* rendererName);

}  // namespace platform::sdl
