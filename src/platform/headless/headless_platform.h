#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/input_queue.h"
#include "platform/picture_file.h"
#include "platform/platform.h"

namespace platform {

// A platform without window, display or sound card, for tests and tools.
// The 2D layer is drawn for real into an image in memory, so tests can read
// its pixels; 3D calls are kept as a record of the device state, and colour
// clears fill the viewport. Every copy to the back buffer is recorded, so a
// test can read the text of a screen from the font cells drawn. Sound is a
// fake single voice. Time is a counter that moves on by one frame per flip.
class HeadlessPlatform final : public Platform {
public:
    // A start-up step that should fail, for testing start-up errors.
    enum class Step {
        None, RegisterWindowClass, CreateWindow, CreateDisplay, SetDisplayMode, CreateFlipChain,
        CreateDirect3D, CreateZBuffer, CreateDevice
    };

    struct Blit {
        int x, y;
        SurfaceId source;
        Rect sourceRect;
        bool colorKey;
    };

    struct Draw {
        MeshId mesh;
        int firstIndex, indexCount;
        float vertexScale;
        D3DMATRIX world;
        TextureId texture;
        Material material;
        bool alphaBlend;
    };

    Step failAt = Step::None;
    // With tracing on, everything that goes onto the picture is written as a
    // line of text, each draw after the device state it was drawn in; every
    // flip appends the picture's lines to `shown` (cleared by the caller).
    bool tracing = false;
    std::vector<std::string> trace;  // since the last flip
    std::vector<std::string> shown;  // pictures flipped, each ended by "flip"
    bool soundDevice = true;        // false: no sound card, the game is silent
    bool documentViewer = true;     // whether a viewer opens the manual

    // --- what happened
    std::vector<Blit> blits;        // since the last flip
    std::vector<Draw> draws;        // since the last flip
    std::vector<std::vector<std::uint32_t>> meshIndices;  // each mesh's triangles, by id - 1
    std::vector<bool> meshLive;     // by id - 1: created and not yet destroyed
    int liveMeshes() const { return static_cast<int>(std::count(meshLive.begin(), meshLive.end(), true)); }
    std::vector<std::string> sounds;  // every effect that started playing
    std::vector<std::string> messageBoxes;  // "caption: text"
    std::string windowTitle;
    std::vector<std::string> documents;     // paths asked to open
    PictureWriter screenshots;      // saves the back buffer as flipped
    int flips = 0;
    int scenes = 0;
    bool released = false;
    bool mouseAcquired = false;

    // --- the device state as it stands
    Rect viewport{0, 0, kScreenWidth, kScreenHeight};
    D3DMATRIX world, view, projection;
    std::uint32_t ambient = 0;
    bool lighting = false;
    Light lights[2];
    bool lightOn[2] = {false, false};
    Material deviceMaterial;
    TextureId deviceTexture = 0;
    bool linearMagnification = false;
    bool depthTest = false;
    bool deviceAlphaBlend = false;

    // Sets the clock.
    void setMilliseconds(std::uint32_t ms) { clockTicks_ = ms * 3; }

    bool registerWindowClass() override { return step(Step::RegisterWindowClass); }
    bool createWindow(const char* title) override {
        windowTitle = title ? title : "";
        return step(Step::CreateWindow);
    }
    bool createDisplay() override { return step(Step::CreateDisplay); }
    bool setDisplayMode() override { return step(Step::SetDisplayMode); }
    bool createFlipChain() override { return step(Step::CreateFlipChain); }
    bool createDirect3D() override { return step(Step::CreateDirect3D); }
    bool createZBuffer() override { return step(Step::CreateZBuffer); }
    bool createDevice() override { return step(Step::CreateDevice); }
    void acquireMouse() override { mouseAcquired = true; }
    void release() override { released = true; }

