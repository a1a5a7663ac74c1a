#include "world/gate.h"

#include <numbers>

Gate::Gate(int side_) : side(side_) {
    constexpr float kHalfPi = std::numbers::pi_v<float> / 2.0f;
    switch (side) {
        case 0: pos = {0.0f, 0.0f, 32000.0f}; ang = {kHalfPi, 0.0f, 0.0f}; break;
        case 1: pos = {0.0f, 0.0f, -32000.0f}; ang = {kHalfPi, 0.0f, 0.0f}; break;
        case 2: pos = {-32000.0f, 0.0f, 0.0f}; ang = {kHalfPi, kHalfPi, 0.0f}; break;
        default: pos = {32000.0f, 0.0f, 0.0f}; ang = {kHalfPi, kHalfPi, 0.0f}; break;
    }
}
