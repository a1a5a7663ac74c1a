#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>

#include "platform/clock.h"
#include "platform/key_names.h"
#include "platform/sdl/event_pump.h"
#include "platform/sdl/gl_objects.h"
#include "platform/sdl/sdl_desktop.h"
#include "platform/sdl/window_size.h"

namespace platform {

SdlPlatform::SdlPlatform() : gl_(std::make_unique<sdl::GlObjects>()) {}

SdlPlatform::~SdlPlatform() {
    release();
    if (sdlStarted_) SDL_Quit();
}

std::unique_ptr<Platform> createSdlPlatform() { return std::make_unique<SdlPlatform>(); }

void SdlPlatform::setApplicationId(const char* id) {
    // SDL reads them when its video starts.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", id, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", id, 0);
}

// ---------------------------------------------------------------- start-up

bool SdlPlatform::registerWindowClass() {
    if (!sdlStarted_) sdlStarted_ = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    // Gamepads are welcome, not needed: without the subsystem none is seen.
    if (sdlStarted_) SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    if (sdlStarted_ && !SDL_getenv("SDL_VIDEODRIVER")) {
        // Without a display SDL falls back to drawing nowhere; the game would
        // run unseen. Only the tools ask for that, by naming the driver.
        const char* driver = SDL_GetCurrentVideoDriver();
        if (driver && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0)) {
            SDL_Quit();
            sdlStarted_ = false;
        }
    }
    // Opening the sound device takes a while; done now, no frame waits for it.
    if (sdlStarted_) audio_.open();
    return sdlStarted_;
}