    bool peekMessage(Message& message) override { return input_.takeMessage(message); }
    void destroyWindow() override { input_.postMessage({Message::Destroy, 0}); }
    void postQuitMessage() override { input_.postMessage({Message::Quit, 0}); }
    bool readMouse(MouseEvent& event) override { return input_.readMouse(event); }
    void postMessage(const Message& message) override { input_.postMessage(message); }
    void postMouse(const MouseEvent& event) override { input_.postMouse(event); }

    SurfaceId createSurface(const Image& image) override;
    const Image* surface(SurfaceId id) const override;
    void blit(int x, int y, SurfaceId source, const Rect& sourceRect, bool colorKey) override;
    void fill(const Rect& rect, std::uint32_t color) override;
    void flip() override;
    Image readBackBuffer() override { return back_; }

    bool setViewport(int x, int y, int width, int height, float minZ, float maxZ) override;
    void setTransform(TransformState state, const D3DMATRIX& matrix) override;
    void setAmbient(std::uint32_t argb) override { ambient = argb; }
    void setLighting(bool on) override { lighting = on; }
    void setLight(int index, const Light& light) override;
    void lightEnable(int index, bool on) override;
    bool lightEnabled(int index) const override;
    void setMaterial(const Material& m) override { deviceMaterial = m; }
    Material material() const override { return deviceMaterial; }
    TextureId texture() const override { return deviceTexture; }
    D3DMATRIX transform(TransformState state) const override;
    bool alphaBlend() const override { return deviceAlphaBlend; }
    TextureId createTexture(const Image& image) override;
    void setTexture(TextureId t) override { deviceTexture = t; }
    void setLinearMagnification(bool on) override { linearMagnification = on; }
    void setDepthTest(bool on) override { depthTest = on; }
    void setAlphaBlend(bool on) override { deviceAlphaBlend = on; }
    void clear(bool target, std::uint32_t color, bool zbuffer, float depth) override;
    bool beginScene() override;
    void endScene() override {}
    MeshId createMesh(const std::vector<MeshVertex>& vertices,
                      const std::vector<std::uint32_t>& indices) override;
    void drawMesh(MeshId mesh, int firstIndex, int indexCount, float vertexScale) override;
    void destroyMesh(MeshId mesh) override;

    // Like the real voice: a new effect cuts off the one that plays; a file
    // that is missing or no .wav plays nothing; an effect plays for its
    // length on this platform's clock.
    void playSound(const std::string& file) override;
    bool soundPlaying() const override { return playing_ && clockTicks_ < soundEnd_; }
    void setEffectsVolume(int percent) override { effectsVolume = percent; }
    void setFullScreen(bool on) override { fullScreenOn = on; }
    void setRenderScale(RenderScale scale) override { renderScale = scale; }
    bool fullScreen() const override { return fullScreenOn; }
    // No keyboard layout here: the key's own name.
    std::string keyLabel(int key) const override;
    int effectsVolume = 100;
    bool fullScreenOn = true;
    RenderScale renderScale = RenderScale::Automatic;

    // A tick is a third of a millisecond, so a frame is exactly 50 ticks.
    std::uint32_t milliseconds() override { return static_cast<std::uint32_t>(clockTicks_ / 3); }
    void idle() override {}
    void messageBox(const char* caption, const char* text) override;
    bool openDocument(const std::string& path) override;
    bool saveScreenshot(const std::string& folder, const std::string& name) override;
    std::optional<PictureSaved> screenshotSaved(std::string* path = nullptr) override {
        return screenshots.takeResult(path);
    }

private:
    bool step(Step s) const { return failAt != s; }
    void traceState();

    InputQueue input_;
    std::vector<Image> surfaces_;
    int textures_ = 0;
    Image back_{kScreenWidth, kScreenHeight};
    bool playing_ = false;
    std::uint64_t soundEnd_ = 0;
    std::map<std::string, std::uint64_t> soundTicks_;  // length of each file read
    std::uint64_t clockTicks_ = 0;
    std::string lastState_;
    std::optional<std::pair<std::string, std::string>> screenshotWanted_;  // folder, name
};

}  // namespace platform
