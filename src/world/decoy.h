#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"

// The lure against enemy missiles. Hit by one it explodes for 100 frames and
// is gone.
struct Decoy {
    D3DVECTOR pos;
    D3DVECTOR ang{0.0f, 0.0f, 9000.0f};
    std::int32_t explode = 0;  // 0 while whole, then frames of the explosion left
};
