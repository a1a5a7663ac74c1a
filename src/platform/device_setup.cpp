#include "platform/device_setup.h"

#include "platform/error_texts.h"

namespace {

bool step(bool ok, const char* text, const char*& ErrStr) {
    if (!ok && text) ErrStr = text;
    return ok;
}

platform::Light mainLight() {
    platform::Light light;
    light.type = platform::LightType::Directional;
    light.diffuse = {3.0f, 3.0f, 3.0f, 0.0f};
    light.specular = {1.0f, 1.0f, 1.0f, 0.0f};
    light.direction = {0.0f, 0.0f, -1.0f};
    return light;
}

}  // namespace

bool init_ddraw(platform::Platform& p, Assets& assets, const char*& ErrStr) {
    if (!step(p.createDisplay(), errtext::DirectDrawCreate, ErrStr)) return false;
    if (!step(p.setDisplayMode(), errtext::DisplayMode, ErrStr)) return false;
    if (!step(p.createFlipChain(), errtext::CreateSurface, ErrStr)) return false;
    assets.zeichensatz = bitmap_surface(p, "Zeichensatz.bmp");
    return step(assets.zeichensatz != 0, errtext::LoadingImage, ErrStr);
}

bool init_d3d(platform::Platform& p, const char*& ErrStr) {
    if (!step(p.createDirect3D(), errtext::QueryInterface, ErrStr)) return false;
    if (!p.createZBuffer()) return false;
    return step(p.createDevice(), errtext::DeviceCreation, ErrStr);
}

void setMainLight(platform::Platform& p) { p.setLight(0, mainLight()); }

void create_lights(platform::Platform& p, const D3DVECTOR& position, const D3DVECTOR& direction) {
    p.setLighting(true);
    setMainLight(p);
    toggle_light(p, 0);
    SetSpotlight(p, position, direction);
}

void SetSpotlight(platform::Platform& p, const D3DVECTOR& position, const D3DVECTOR& direction) {
    platform::Light light;
    light.type = platform::LightType::Spot;
    light.diffuse = {0.7f, 0.8f, 1.0f, 0.0f};
    light.specular = {1.5f, 1.5f, 1.5f, 0.0f};
    light.position = position;
    light.direction = direction;
    light.range = 30000.0f;
    light.falloff = 1.0f;
    light.attenuation0 = 1.0f;
    light.theta = 0.628f;
    light.phi = 1.256f;
    p.setLight(1, light);
}

void toggle_light(platform::Platform& p, int index) { p.lightEnable(index, !p.lightEnabled(index)); }

void prepareDevice(platform::Platform& p, const char*& ErrStr, int viewportSize, float nearPlane,
                   std::uint32_t ambient) {
    if (!p.setViewport(0, 0, viewportSize, viewportSize, 0.0f, 1.0f)) ErrStr = errtext::Viewport;
    D3DMATRIX projection;
    D3DUtil_SetProjectionMatrix(projection, 1.0f, 1.0f, nearPlane, 200000.0f);
    p.setTransform(platform::TransformState::Projection, projection);
    p.setAmbient(ambient);
    p.setLinearMagnification(true);
    p.setDepthTest(true);
}

void prepareFrameDevice(platform::Platform& p, const char*& ErrStr) {
    prepareDevice(p, ErrStr, 768, 10.0f, 0x19191919);
}
