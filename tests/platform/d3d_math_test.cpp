#include <gtest/gtest.h>

#include <cmath>

#include "platform/d3d_matrix.h"

namespace {

D3DMATRIX filled(float start) {
    D3DMATRIX m;
    for (int i = 0; i < 16; ++i) m(i / 4, i % 4) = start + static_cast<float>(i);
    return m;
}

}  // namespace

// The view, projection and object matrices of every frame are pinned by the
// scene of every run in tests/tools/pins_test.cpp; here are the degenerate
// cases and the order of products.

TEST(D3DMath, DegenerateProjectionsLeaveTheMatrixAlone) {
    const D3DMATRIX before = filled(3.0f);
    D3DMATRIX m = before;
    EXPECT_EQ(D3DUtil_SetProjectionMatrix(m, 1.0f, 1.0f, 10.0f, 10.005f), E_INVALIDARG);
    EXPECT_EQ(m, before);
    // Half-angle sine near zero: 2 pi and 44 radians (the gate jump's frame 43).
    EXPECT_EQ(D3DUtil_SetProjectionMatrix(m, 2.0f * 3.14159265f, 1.0f, 10.0f, 200000.0f), E_INVALIDARG);
    EXPECT_EQ(D3DUtil_SetProjectionMatrix(m, 44.0f, 1.0f, 10.0f, 200000.0f), E_INVALIDARG);
    EXPECT_EQ(m, before);
    // Other large angles are taken as they are.
    EXPECT_EQ(D3DUtil_SetProjectionMatrix(m, 42.0f, 1.0f, 10.0f, 200000.0f), S_OK);
}

TEST(D3DMath, ViewWithUpAlongTheViewFallsBackOrFails) {
    D3DMATRIX m;
    // Looking straight up with world up (0,1,0): the (0,0,1) fallback gives a
    // valid orthonormal camera.
    ASSERT_EQ(D3DUtil_SetViewMatrix(m, {0, 0, 0}, {0, 50, 0}, {0, 1, 0}), S_OK);
    const D3DVECTOR right{m._11, m._21, m._31}, up{m._12, m._22, m._32}, view{m._13, m._23, m._33};
    EXPECT_NEAR(magnitude(right), 1.0f, 1e-6f);
    EXPECT_NEAR(magnitude(up), 1.0f, 1e-6f);
    EXPECT_NEAR(dotProduct(up, view), 0.0f, 1e-6f);
    EXPECT_NEAR(view.y, 1.0f, 1e-6f);

    const D3DMATRIX before = filled(9.0f);
    m = before;
    EXPECT_EQ(D3DUtil_SetViewMatrix(m, {5, 5, 5}, {5, 5, 5}, {0, 1, 0}), E_INVALIDARG);
    EXPECT_EQ(m, before);
}

TEST(D3DMath, ProductOrderAndAliasing) {
    D3DMATRIX rotZ, move;
    D3DUtil_SetRotateZMatrix(rotZ, 0.5f);
    D3DUtil_SetTranslateMatrix(move, 10, 0, 0);

    // q = b * a: b applies first. Translating then turning moves the point
    // onto the turned x axis.
    D3DMATRIX q;
    D3DMath_MatrixMultiply(q, rotZ, move);
    D3DVECTOR p;
    D3DMath_VectorMatrixMultiply(p, {0, 0, 0}, q);
    EXPECT_NEAR(p.x, 10.0f * std::cos(0.5f), 1e-5f);
    EXPECT_NEAR(p.y, 10.0f * std::sin(0.5f), 1e-5f);

    D3DMATRIX a = filled(1.0f), b = filled(-4.0f), separate;
    D3DMath_MatrixMultiply(separate, a, b);
    D3DMATRIX aliasFirst = a;
    D3DMath_MatrixMultiply(aliasFirst, aliasFirst, b);
    D3DMATRIX aliasSecond = b;
    D3DMath_MatrixMultiply(aliasSecond, a, aliasSecond);
    EXPECT_EQ(aliasFirst, separate);
    EXPECT_EQ(aliasSecond, separate);
}

TEST(D3DMath, RotationsAndDegenerateInputs) {
    // About the y axis the general rotation equals the axis builder.
    D3DMATRIX general, axis;
    D3DUtil_SetRotationMatrix(general, {0, 3, 0}, 0.7f);
    D3DUtil_SetRotateYMatrix(axis, -0.7f);  // the general builder turns the other way round
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(general(i / 4, i % 4), axis(i / 4, i % 4), 1e-6f);

    // A zero axis gives the identity, not NaNs.
    D3DMATRIX m = filled(2.0f), identity;
    D3DUtil_SetIdentityMatrix(identity);
    D3DUtil_SetRotationMatrix(m, {0, 0, 0}, 1.0f);
    EXPECT_EQ(m, identity);

    // Normalising a zero vector leaves it as it is.
    EXPECT_EQ(normalize(D3DVECTOR(0.0f)), D3DVECTOR(0.0f));
    EXPECT_NEAR(magnitude(normalize({3, -4, 12})), 1.0f, 1e-6f);

    // A point through a matrix whose fourth column is zero fails and stays.
    D3DMATRIX flat;
    D3DUtil_SetIdentityMatrix(flat);
    flat._44 = 0;
    D3DVECTOR out{1, 2, 3};
    EXPECT_EQ(D3DMath_VectorMatrixMultiply(out, {4, 5, 6}, flat), E_INVALIDARG);
    EXPECT_EQ(out, D3DVECTOR(1, 2, 3));

    // In-place transformation reads all of the input first.
    D3DMATRIX rot;
    D3DUtil_SetRotateZMatrix(rot, 3.14159265f / 2);
    D3DVECTOR v{1, 0, 0};
    ASSERT_EQ(D3DMath_VectorMatrixMultiply(v, v, rot), S_OK);
    EXPECT_NEAR(v.x, 0.0f, 1e-6f);
    EXPECT_NEAR(v.y, 1.0f, 1e-6f);
}

