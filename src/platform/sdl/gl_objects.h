#pragma once

#include "platform/sdl/back_buffer.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/retained_area.h"
#include "platform/sdl/scene_renderer.h"
#include "platform/sdl/screen_capture.h"
#include "platform/sdl/sprite_batch.h"
#include "platform/sdl/surface_store.h"

namespace platform::sdl {

// What the SDL platform draws with.
struct GlObjects {
    BackBuffer backBuffer;
    Presenter presenter;
    SpriteBatch sprites;
    SurfaceStore surfaces;
    SceneRenderer scene;
    ScreenCapture capture;
    RetainedArea retained;
};

}  // namespace platform::sdl
