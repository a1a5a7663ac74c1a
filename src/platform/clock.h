#pragma once

#include <cstdint>
#include <functional>

// The millisecond clock, as a value that can be replaced: the game reads it
// only to seed the generator on arrival at a location, and tests and tools
// set a fixed value so that traffic and prices are reproducible.
using MillisecondClock = std::function<std::uint32_t()>;

// Milliseconds of the monotonic system clock, wrapping after 49 days.
std::uint32_t systemMilliseconds();

// A clock that always reads the same value.
inline MillisecondClock fixedClock(std::uint32_t value) {
    return [value] { return value; };
}
