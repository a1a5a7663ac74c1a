#include "platform/clock.h"

#include <chrono>

std::uint32_t systemMilliseconds() {
    // The monotonic clock counts from boot, so two starts of the game do not
    // read the same values at their first arrival.
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(now);
}
