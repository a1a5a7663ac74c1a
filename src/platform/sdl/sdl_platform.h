#pragma once

#include <functional>
#include <memory>

#include "platform/input_queue.h"
#include "platform/platform.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/gamepads.h"
#include "platform/sdl/key_repeat.h"
#include "platform/sdl/picture_layout.h"
#include "platform/sdl/sdl_audio.h"

struct SDL_Window;
union SDL_Event;

namespace platform::sdl {
struct GlObjects;
}

namespace platform {

// The platform for play: an SDL2 window showing the 1024 x 768 picture full
// screen or in a resizable window (letterboxed either way), OpenGL 3.3 for
// the 2D copies and the 3D device, SDL_mixer for the sound voice. The
// picture is drawn at the pixels it is shown with (HiDPI included) on a
// graphics card, with 4x multisampling; on a software renderer at 1024 x 768
// and scaled when shown, unless the render scale says otherwise. Alt+Return
// switches between full screen and the window; the picture is laid out
// anew from the window's real size after every switch and resize. The mouse
// is captured only while the window has the focus.
class SdlPlatform final : public Platform {
public:
    SdlPlatform();
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;
    ~SdlPlatform() override;

    bool registerWindowClass() override;
    bool createWindow(const char* caption) override;
    bool createDisplay() override;
    bool setDisplayMode() override;
    bool createFlipChain() override;
    bool createDirect3D() override;
    bool createZBuffer() override;
    bool createDevice() override;
    void acquireMouse() override;
    void release() override;

    bool peekMessage(Message& message) override;
    void destroyWindow() override;
    void postQuitMessage() override;
    bool readMouse(MouseEvent& event) override;
    void postMessage(const Message& message) override;
    void postMouse(const MouseEvent& event) override;

    SurfaceId createSurface(const Image& image) override;
    const Image* surface(SurfaceId id) const override;
    void blit(int x, int y, SurfaceId source, const Rect& sourceRect, bool colorKey) override;
    void fill(const Rect& rect, std::uint32_t color) override;
    void flip() override;
    Image readBackBuffer() override;

    bool setViewport(int x, int y, int width, int height, float minZ, float maxZ) override;
    void setTransform(TransformState state, const D3DMATRIX& matrix) override;
    void setAmbient(std::uint32_t argb) override;
    void setLighting(bool on) override;
    void setLight(int index, const Light& light) override;
    void lightEnable(int index, bool on) override;
    bool lightEnabled(int index) const override;
    void setMaterial(const Material& material) override;
    Material material() const override;
    TextureId texture() const override;
    D3DMATRIX transform(TransformState state) const override;
    bool alphaBlend() const override;
    TextureId createTexture(const Image& image) override;
    void setTexture(TextureId texture) override;
    void setLinearMagnification(bool on) override;
    void setDepthTest(bool on) override;
    void setAlphaBlend(bool on) override;
    void clear(bool target, std::uint32_t color, bool zbuffer, float depth) override;
    bool beginScene() override;
    void endScene() override;
    MeshId createMesh(const std::vector<MeshVertex>& vertices,
                      const std::vector<std::uint32_t>& indices) override;
    void drawMesh(MeshId mesh, int firstIndex, int indexCount, float vertexScale) override;
    void destroyMesh(MeshId mesh) override;

    void playSound(const std::string& file) override;
    bool soundPlaying() const override;
    void setEffectsVolume(int percent) override { audio_.setVolume(percent); }
    void setFullScreen(bool on) override;
    std::string keyLabel(int key) const override;

    std::uint32_t milliseconds() override;
    void messageBox(const char* caption, const char* text) override;
    bool openDocument(const std::string& path) override;
    bool saveScreenshot(const std::string& folder, const std::string& name) override;
    std::optional<PictureSaved> screenshotSaved(std::string* path = nullptr) override;

    // Starts in a window instead of full screen; before createWindow.
    void setWindowed(bool on) { windowed_ = on; }
    // The application id the desktop knows the window by (X11 WM_CLASS,
    // Wayland app id): the name of the program's desktop entry. Before
    // registerWindowClass; SDL_VIDEO_X11_WMCLASS and
    // SDL_VIDEO_WAYLAND_WMCLASS set by the user win.
    static void setApplicationId(const char* id);
    bool fullScreen() const override;
    // The window's size when windowed (the picture's own size by default,
    // as far as the desktop has room); before createWindow.
    void setWindowSize(int width, int height) { windowWidth_ = width, windowHeight_ = height; }

