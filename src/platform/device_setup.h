#pragma once

#include "platform/assets.h"
#include "platform/platform.h"

// The display: drawing context, full-screen mode, back buffer and the font.
// Stores the error text of the first step that fails.
bool init_ddraw(platform::Platform& p, Assets& assets, const char*& ErrStr);

// The 3D interface, the depth buffer and the device. A depth buffer that
// cannot be made ends start-up without a text.
bool init_d3d(platform::Platform& p, const char*& ErrStr);

// Lighting on; light 0 (the white directional main light) set and on; light
// 1 (the ship's spotlight, at the ship's place along its nose) defined and
// off.
void create_lights(platform::Platform& p, const D3DVECTOR& position, const D3DVECTOR& direction);

// Sets light 0 again; every location build does this.
void setMainLight(platform::Platform& p);

// Light 1 follows the ship: at its position, along its forward vector.
void SetSpotlight(platform::Platform& p, const D3DVECTOR& position, const D3DVECTOR& direction);

// Switches a light on if it is off, off if it is on.
void toggle_light(platform::Platform& p, int index);

// A square viewport at the top left with the game's projection (field of
// view 1, the given near plane), ambient light, linear magnification and
// depth test. A viewport that cannot be set stores its error text.
void prepareDevice(platform::Platform& p, const char*& ErrStr, int viewportSize, float nearPlane,
                   std::uint32_t ambient);

// The device state every frame starts with: the 768 x 768 viewport, the
// flight projection, dim ambient light, linear magnification, depth test.
void prepareFrameDevice(platform::Platform& p, const char*& ErrStr);
