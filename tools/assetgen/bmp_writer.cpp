#include "assetgen/bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "assetgen/little_endian.h"

bool writeBmp(const std::string& path, const platform::Image& image) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    std::vector<unsigned char> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + pixelBytes);  // file size
    put32(out, 0);
    put32(out, 54);               // offset of the pixels
    put32(out, 40);               // info header size
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
    put16(out, 1);                // planes
    put16(out, 24);               // bits per pixel
    put32(out, 0);                // no compression
    put32(out, pixelBytes);
    put32(out, 2835);             // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.at(x, y);
            out.push_back(static_cast<unsigned char>(p));        // blue
            out.push_back(static_cast<unsigned char>(p >> 8));   // green
            out.push_back(static_cast<unsigned char>(p >> 16));  // red
        }
        out.resize(out.size() + rowBytes - static_cast<std::uint32_t>(image.width) * 3, 0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
