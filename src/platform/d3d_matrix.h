#pragma once

#include <cstdint>

#include "platform/d3d_vector.h"

// 4 x 4 floats stored row by row, row-vector convention (v' = v * M), the
// translation in the fourth row.
struct D3DMATRIX {
    float _11 = 0, _12 = 0, _13 = 0, _14 = 0;
    float _21 = 0, _22 = 0, _23 = 0, _24 = 0;
    float _31 = 0, _32 = 0, _33 = 0, _34 = 0;
    float _41 = 0, _42 = 0, _43 = 0, _44 = 0;

    float& operator()(int row, int col) { return (&_11)[row * 4 + col]; }
    float operator()(int row, int col) const { return (&_11)[row * 4 + col]; }

    bool operator==(const D3DMATRIX&) const = default;
};

// Status of the builders that can refuse their input. On failure the output
// is left as it was.
using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

void D3DUtil_SetIdentityMatrix(D3DMATRIX& m);
void D3DUtil_SetTranslateMatrix(D3DMATRIX& m, float x, float y, float z);
void D3DUtil_SetScaleMatrix(D3DMATRIX& m, float sx, float sy, float sz);
void D3DUtil_SetRotateXMatrix(D3DMATRIX& m, float angle);
void D3DUtil_SetRotateYMatrix(D3DMATRIX& m, float angle);
void D3DUtil_SetRotateZMatrix(D3DMATRIX& m, float angle);
// Rotation about an arbitrary axis; a zero axis gives the identity.
void D3DUtil_SetRotationMatrix(D3DMATRIX& m, const D3DVECTOR& axis, float angle);

// q = b * a: transforming by q applies b first, then a. q may alias a or b.
void D3DMath_MatrixMultiply(D3DMATRIX& q, const D3DMATRIX& a, const D3DMATRIX& b);

// out = in * m with the perspective divide; out may alias in.
HRESULT D3DMath_VectorMatrixMultiply(D3DVECTOR& out, const D3DVECTOR& in, const D3DMATRIX& m);

HRESULT D3DUtil_SetViewMatrix(D3DMATRIX& m, const D3DVECTOR& from, const D3DVECTOR& at,
                              const D3DVECTOR& worldUp);
// The same camera built from its direction instead of a point to look at:
// far from the origin, eye + direction would lose the direction to rounding.
HRESULT D3DUtil_SetViewMatrixAlong(D3DMATRIX& m, const D3DVECTOR& from, const D3DVECTOR& direction,
                                   const D3DVECTOR& worldUp);
HRESULT D3DUtil_SetProjectionMatrix(D3DMATRIX& m, float fov, float aspect, float nearPlane,
                                    float farPlane);

// The world matrix of a placed object: rotX(ang.x) * rotY(ang.y) * rotZ(ang.z)
// * translate(pos), so the object turns about the world X, Y and Z axes in
// that order and is then moved.
D3DMATRIX objectMatrix(const D3DVECTOR& pos, const D3DVECTOR& ang);
