#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/d3d_matrix.h"
#include "platform/keys.h"

// The one table of calls between the game and the machine: the window and
// display with its 2D surfaces, the 3D device, window messages and the
// buffered mouse, the sound voice, the clock and the desktop. The game
// includes nothing else of the platform. Two backends implement it: SDL2 with
// OpenGL for play (also off-screen), and a headless one for tests and tools.
namespace platform {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// ---------------------------------------------------------------- 2D

// A picture in memory: 0x00RRGGBB per pixel, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A 2D surface held by the display; 0 is no surface (draws nothing).
using SurfaceId = int;

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// ---------------------------------------------------------------- 3D

enum class TransformState { World, View, Projection };

struct ColorValue {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
};

enum class LightType { Point = 1, Spot = 2, Directional = 3 };

// A light as the fixed-function pipeline knows it. Spot lights fall off
// between the inner cone (theta) and the outer cone (phi), both full angles
// in radians, with the falloff as exponent; attenuation is 1 / (a0 + a1 d +
// a2 d^2) within the range.
struct Light {
    LightType type = LightType::Directional;
    ColorValue diffuse, specular, ambient;
    D3DVECTOR position, direction;
    float range = 0.0f;
    float falloff = 0.0f;
    float attenuation0 = 0.0f, attenuation1 = 0.0f, attenuation2 = 0.0f;
    float theta = 0.0f, phi = 0.0f;
};

struct Material {
    ColorValue diffuse, ambient, specular, emissive;
    float power = 0.0f;
};

struct MeshVertex {
    D3DVECTOR position;
    D3DVECTOR normal;
    float u = 0.0f, v = 0.0f;
};

using TextureId = int;  // 0: no texture
using MeshId = int;     // 0: no mesh

// ---------------------------------------------------------------- input

// A window message. Held keys repeat as further key-downs. The window's
// focus and the gamepads come as messages too: a pad plugged in or pulled
// out, a button, an axis moved to `value`.
struct Message {
    enum Type { KeyDown, KeyUp, Destroy, Quit, FocusLost, FocusGained, PadAdded, PadRemoved, PadButtonDown,
                PadButtonUp, PadAxis };
    Type type = KeyDown;
    int key = 0;    // the key (vk) of key messages, the button or axis of a pad's
    int value = 0;  // an axis' position
};

// One record of the buffered mouse: which control changed and by how much.
// Offsets: x axis 0, y axis 4, wheel 8, buttons 12 (left), 13 (right),
// 14 (middle); a button's data has bit 0x80 set when pressed. The buffer
// holds 32 records; what arrives while it is full is lost.
struct MouseEvent {
    std::uint32_t offset = 0;
    std::uint32_t data = 0;
    std::uint32_t timeStamp = 0;
    std::uint32_t sequence = 0;
};

namespace mouse {
constexpr std::uint32_t X = 0, Y = 4, Z = 8, Button0 = 12, Button1 = 13, Button2 = 14;
constexpr std::uint32_t Pressed = 0x80;
constexpr int BufferSize = 32;
}  // namespace mouse

// ---------------------------------------------------------------- screenshots

// How saving a picture file ended.
// How many pixels the picture is drawn with: Automatic chooses Native on a
// graphics card and Original on a software renderer, where every pixel
// costs; Native draws at the pixels the window shows it with, Original at
// 1024 x 768, scaled up when presented.
enum class RenderScale { Automatic, Native, Original };

enum class PictureSaved { Saved, DiskFull, NotWritable, Failed };

// ---------------------------------------------------------------- the table

class Platform {
public:
    virtual ~Platform() = default;

    // --- start-up steps, in the order the shell calls them; each says
    // whether it worked.
    virtual bool registerWindowClass() = 0;  // the video system is there
    virtual bool createWindow(const char* title) = 0;
    virtual bool createDisplay() = 0;      // the drawing context
    virtual bool setDisplayMode() = 0;     // full screen, 1024 x 768 picture
    virtual bool createFlipChain() = 0;    // back buffer and presentation
    virtual bool createDirect3D() = 0;     // the 3D interface (OpenGL 3.3)
    virtual bool createZBuffer() = 0;
    virtual bool createDevice() = 0;       // the lighting shaders
    virtual void acquireMouse() = 0;       // relative mouse, buffered
    // Releases device and display; the window goes with it. A message box
    // can still be shown afterwards.
    virtual void release() = 0;

    // --- window and messages
    virtual bool peekMessage(Message& message) = 0;  // takes the next one
    virtual void destroyWindow() = 0;  // a Destroy message follows
    virtual void postQuitMessage() = 0;
    virtual bool readMouse(MouseEvent& event) = 0;   // one buffered record
    // Puts a message or mouse record into the queues as if it had come from
    // the keyboard or mouse (the input player and the tests use this).
    virtual void postMessage(const Message& message) = 0;
    virtual void postMouse(const MouseEvent& event) = 0;

