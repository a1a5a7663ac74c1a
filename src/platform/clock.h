#pragma once

#include <cstdint>

// Milliseconds of the monotonic system clock, counting from the system's
// start and wrapping after 49 days: the clock that seeds every arrival.
std::uint32_t systemMilliseconds();
