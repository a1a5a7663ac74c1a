// Feeds arbitrary bytes to the bitmap loader. Besides crashes and undefined
// behaviour it stops on an image it took whose size does not match its
// pixels or lies outside what the loader promises.
#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::Image image(1, 1);
    if (!platform::loadBitmapFromMemory(data, size, image)) {
        check(image.width == 1 && image.height == 1);  // a refused bitmap leaves the image
        return 0;
    }
    check(image.width > 0 && image.height > 0);
    check(image.width <= platform::kLargestBitmap && image.height <= platform::kLargestBitmap);
    check(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
    for (const std::uint32_t p : image.pixels) check((p >> 24) == 0);
    return 0;
}
