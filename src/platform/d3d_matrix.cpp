#include "platform/d3d_matrix.h"

#include <cmath>

void D3DUtil_SetIdentityMatrix(D3DMATRIX& m) {
    m = D3DMATRIX{};
    m._11 = m._22 = m._33 = m._44 = 1.0f;
}

void D3DUtil_SetTranslateMatrix(D3DMATRIX& m, float x, float y, float z) {
    D3DUtil_SetIdentityMatrix(m);
    m._41 = x;
    m._42 = y;
    m._43 = z;
}

void D3DUtil_SetScaleMatrix(D3DMATRIX& m, float sx, float sy, float sz) {
    D3DUtil_SetIdentityMatrix(m);
    m._11 = sx;
    m._22 = sy;
    m._33 = sz;
}

void D3DUtil_SetRotateXMatrix(D3DMATRIX& m, float angle) {
    D3DUtil_SetIdentityMatrix(m);
    m._22 = std::cos(angle);
    m._23 = std::sin(angle);
    m._32 = -std::sin(angle);
    m._33 = std::cos(angle);
}

void D3DUtil_SetRotateYMatrix(D3DMATRIX& m, float angle) {
    D3DUtil_SetIdentityMatrix(m);
    m._11 = std::cos(angle);
    m._13 = -std::sin(angle);
    m._31 = std::sin(angle);
    m._33 = std::cos(angle);
}

void D3DUtil_SetRotateZMatrix(D3DMATRIX& m, float angle) {
    D3DUtil_SetIdentityMatrix(m);
    m._11 = std::cos(angle);
    m._12 = std::sin(angle);
    m._21 = -std::sin(angle);
    m._22 = std::cos(angle);
}

void D3DUtil_SetRotationMatrix(D3DMATRIX& m, const D3DVECTOR& axis, float angle) {
    D3DUtil_SetIdentityMatrix(m);
    if (squareMagnitude(axis) == 0.0f) {
        return;  // no axis to turn about
    }
    const D3DVECTOR v = normalize(axis);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float t = 1.0f - c;

    m._11 = v.x * v.x * t + c;
    m._12 = v.x * v.y * t - v.z * s;
    m._13 = v.x * v.z * t + v.y * s;
    m._21 = v.y * v.x * t + v.z * s;
    m._22 = v.y * v.y * t + c;
    m._23 = v.y * v.z * t - v.x * s;
    m._31 = v.z * v.x * t - v.y * s;
    m._32 = v.z * v.y * t + v.x * s;
    m._33 = v.z * v.z * t + c;
}

void D3DMath_MatrixMultiply(D3DMATRIX& q, const D3DMATRIX& a, const D3DMATRIX& b) {
    D3DMATRIX result;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += b(i, k) * a(k, j);
            }
            result(i, j) = sum;
        }
    }
    q = result;
}

HRESULT D3DMath_VectorMatrixMultiply(D3DVECTOR& out, const D3DVECTOR& in, const D3DMATRIX& m) {
    const float x = in.x * m._11 + in.y * m._21 + in.z * m._31 + m._41;
    const float y = in.x * m._12 + in.y * m._22 + in.z * m._32 + m._42;
    const float z = in.x * m._13 + in.y * m._23 + in.z * m._33 + m._43;
    const float w = in.x * m._14 + in.y * m._24 + in.z * m._34 + m._44;
    if (std::fabs(w) < 0.00001f) {
        return E_INVALIDARG;
    }
    out = {x / w, y / w, z / w};
    return S_OK;
}

namespace {

// The camera looking along the unit vector view from the point from.
HRESULT buildView(D3DMATRIX& m, const D3DVECTOR& from, const D3DVECTOR& view, const D3DVECTOR& worldUp) {
    // The up vector is the world up without its part along the view.
    D3DVECTOR up = worldUp - view * dotProduct(worldUp, view);
    if (magnitude(up) < 1e-6f) {
        up = D3DVECTOR(0.0f, 1.0f, 0.0f) - view * view.y;
        if (magnitude(up) < 1e-6f) {
            up = D3DVECTOR(0.0f, 0.0f, 1.0f) - view * view.z;
            if (magnitude(up) < 1e-6f) {
                return E_INVALIDARG;
            }
        }
    }
    up /= magnitude(up);
    const D3DVECTOR right = crossProduct(up, view);

    D3DUtil_SetIdentityMatrix(m);
    m._11 = right.x; m._12 = up.x; m._13 = view.x;
    m._21 = right.y; m._22 = up.y; m._23 = view.y;
    m._31 = right.z; m._32 = up.z; m._33 = view.z;
    m._41 = -dotProduct(from, right);
    m._42 = -dotProduct(from, up);
    m._43 = -dotProduct(from, view);
    return S_OK;
}

}  // namespace

HRESULT D3DUtil_SetViewMatrix(D3DMATRIX& m, const D3DVECTOR& from, const D3DVECTOR& at,
                              const D3DVECTOR& worldUp) {
    const D3DVECTOR view = at - from;
    const float length = magnitude(view);
    if (length < 0.000001f) {
        return E_INVALIDARG;
    }
    return buildView(m, from, view / length, worldUp);
}

HRESULT D3DUtil_SetViewMatrixAlong(D3DMATRIX& m, const D3DVECTOR& from, const D3DVECTOR& direction,
                                   const D3DVECTOR& worldUp) {
    const float length = magnitude(direction);
    if (length == 0.0f) {
        return E_INVALIDARG;
    }
    return buildView(m, from, direction / length, worldUp);
}

HRESULT D3DUtil_SetProjectionMatrix(D3DMATRIX& m, float fov, float aspect, float nearPlane,
                                    float farPlane) {
    if (std::fabs(farPlane - nearPlane) < 0.01f) {
        return E_INVALIDARG;
    }
    if (std::fabs(std::sin(fov / 2)) < 0.01f) {
        return E_INVALIDARG;
    }
    const float w = aspect * (std::cos(fov / 2) / std::sin(fov / 2));
    const float h = 1.0f * (std::cos(fov / 2) / std::sin(fov / 2));
    const float q = farPlane / (farPlane - nearPlane);

    m = D3DMATRIX{};
    m._11 = w;
    m._22 = h;
    m._33 = q;
    m._34 = 1.0f;
    m._43 = -q * nearPlane;
    return S_OK;
}

D3DMATRIX objectMatrix(const D3DVECTOR& pos, const D3DVECTOR& ang) {
    D3DMATRIX world, step;
    D3DUtil_SetRotateXMatrix(world, ang.x);
    D3DUtil_SetRotateYMatrix(step, ang.y);
    D3DMath_MatrixMultiply(world, step, world);
    D3DUtil_SetRotateZMatrix(step, ang.z);
    D3DMath_MatrixMultiply(world, step, world);
    D3DUtil_SetTranslateMatrix(step, pos.x, pos.y, pos.z);
    D3DMath_MatrixMultiply(world, step, world);
    return world;
}
