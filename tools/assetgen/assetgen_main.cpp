// Writes the game's data files into a directory.
//
//   assetgen OUTDIR [--font FILE.ttf]

#include <cstdio>
#include <filesystem>
#include <string>

#include "assetgen/bmp_writer.h"
#include "assetgen/font.h"

namespace {
constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
}

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--font")) {
        std::fprintf(stderr, "usage: assetgen OUTDIR [--font FILE.ttf]\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::string fontFile = argc == 4 ? argv[3] : kDefaultFont;
    std::error_code ec;
    std::filesystem::create_directories(out, ec);

    const auto font = renderFont(fontFile);
    if (!font) {
        std::fprintf(stderr, "assetgen: cannot render the font from %s\n", fontFile.c_str());
        return 1;
    }
    if (!writeBmp((out / "Zeichensatz.bmp").string(), *font)) {
        std::fprintf(stderr, "assetgen: cannot write into %s\n", out.string().c_str());
        return 1;
    }
    return 0;
}
