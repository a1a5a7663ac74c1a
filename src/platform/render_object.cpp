#include "platform/render_object.h"

namespace {

D3DMATRIX& draw(platform::Platform& p, CD3DFile& mesh, const D3DMATRIX& placed, float scale,
                D3DMATRIX& world) {
    p.setTransform(platform::TransformState::World, placed);
    mesh.Render(scale);
    D3DUtil_SetIdentityMatrix(world);
    p.setTransform(platform::TransformState::World, placed);
    return world;
}

}  // namespace

D3DMATRIX& Render_Object(platform::Platform& p, CD3DFile* lpXFile, D3DVECTOR pos, D3DVECTOR ang,
                         float scale, D3DMATRIX& world) {
    if (!lpXFile) return world;
    return draw(p, *lpXFile, objectMatrix(pos, ang), scale, world);
}

D3DMATRIX& Render_ScaledObject(platform::Platform& p, CD3DFile* lpXFile, D3DVECTOR pos,
                               D3DVECTOR ang, float scale, D3DMATRIX& world, float xScale,
                               float yScale, float zScale) {
    if (!lpXFile) return world;
    D3DMATRIX stretch;
    D3DUtil_SetScaleMatrix(stretch, xScale, yScale, zScale);
    D3DMATRIX placed;
    D3DMath_MatrixMultiply(placed, objectMatrix(pos, ang), stretch);
    return draw(p, *lpXFile, placed, scale, world);
}
