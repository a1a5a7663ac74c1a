#include "flight/steering.h"

#include <cmath>

#include "platform/d3d_matrix.h"

namespace {
constexpr float kVolleDrehung = 6.2831855f;
}

D3DVECTOR heading(const D3DVECTOR& ang) {
    // The same turn as the body is drawn with.
    const D3DMATRIX m = objectMatrix({0.0f, 0.0f, 0.0f}, ang);
    D3DVECTOR h;
    D3DMath_VectorMatrixMultiply(h, D3DVECTOR(0.0f, 1.0f, 0.0f), m);
    return h;
}

Aim aimAt(const D3DVECTOR& target, const D3DVECTOR& pos) {
    Aim aim;
    const D3DVECTOR d = target - pos;
    aim.m = (std::sqrt(d.y * d.y + d.z * d.z) + std::sqrt(d.x * d.x + d.z * d.z) + std::sqrt(d.x * d.x + d.y * d.y)) /
            3.0f;
    // At the aim point itself there is no way to go; dividing would make
    // every later number NaN.
    aim.d = aim.there() ? D3DVECTOR(0.0f, 0.0f, 0.0f) : d / aim.m;
    return aim;
}

void turnAngle(float& angle, float by) {
    angle += by;
    if (angle > kVolleDrehung) angle = 0.0f;
}
