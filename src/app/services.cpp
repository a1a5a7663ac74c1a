// What the game's rules ask of the shell, carried out on the platform.
#include "app/app.h"
#include "app/frame.h"
#include "platform/device_setup.h"

void App::Sound(Klang effekt) { playEffect(platform, effekt); }

void App::setMainLight() { ::setMainLight(platform); }

void App::SetSpotlight(const D3DVECTOR& position, const D3DVECTOR& direction) {
    ::SetSpotlight(platform, position, direction);
}

void App::reloadSunMesh() { ::reloadSunMesh(platform, meshes, ErrStr); }

std::uint32_t App::timeGetTime() {
    if (clockSource) return clockSource();
    const std::uint32_t ms = platform.milliseconds();
    if (onClock) onClock(ms);
    return ms;
}