bool SdlPlatform::createWindow(const char* caption) {
    if (!sdlStarted_) return false;
    if (window_) return true;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // Depth lives in the back buffer object, not in the window.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);

    SDL_DisplayMode desktop{};
    const bool desktopKnown = SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0;
    int width = windowWidth_ > 0 ? windowWidth_ : kScreenWidth;
    int height = windowHeight_ > 0 ? windowHeight_ : kScreenHeight;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (windowed_) {
        // The picture's own size where the desktop has room for it.
        if (desktopKnown && windowWidth_ <= 0) width = std::min(width, desktop.w), height = std::min(height, desktop.h);
    } else {
        if (desktopKnown) width = desktop.w, height = desktop.h;
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    window_ = SDL_CreateWindow(caption ? caption : "", SDL_WINDOWPOS_CENTERED,
                               SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (window_) SDL_SetWindowMinimumSize(window_, 320, 240);
    return window_ != nullptr;
}

bool SdlPlatform::createDisplay() {
    if (!window_) return false;
    if (!context_) context_ = SDL_GL_CreateContext(window_);
    return context_ != nullptr && SDL_GL_MakeCurrent(window_, context_) == 0;
}

bool SdlPlatform::setDisplayMode() {
    if (!context_) return false;
    sdl::drawableSize(window_, drawableWidth_, drawableHeight_);
    SDL_DisplayMode mode{};
    displayAtSixtyHertz_ =
        SDL_GetWindowDisplayMode(window_, &mode) == 0 && sdl::wantsVsync(mode.refresh_rate);
    applySwapInterval();
    return drawableWidth_ > 0 && drawableHeight_ > 0;
}

void SdlPlatform::applySwapInterval() {
    // Drivers may refuse; the pacer keeps time either way.
    SDL_GL_SetSwapInterval(pacing_ && displayAtSixtyHertz_ ? 1 : 0);
}

void SdlPlatform::setPacing(bool on) {
    pacing_ = on;
    if (context_) applySwapInterval();
}

sdl::PictureLayout SdlPlatform::layoutNow() const {
    sdl::PictureLayout layout =
        sdl::pictureLayout(drawableWidth_, drawableHeight_, renderScale_, softwareRenderer_, maxSamples_);
    if (multisampling_ >= 0) layout.samples = std::min(multisampling_, maxSamples_) > 1 ? multisampling_ : 0;
    return layout;
}

bool SdlPlatform::createFlipChain() {
    if (!context_) return false;
    softwareRenderer_ = sdl::isSoftwareRenderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples_);
    layout_ = layoutNow();
    return gl_->backBuffer.createColor(layout_.buffer, layout_.samples);
}

bool SdlPlatform::createDirect3D() { return context_ && epoxy_gl_version() >= 33; }

bool SdlPlatform::createZBuffer() { return context_ && gl_->backBuffer.attachDepth(); }

// The back buffer for a new layout, made between two frames.
bool SdlPlatform::createBackBuffer(const sdl::PictureLayout& layout) {
    gl_->backBuffer.release();
    if (!gl_->backBuffer.createColor(layout.buffer, layout.samples) || !gl_->backBuffer.attachDepth()) {
        // A buffer the driver refuses (too large, too many samples): the
        // picture's own size, as the game started with.
        gl_->backBuffer.release();
        if (!gl_->backBuffer.createColor(sdl::BufferScale{}, 0) || !gl_->backBuffer.attachDepth()) return false;
    }
    const sdl::BackBuffer& buffer = gl_->backBuffer;
    gl_->scene.setTarget(buffer.size(), buffer.samples() > 0 ? 0 : buffer.colorTexture(), buffer.depthTexture());
    gl_->retained.forget();
    return true;
}

bool SdlPlatform::createDevice() {
    if (!context_ || gl_->backBuffer.colorTexture() == 0) return false;
    if (!deviceReady_) deviceReady_ = gl_->sprites.create() && gl_->scene.create();
    const sdl::BackBuffer& buffer = gl_->backBuffer;
    buffer.bind();
    gl_->scene.setTarget(buffer.size(), buffer.samples() > 0 ? 0 : buffer.colorTexture(), buffer.depthTexture());
    mode_ = Mode::None;
    return deviceReady_;
}

void SdlPlatform::acquireMouse() {
    mouseWanted_ = true;
    // Captured now only if the window has the focus; else when it gets it.
    // Not every driver can; the game then just gets no mouse movement.
    if (window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0) {
        SDL_SetRelativeMouseMode(SDL_TRUE);
    }
}

bool SdlPlatform::fullScreen() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlPlatform::toggleFullScreen() { setFullScreen(!fullScreen()); }

void SdlPlatform::setFullScreen(bool on) {
    windowed_ = !on;
    if (window_) SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

std::string SdlPlatform::keyLabel(int key) const {
    const SDL_Keycode code = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(key));
    const std::string label = code == SDLK_UNKNOWN ? "" : inFontCharacters(SDL_GetKeyName(code));
    return label.empty() ? keyName(key) : label;
}

bool SdlPlatform::handleWindowEvent(const SDL_Event& event) {
    gamepads_.notice(event);
    switch (sdl::windowAction(event)) {
        case sdl::WindowAction::ToggleFullScreen: toggleFullScreen(); return true;
        case sdl::WindowAction::Swallow: return true;
        case sdl::WindowAction::CaptureMouse:
            if (mouseWanted_) SDL_SetRelativeMouseMode(SDL_TRUE);
            return false;
        case sdl::WindowAction::ReleaseMouse:
            // The desktop stays usable while the game is in the background.
            SDL_SetRelativeMouseMode(SDL_FALSE);
            return false;
        case sdl::WindowAction::None: break;
    }
    return false;
}

void SdlPlatform::release() {
    releaseGl();
    if (window_) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        mouseWanted_ = false;
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    audio_.close();
    gamepads_.closeAll();
    // A later start holds no keys.
    keyRepeat_.focusLost();
    // SDL itself stays until the platform goes: the error text is shown
    // after the display is released, and without a video driver no box
    // could appear.
}

void SdlPlatform::releaseGl() {
    deviceReady_ = false;
    mode_ = Mode::None;
    if (!context_) return;
    SDL_GL_MakeCurrent(window_, context_);
    gl_->capture.release();
    gl_->retained.forget();
    gl_->scene.release();
    gl_->sprites.release();
    gl_->surfaces.releaseTextures();
    gl_->backBuffer.release();
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
}

// ---------------------------------------------------------------- input

bool SdlPlatform::peekMessage(Message& message) {
    if (input_.takeMessage(message)) return true;
    return sdlStarted_ &&
           sdl::pumpMessage(message, input_, keyRepeat_, SDL_GetTicks,
                            [this](const SDL_Event& event) { return handleWindowEvent(event); });
}

void SdlPlatform::destroyWindow() { input_.postMessage(Message{Message::Destroy, 0}); }

void SdlPlatform::postQuitMessage() { input_.postMessage(Message{Message::Quit, 0}); }

bool SdlPlatform::readMouse(MouseEvent& event) { return input_.readMouse(event); }

void SdlPlatform::postMessage(const Message& message) { input_.postMessage(message); }

void SdlPlatform::postMouse(const MouseEvent& event) { input_.postMouse(event); }

// ---------------------------------------------------------------- sound, desktop, time

void SdlPlatform::playSound(const std::string& file) { audio_.play(file); }

bool SdlPlatform::soundPlaying() const { return audio_.playing(); }

std::uint32_t SdlPlatform::milliseconds() { return systemMilliseconds(); }

void SdlPlatform::messageBox(const char* caption, const char* text) {
    sdl::showMessage(window_, caption ? caption : "", text ? text : "");
}

bool SdlPlatform::openDocument(const std::string& path) { return sdl::openWithDesktop(path); }

bool SdlPlatform::saveScreenshot(const std::string& folder, const std::string& name) {
    return gl_->capture.request(folder, name);
}

std::optional<PictureSaved> SdlPlatform::screenshotSaved(std::string* path) {
    return gl_->capture.takeResult(path);
}

}  // namespace platform
