#include "platform/sdl/gl_texture.h"

namespace platform::sdl {

std::vector<std::uint8_t> rgbaBytes(const Image& image) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(image.pixels.size() * 4);
    for (const std::uint32_t pixel : image.pixels) {
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
        bytes.push_back(static_cast<std::uint8_t>(pixel));
        bytes.push_back(255);
    }
    return bytes;
}

void replaceTexture(GLuint texture, const Image& image) {
    // GL_RGBA with GL_UNSIGNED_BYTE: the layout llvmpipe takes without a
    // slow conversion.
    const std::vector<std::uint8_t> bytes = rgbaBytes(image);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, bytes.data());
}

Image imageFromGlRows(const std::vector<std::uint8_t>& rgba, int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = &rgba[static_cast<std::size_t>(height - 1 - y) * width * 4];
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* texel = row + static_cast<std::size_t>(x) * 4;
            image.at(x, y) = (std::uint32_t{texel[0]} << 16) | (std::uint32_t{texel[1]} << 8) | texel[2];
        }
    }
    return image;
}

GLuint uploadTexture(const Image& image) {
    if (image.width <= 0 || image.height <= 0) return 0;
    GLuint texture = 0;
    glGenTextures(1, &texture);
    replaceTexture(texture, image);
    // No mipmaps, so the minification filter must not ask for them.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return texture;
}

}  // namespace platform::sdl