    // How many pixels the picture is drawn with; takes effect with the next
    // frame.
    void setRenderScale(RenderScale scale) override { renderScale_ = scale; }
    // Multisampling of the back buffer: the number of samples, 0 for none,
    // -1 (the default) for 4 on a graphics card and none on a software
    // renderer.
    void setMultisampling(int samples) { multisampling_ = samples; }
    // The layout in use: where the picture is shown, the back buffer's size
    // and samples.
    const sdl::PictureLayout& layout() const { return layout_; }
    bool softwareRenderer() const { return softwareRenderer_; }
    // The last picture as the window shows it, at the size shown (for the
    // tools; the game's screenshots go through saveScreenshot).
    Image readShown();

    // Frames at 60 a second (the default), or as fast as they come, with
    // vsync off too, for measuring what a frame costs.
    void setPacing(bool on);

    // Draws the view cannot show are dropped (the default); off, every draw
    // is made, which gives the same picture more slowly.
    void setCulling(bool on);
    long culledDraws() const;
    // Meshes that show only a dot or two are drawn from a coarse stand-in
    // (the default); off, every mesh is drawn in full.
    void setCoarseDistant(bool on);
    long coarseDraws() const;
    // The panel's copies are left out of a frame when they are exactly the
    // last frame's and it still shows them (the default); off, every copy
    // is drawn every frame, which gives the same picture more slowly.
    void setRetainedPanel(bool on);
    // The draw calls the 2D copies took so far, and the frames whose panel
    // was kept.
    long copyDraws() const;
    long panelsKept() const;

    // For measuring where a frame's time goes: told before every 3D draw,
    // 2D copy or fill and before presenting. finishDrawing() waits until the
    // renderer has done all that was asked of it.
    struct DrawProbe {
        enum Kind { Mesh, Copy, Present } kind = Mesh;
        MeshId mesh = 0;
        int viewportWidth = 0;
    };
    void setDrawProbe(std::function<void(const DrawProbe&)> probe) { probe_ = std::move(probe); }
    void finishDrawing();

private:
    // Which drawing the OpenGL state is set up for. Queued 2D copies exist
    // only in Sprites.
    enum class Mode { None, Sprites, Scene };
    void enter(Mode mode);
    void releaseGl();
    void applySwapInterval();
    sdl::PictureLayout layoutNow() const;
    // Draws the held panel copies that anything drawing into `rect` must
    // come after.
    void drawFirst(const Rect& rect);
    Rect viewportRect() const;
    bool createBackBuffer(const sdl::PictureLayout& layout);
    bool handleWindowEvent(const SDL_Event& event);
    void toggleFullScreen();

    InputQueue input_;
    sdl::KeyRepeater keyRepeat_;
    sdl::Gamepads gamepads_;
    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;  // SDL_GLContext
    bool sdlStarted_ = false;
    bool deviceReady_ = false;
    int drawableWidth_ = 0;
    int drawableHeight_ = 0;
    Mode mode_ = Mode::None;
    bool pacing_ = true;
    bool windowed_ = false;
    int windowWidth_ = 0;  // 0: the default
    int windowHeight_ = 0;
    RenderScale renderScale_ = RenderScale::Automatic;
    int multisampling_ = -1;
    bool softwareRenderer_ = false;
    int maxSamples_ = 0;
    sdl::PictureLayout layout_;
    bool retainPanel_ = true;
    bool mouseWanted_ = false;  // the game asked for the mouse
    bool displayAtSixtyHertz_ = false;

    // Kept out of this header so that users need no OpenGL headers.
    std::unique_ptr<sdl::GlObjects> gl_;
    sdl::FramePacer pacer_;
    sdl::SdlAudio audio_;
    std::function<void(const DrawProbe&)> probe_;
};

std::unique_ptr<Platform> createSdlPlatform();

}  // namespace platform
