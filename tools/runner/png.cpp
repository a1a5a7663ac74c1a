#include "runner/png.h"

#include <stb_image_write.h>

#include <vector>

bool writePng(const std::string& path, const platform::Image& image) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(image.width) * image.height * 3);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t p = image.pixels[i];
        rgb[i * 3 + 0] = static_cast<unsigned char>(p >> 16);
        rgb[i * 3 + 1] = static_cast<unsigned char>(p >> 8);
        rgb[i * 3 + 2] = static_cast<unsigned char>(p);
    }
    return stbi_write_png(path.c_str(), image.width, image.height, 3, rgb.data(), image.width * 3) != 0;
}
