#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>
#include <string>

#include "platform/platform.h"
#include "support/temp_dir.h"

namespace {

using platform::Image;
using platform::loadBitmap;

// Each test works in a fresh directory of its own.
class BitmapTest : public ::testing::Test {
protected:
    static std::string path(const char* name) { return name; }
    TempWorkDir dir_;
};

void putPixel24(SDL_Surface* surface, int x, int y, std::uint8_t r, std::uint8_t g,
                std::uint8_t b) {
    auto* p = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch + x * 3;
    // SDL_PIXELFORMAT_RGB24 is byte order R, G, B.
    p[0] = r;
    p[1] = g;
    p[2] = b;
}

// Three pixels wide, so each stored row needs padding; rows differ, so an
// upside-down read shows.
TEST_F(BitmapTest, Reads24BitPictureTopRowFirst) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_NE(surface, nullptr);
    putPixel24(surface, 0, 0, 0xFF, 0x00, 0x00);
    putPixel24(surface, 1, 0, 0x00, 0xFF, 0x00);
    putPixel24(surface, 2, 0, 0x00, 0x00, 0xFF);
    putPixel24(surface, 0, 1, 0x12, 0x34, 0x56);
    putPixel24(surface, 1, 1, 0x00, 0x00, 0x00);
    putPixel24(surface, 2, 1, 0xFF, 0xFF, 0xFF);
    ASSERT_EQ(SDL_SaveBMP(surface, path("rgb.bmp").c_str()), 0);
    SDL_FreeSurface(surface);

    Image image;
    ASSERT_TRUE(loadBitmap(path("rgb.bmp"), image));
    ASSERT_EQ(std::pair(image.width, image.height), std::pair(3, 2));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0, 0xFFFFFF}));
}

// A missing file, or one that is no bitmap, is refused and leaves the
// picture as it was.
TEST_F(BitmapTest, FilesThatAreNoBitmapsAreRefused) {
    std::ofstream(path("text.bmp")) << "not a picture at all";
    for (const char* file : {"none.bmp", "text.bmp"}) {
        Image image(2, 2, 0xABCDEF);
        EXPECT_FALSE(loadBitmap(path(file), image)) << file;
        EXPECT_EQ(image.pixels, std::vector<std::uint32_t>(4, 0xABCDEF)) << file;
    }
}

// A header that claims a huge picture is refused before room is made for
// it; inputs the fuzzer found are kept and must stay harmless.
TEST_F(BitmapTest, HeadersClaimingHugePicturesAreRefused) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(SDL_SaveBMP(surface, path("klein.bmp").c_str()), 0);
    SDL_FreeSurface(surface);
    std::ifstream in(path("klein.bmp"), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 26u);

    Image image;
    EXPECT_TRUE(platform::loadBitmapFromMemory(bytes.data(), bytes.size(), image));
    EXPECT_EQ(image.width, 3);
    const auto withSize = [&](std::uint32_t w, std::uint32_t h) {
        std::vector<unsigned char> b = bytes;
        for (int i = 0; i < 4; ++i) {
            b[18 + i] = static_cast<unsigned char>(w >> (8 * i));
            b[22 + i] = static_cast<unsigned char>(h >> (8 * i));
        }
        Image out(1, 1);
        return platform::loadBitmapFromMemory(b.data(), b.size(), out);
    };
    EXPECT_FALSE(withSize(platform::kLargestBitmap + 1, 2));
    // A whole picture one pixel too wide is refused; one at the limit is read.
    for (const int width : {platform::kLargestBitmap, platform::kLargestBitmap + 1}) {
        SDL_Surface* wide = SDL_CreateRGBSurfaceWithFormat(0, width, 1, 24, SDL_PIXELFORMAT_RGB24);
        ASSERT_NE(wide, nullptr);
        ASSERT_EQ(SDL_SaveBMP(wide, path("breit.bmp").c_str()), 0);
        SDL_FreeSurface(wide);
        EXPECT_EQ(loadBitmap(path("breit.bmp"), image), width <= platform::kLargestBitmap) << width;
    }
    EXPECT_FALSE(withSize(3, 0x80000000u));  // the most negative height
    EXPECT_FALSE(withSize(100000, 100000));
    EXPECT_FALSE(withSize(0, 2));

    for (const auto& entry : std::filesystem::directory_iterator(BITMAP_REGRESSION_DIR)) {
        Image regression;
        loadBitmap(entry.path().string(), regression);
        EXPECT_LE(regression.width, platform::kLargestBitmap) << entry.path();
    }
}

}  // namespace
