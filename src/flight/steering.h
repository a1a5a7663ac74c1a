#pragma once

#include "platform/d3d_vector.h"

// Where a body with Euler angles ang points its nose: the y axis turned
// about x, then y, then z.
D3DVECTOR heading(const D3DVECTOR& ang);

// The way from pos to an aim point, divided by the mean of its three
// axis-plane distances (not by its own length), and that mean.
struct Aim {
    D3DVECTOR d;
    float m = 0.0f;
    bool there() const { return m == 0.0f; }  // exactly at the aim point: d stays 0
};
Aim aimAt(const D3DVECTOR& target, const D3DVECTOR& pos);

// Adds a turn to an angle; one that passes a full turn starts again at 0.
// Angles may fall below 0 and stay there.
void turnAngle(float& angle, float by);
