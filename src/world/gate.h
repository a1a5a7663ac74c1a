#pragma once

#include "platform/d3d_vector.h"

// A gate at one side of the location's space.
//   side 0: (0, 0, 32000)   the sun gate, toward the next planet inward
//   side 1: (0, 0, -32000)  the outer gate and the star gate
//   side 2: (-32000, 0, 0)  the planet gate, back toward the planet
//   side 3: (32000, 0, 0)   the moon gate, to the next moon
struct Gate {
    D3DVECTOR pos;
    D3DVECTOR ang;
    int side = 0;

    explicit Gate(int side);
};
