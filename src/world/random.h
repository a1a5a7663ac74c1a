#pragma once

#include <cstdint>

// The game's one random generator: a linear congruential generator with the
// constants of the classic C library, so that every draw of the universe and
// of each location is reproducible. The universe is built before the first
// seeding, from the initial state 1.
class Random {
public:
    static constexpr int kMax = 32767;

    // Next value, 0..32767.
    int rand() {
        state_ = state_ * 214013u + 2531011u;
        ++draws_;
        return static_cast<int>((state_ >> 16) & 0x7fff);
    }

    void srand(std::uint32_t seed) { state_ = seed; }

    std::uint32_t state() const { return state_; }

    // Draws made since construction; lets tests and benchmarks count them.
    std::uint64_t draws() const { return draws_; }

private:
    std::uint32_t state_ = 1;
    std::uint64_t draws_ = 0;
};
