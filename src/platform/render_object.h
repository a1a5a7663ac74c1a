#pragma once

#include "platform/d3dfile.h"

// Draws a mesh turned by ang (about x, then y, then z), moved to pos, its
// positions multiplied by scale; a negative scale turns it inside out, which
// is how the sky sphere is seen from within. Afterwards the device's world
// matrix is the object's and world is the identity, which is returned. A null
// mesh draws nothing and world comes back as it was.
D3DMATRIX& Render_Object(platform::Platform& p, CD3DFile* lpXFile, D3DVECTOR pos, D3DVECTOR ang,
                         float scale, D3DMATRIX& world);

// The same with the mesh first stretched along its own axes; gates and
// stations are flattened with (1, 0.2, 1).
D3DMATRIX& Render_ScaledObject(platform::Platform& p, CD3DFile* lpXFile, D3DVECTOR pos,
                               D3DVECTOR ang, float scale, D3DMATRIX& world, float xScale,
                               float yScale, float zScale);
