#pragma once

#include <array>
#include <cstdint>

#include "platform/platform.h"

namespace platform::sdl {

struct Viewport {
    int x = 0;  // from the top left
    int y = 0;
    int width = kScreenWidth;
    int height = kScreenHeight;
    float minZ = 0.0f;
    float maxZ = 1.0f;
};

// The 3D device's render state, starting as a fresh Direct3D 7 device with
// a depth buffer: identity matrices, lighting and depth test on, black
// material and ambient, no lights, point magnification.
struct SceneState {
    SceneState();

    D3DMATRIX world, view, projection;
    Viewport viewport;
    std::uint32_t ambient = 0;  // ARGB
    bool lighting = true;
    std::array<Light, 2> lights{};
    std::array<bool, 2> lightOn{};
    Material material;
    TextureId texture = 0;
    bool linearMagnification = false;
    bool depthTest = true;
    bool alphaBlend = false;
};

inline SceneState::SceneState() {
    D3DUtil_SetIdentityMatrix(world);
    D3DUtil_SetIdentityMatrix(view);
    D3DUtil_SetIdentityMatrix(projection);
}

}  // namespace platform::sdl