    // --- 2D: surfaces and the 1024 x 768 back buffer
    virtual SurfaceId createSurface(const Image& image) = 0;
    // The surface's picture; null for no surface.
    virtual const Image* surface(SurfaceId id) const = 0;
    // Copies a rectangle of a surface onto the back buffer at (x, y),
    // clipped to the screen; with colorKey, source pixels of colour 0 are
    // left out.
    virtual void blit(int x, int y, SurfaceId source, const Rect& sourceRect, bool colorKey) = 0;
    virtual void fill(const Rect& rect, std::uint32_t color) = 0;
    // Shows the back buffer and waits for the next frame time: 60 frames a
    // second whatever the display's rate.
    virtual void flip() = 0;
    // The back buffer as it stands.
    virtual Image readBackBuffer() = 0;

    // --- 3D device; drawing goes to the back buffer, in call order with
    // the 2D copies.
    virtual bool setViewport(int x, int y, int width, int height, float minZ, float maxZ) = 0;
    virtual void setTransform(TransformState state, const D3DMATRIX& matrix) = 0;
    virtual void setAmbient(std::uint32_t argb) = 0;
    virtual void setLighting(bool on) = 0;
    virtual void setLight(int index, const Light& light) = 0;  // index 0 or 1
    virtual void lightEnable(int index, bool on) = 0;
    virtual bool lightEnabled(int index) const = 0;
    virtual void setMaterial(const Material& material) = 0;
    // The device state as set, for drawing code that restores what it found.
    virtual Material material() const = 0;
    virtual TextureId texture() const = 0;
    virtual D3DMATRIX transform(TransformState state) const = 0;
    virtual bool alphaBlend() const = 0;
    virtual TextureId createTexture(const Image& image) = 0;
    virtual void setTexture(TextureId texture) = 0;
    virtual void setLinearMagnification(bool on) = 0;
    virtual void setDepthTest(bool on) = 0;
    virtual void setAlphaBlend(bool on) = 0;  // source alpha over what is there
    // Clears the viewport's colour and/or depth.
    virtual void clear(bool target, std::uint32_t color, bool zbuffer, float depth) = 0;
    virtual bool beginScene() = 0;
    virtual void endScene() = 0;
    virtual MeshId createMesh(const std::vector<MeshVertex>& vertices,
                              const std::vector<std::uint32_t>& indices) = 0;
    // Draws triangles of a mesh with the current state. Positions are first
    // multiplied by vertexScale, normals are not.
    virtual void drawMesh(MeshId mesh, int firstIndex, int indexCount, float vertexScale) = 0;
    // Frees a mesh on the device; its id then draws nothing and is not
    // given out again. Unknown ids, 0 and a second release do nothing.
    virtual void destroyMesh(MeshId mesh) = 0;

    // --- screenshots
    // Saves the next picture shown, at the size it is shown, as a PNG file
    // `name`.png in `folder` (made if missing; "-2", "-3" ... added to a name
    // already taken), written on a worker thread so that no frame waits for
    // it. False while the last one is still being saved.
    virtual bool saveScreenshot(const std::string& folder, const std::string& name) = 0;
    // How the last screenshot ended, once, when it has; with the path it
    // got.
    virtual std::optional<PictureSaved> screenshotSaved(std::string* path = nullptr) = 0;

    // --- sound: one voice
    // Plays a sound file of the data directory, by its name; cuts off what
    // plays.
    virtual void playSound(const std::string& file) = 0;
    virtual bool soundPlaying() const = 0;
    virtual void setEffectsVolume(int percent) = 0;  // 0..100 of the effects' own

    // --- the window on the desktop, and the keyboard's layout
    virtual void setFullScreen(bool on) = 0;
    virtual bool fullScreen() const = 0;
    virtual void setRenderScale(RenderScale scale) = 0;
    // What the player's keyboard layout prints on a key, in the font's
    // characters.
    virtual std::string keyLabel(int key) const = 0;

    // --- desktop and time
    // The millisecond clock, counting from the system's start (not the
    // game's), so that arrivals seeded from it differ from start to start.
    virtual std::uint32_t milliseconds() = 0;
    // Gives the processor away for a moment; the paused main loop calls it
    // so that a paused game does not keep a core busy.
    virtual void idle() { std::this_thread::sleep_for(std::chrono::milliseconds(2)); }
    virtual void messageBox(const char* caption, const char* text) = 0;
    // Shows a file in the desktop's viewer; false when no viewer could be
    // started.
    virtual bool openDocument(const std::string& path) = 0;
};

// Reads a .bmp file into an image; false when there is none, it is not a
// bitmap, or it is wider or higher than any picture the game has.
constexpr int kLargestBitmap = 4096;
bool loadBitmap(const std::string& path, Image& image);
// The same from bytes in memory.
bool loadBitmapFromMemory(const void* data, std::size_t size, Image& image);

}  // namespace platform
