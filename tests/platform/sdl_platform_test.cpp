#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "assetgen/wav_writer.h"
#include "support/gl_driver.h"
#include "platform/sdl/event_pump.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_desktop.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"


namespace {

using namespace platform;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
constexpr float kPi = 3.14159265f;


bool startAll(Platform& p) {
    const bool started = p.registerWindowClass() && p.createWindow("Sternfahrt test") &&
                         p.createDisplay() && p.setDisplayMode() && p.createFlipChain() &&
                         p.createDirect3D() && p.createZBuffer() && p.createDevice();
    if (started) keepGlDriverLoaded();
    return started;
}

::testing::AssertionResult colorNear(std::uint32_t actual, std::uint32_t expected,
                                     int tolerance = 2) {
    for (int shift : {16, 8, 0}) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance) {
            return ::testing::AssertionFailure()
                   << std::hex << "colour 0x" << actual << ", expected 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

// An event of the type with the fields `set` sets, the rest zero.
template <typename Set>
SDL_Event sdlEvent(Uint32 type, Set set) {
    SDL_Event event{};
    event.type = type;
    set(event);
    return event;
}

SDL_Event keyEvent(Uint32 type, SDL_Scancode place, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    return sdlEvent(type, [&](SDL_Event& e) { e.key.keysym.scancode = place, e.key.keysym.sym = sym, e.key.keysym.mod = mod; });
}

class SdlPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startAll(*p)); }
    void TearDown() override { p->release(); }

    // The camera at (0, 0, -5) looking at the origin; the default viewport.
    void lookAtOrigin() {
        D3DMATRIX view, projection, world;
        D3DUtil_SetViewMatrix(view, {0, 0, -5}, {0, 0, 0}, {0, 1, 0});
        D3DUtil_SetProjectionMatrix(projection, kPi / 4, 0.75f, 1.0f, 100.0f);
        D3DUtil_SetIdentityMatrix(world);
        p->setTransform(TransformState::View, view);
        p->setTransform(TransformState::Projection, projection);
        p->setTransform(TransformState::World, world);
    }

    // A triangle in the plane z, facing the camera; clockwise on screen
    // unless reversed.
    MeshId triangle(float z, bool reversed = false) {
        const D3DVECTOR towardsCamera{0, 0, -1};
        std::vector<MeshVertex> vertices = {{{-1, -1, z}, towardsCamera, 0, 1},
                                            {{0, 1, z}, towardsCamera, 0.5f, 0},
                                            {{1, -1, z}, towardsCamera, 1, 1}};
        std::vector<std::uint32_t> indices = {0, 1, 2};
        if (reversed) indices = {0, 2, 1};
        return p->createMesh(vertices, indices);
    }

    // A square of side 2s in the plane z around the axis, facing the camera,
    // with v = 0 along its top edge.
    MeshId square(float s, float z = 0) {
        const D3DVECTOR n{0, 0, -1};
        return p->createMesh({{{-s, s, z}, n, 0, 0},
                              {{s, s, z}, n, 1, 0},
                              {{s, -s, z}, n, 1, 1},
                              {{-s, -s, z}, n, 0, 1}},
                             {0, 1, 2, 0, 2, 3});
    }

    void unlit(std::uint32_t clearColor) {
        p->clear(true, clearColor, true, 1.0f);
        p->setLighting(false);
    }

    std::uint32_t centre() { return p->readBackBuffer().at(512, 400); }
    // Where the origin shows when looking at it.
    std::uint32_t middle() { return p->readBackBuffer().at(512, 384); }

    std::unique_ptr<Platform> p = createSdlPlatform();
};

// ---------------------------------------------------------------- start-up

// Steps out of order fail, release is safe twice and leaves nothing to draw
// on. The error text of a failed start is shown after the display is
// released: the video system must still be there then, or the box cannot
// appear; it goes with the platform.
TEST(SdlPlatformStartTest, StepsOutOfOrderFailAndReleaseKeepsTheVideoForTheMessageBox) {
    {
        SdlPlatform p;
        EXPECT_FALSE(p.createWindow("no video yet"));
        EXPECT_FALSE(p.createDisplay());
        EXPECT_FALSE(p.createDevice());
        ASSERT_TRUE(p.registerWindowClass());
        ASSERT_TRUE(p.createWindow("partial"));
        p.release();
        p.release();
        EXPECT_FALSE(p.beginScene());
        EXPECT_EQ(p.createMesh({}, {}), 0);
        p.fill({0, 0, 10, 10}, kRed);  // nothing to draw on; must not crash
        ASSERT_TRUE(startAll(p));
        const Image image = p.readBackBuffer();
        ASSERT_EQ(std::pair(image.width, image.height), std::pair(kScreenWidth, kScreenHeight));
        EXPECT_EQ(image.at(1023, 767), 0u);
        p.release();
        EXPECT_NE(SDL_WasInit(SDL_INIT_VIDEO), 0u);
        EXPECT_NE(SDL_GetCurrentVideoDriver(), nullptr);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

// ---------------------------------------------------------------- 2D

TEST_F(SdlPlatformTest, CopiesAndFillsLandWhereTheyShouldInCallOrder) {
    p->fill({10, 20, 30, 40}, kRed);
    const std::uint32_t a = 0x102030, b = 0x405060;
    Image picture(3, 2);
    picture.pixels = {a, 0, b, 0, b, a};
    const SurfaceId surface = p->createSurface(picture);
    p->fill({100, 200, 100, 10}, kGreen);
    p->blit(100, 200, surface, {0, 0, 3, 2}, true);   // black left out
    p->blit(150, 200, surface, {1, 0, 2, 2}, false);  // black copied
    p->blit(-1, kScreenHeight - 1, surface, {0, 0, 3, 2}, false);  // clipped at the edges
    const SurfaceId blue = p->createSurface(Image(8, 8, kBlue));
    p->blit(300, 0, blue, {0, 0, 8, 8}, false);
    p->fill({304, 0, 8, 8}, kRed);  // a fill after a copy covers it
    p->blit(400, 0, 99, {0, 0, 8, 8}, false);  // no such surface: nothing
    const Image image = p->readBackBuffer();
    const std::tuple<int, int, std::uint32_t> kPixels[] = {
        {10, 20, kRed}, {39, 59, kRed}, {40, 59, 0}, {9, 20, 0}, {100, 200, a}, {101, 200, kGreen}, {100, 201, kGreen},
        {102, 201, a}, {150, 200, 0}, {151, 201, a}, {1, 767, b} /* the source's (2, 0) */, {302, 2, kBlue},
        {306, 2, kRed}, {402, 2, 0}};
    for (const auto& [x, y, colour] : kPixels) EXPECT_EQ(image.at(x, y), colour) << x << "," << y;
    EXPECT_EQ(p->surface(99), nullptr);

    // Copies from one surface, one after the other, go to the card in one draw.
    const long draws = static_cast<SdlPlatform&>(*p).copyDraws();
    for (int i = 0; i < 40; ++i) p->blit(16 * i, 400, blue, {0, 0, 8, 8}, false);
    EXPECT_EQ(p->readBackBuffer().at(16 * 39 + 4, 404), kBlue);
    EXPECT_EQ(static_cast<SdlPlatform&>(*p).copyDraws() - draws, 1);
}

// ---------------------------------------------------------------- 3D

TEST_F(SdlPlatformTest, ViewportsMustBeOnScreenAndClearsStayInside) {
    EXPECT_FALSE(p->setViewport(0, 0, 0, 10, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(-1, 0, 10, 10, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(900, 0, 200, 100, 0.0f, 1.0f));
    ASSERT_TRUE(p->setViewport(64, 32, 192, 192, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(0, 0, 2000, 2000, 0.0f, 1.0f));  // the last good one stays
    p->clear(true, kRed, true, 1.0f);
    const Image image = p->readBackBuffer();
    for (const auto& [x, y, inside] : {std::tuple{64, 32, true}, {255, 223, true}, {63, 32, false}, {255, 224, false}}) {
        EXPECT_EQ(image.at(x, y), inside ? kRed : 0u) << x << "," << y;
    }

    // The depth clear stays inside too: with the rest of the depth buffer
    // at the near end, a square over the whole view shows only there.
    ASSERT_TRUE(p->setViewport(0, 0, kScreenWidth, kScreenHeight, 0.0f, 1.0f));
    p->clear(true, 0, true, 0.0f);
    ASSERT_TRUE(p->setViewport(64, 32, 192, 192, 0.0f, 1.0f));
    p->clear(false, 0, true, 1.0f);
    ASSERT_TRUE(p->setViewport(0, 0, kScreenWidth, kScreenHeight, 0.0f, 1.0f));
    lookAtOrigin();
    p->setLighting(false);
    p->drawMesh(square(10.0f), 0, 6, 1.0f);
    const Image drawn = p->readBackBuffer();
    for (const auto& [x, y, inside] :
         {std::tuple{64, 32, true}, {255, 223, true}, {63, 32, false}, {256, 223, false}, {255, 224, false}}) {
        EXPECT_EQ(drawn.at(x, y), inside ? 0xFFFFFFu : 0u) << x << "," << y;
    }
}

// Clockwise faces show, counter-clockwise ones are culled; nearer surfaces
// hide farther ones on Direct3D's 0..1 depth scale (near 1, far 100: a
// surface 5 away lies at about 0.81, halved by a depth range of 0..0.5);
// what is nearer than the near plane is clipped.
TEST_F(SdlPlatformTest, CullingDepthAndTheNearPlane) {
    lookAtOrigin();
    unlit(0x404040);
    p->drawMesh(triangle(0, true), 0, 3, 1.0f);
    EXPECT_EQ(centre(), 0x404040u);
    p->drawMesh(triangle(0), 0, 3, 1.0f);
    EXPECT_EQ(centre(), 0xFFFFFFu);

    const MeshId mesh = square(1.0f);
    auto drawnOver = [&](float clearDepth) {
        p->clear(true, 0, true, clearDepth);
        p->drawMesh(mesh, 0, 6, 1.0f);
        return centre() == 0xFFFFFFu;
    };
    EXPECT_TRUE(drawnOver(0.83f));
    EXPECT_FALSE(drawnOver(0.79f));
    p->setDepthTest(false);
    EXPECT_TRUE(drawnOver(0.79f));
    p->setDepthTest(true);
    ASSERT_TRUE(p->setViewport(0, 0, kScreenWidth, kScreenHeight, 0.0f, 0.5f));
    EXPECT_TRUE(drawnOver(0.42f));
    EXPECT_FALSE(drawnOver(0.39f));

    ASSERT_TRUE(p->setViewport(0, 0, kScreenWidth, kScreenHeight, 0.0f, 1.0f));
    p->clear(true, 0, true, 1.0f);
    p->drawMesh(square(0.1f, -4.3f), 0, 6, 1.0f);  // 0.7 from the camera
    EXPECT_EQ(p->readBackBuffer().at(512, 384), 0u);
}

// A texture's top row is at v 0; no texture draws white; the vertex scale
// grows the mesh (blending: in the shading test).
TEST_F(SdlPlatformTest, TexturesAndScale) {
    lookAtOrigin();
    const MeshId mesh = square(1.0f);
    Image picture(1, 2);
    picture.pixels = {kRed, kBlue};
    const TextureId texture = p->createTexture(picture);
    ASSERT_NE(texture, 0);
    unlit(0);
    p->setTexture(texture);
    p->setLinearMagnification(false);
    p->drawMesh(mesh, 0, 6, 1.0f);
    Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(512, 300), kRed);
    EXPECT_EQ(image.at(512, 470), kBlue);

    p->setTexture(0);
    const MeshId small = square(0.25f);
    p->clear(true, 0, true, 1.0f);
    p->drawMesh(small, 0, 6, 1.0f);
    EXPECT_EQ(p->readBackBuffer().at(512 + 180, 384), 0u);
    p->drawMesh(small, 0, 6, 4.0f);
    EXPECT_EQ(p->readBackBuffer().at(512 + 180, 384), 0xFFFFFFu);
}

TEST_F(SdlPlatformTest, MeshesRefuseBadIndices) {
    const std::vector<MeshVertex> vertices(3);
    EXPECT_EQ(p->createMesh(vertices, {0, 1, 3}), 0);
    const MeshId mesh = p->createMesh(vertices, {0, 1, 2});
    EXPECT_NE(mesh, 0);
    // Ranges past the indices and unknown meshes draw nothing (and do not crash).
    p->drawMesh(mesh, 1, 3, 1.0f);
    p->drawMesh(mesh + 1, 0, 3, 1.0f);
    // A released mesh keeps its id, which draws nothing from then on; the
    // next mesh gets a new one.
    p->destroyMesh(mesh);
    p->destroyMesh(mesh);
    p->drawMesh(mesh, 0, 3, 1.0f);
    EXPECT_EQ(p->createMesh(vertices, {0, 1, 2}), mesh + 1);
}

// ---------------------------------------------------------------- presenting

// Paced, 30 flips take half a second at 60 frames a second; unpaced they
// take no more than their work, which in a window of 64 x 48 drawn at its
// own pixels is far less than pacing (even on a busy machine).
TEST(SdlPacingTest, ThirtyFlipsTakeHalfASecondUnlessUnpaced) {
    SdlPlatform p;
    p.setWindowed(true);
    p.setWindowSize(64, 48);
    p.setRenderScale(RenderScale::Native);
    ASSERT_TRUE(startAll(p));
    auto thirtyFlips = [&] {
        p.flip();  // the pacer starts counting here
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 30; ++i) {
            p.fill({0, 0, 10, 10}, static_cast<std::uint32_t>(i));
            p.flip();
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const double paced = thirtyFlips();
    EXPECT_GE(paced, 0.45);
    EXPECT_LE(paced, 0.9);  // not at 30 frames a second
    EXPECT_EQ(p.readBackBuffer().at(0, 0), 29u);  // presenting leaves the back buffer as it was
    p.setPacing(false);
    EXPECT_LT(thirtyFlips(), 0.25);  // a few milliseconds when idle
    p.release();
}

// A stall is not caught up with a burst of frames.
TEST(FramePacerTest, DeadlinesStepByAPeriodUnlessFarBehind) {
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 900, 100), 1100u);
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 1300, 100), 1100u);
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 1301, 100), 1301u);
}

// ---------------------------------------------------------------- messages and mouse

TEST_F(SdlPlatformTest, PostedMessagesComeFirstThenSdlsEvents) {
    Message m;
    MouseEvent e;
    while (p->peekMessage(m)) {}
    p->postMessage({Message::KeyDown, vk::F1});
    p->destroyWindow();
    SDL_Event motion = sdlEvent(SDL_MOUSEMOTION, [](SDL_Event& e) { e.motion.xrel = 7; });
    ASSERT_EQ(SDL_PushEvent(&motion), 1);
    SDL_Event key = sdlEvent(SDL_KEYDOWN, [](SDL_Event& e) { e.key.keysym.scancode = SDL_SCANCODE_ESCAPE; });
    ASSERT_EQ(SDL_PushEvent(&key), 1);

    for (const auto& [type, key] :
         {std::pair{Message::KeyDown, vk::F1}, {Message::Destroy, 0}, {Message::KeyDown, vk::Escape}}) {
        ASSERT_TRUE(p->peekMessage(m));
        EXPECT_EQ(std::pair(m.type, m.key), std::pair(type, key));
    }
    ASSERT_TRUE(p->readMouse(e));  // pumped on the way to the key
    EXPECT_EQ(std::pair(e.offset, e.data), std::pair(std::uint32_t{mouse::X}, 7u));

    // The mouse buffer holds 32 records; what comes on top is lost.
    for (std::uint32_t i = 0; i < 40; ++i) p->postMouse({mouse::X, i, 0, 0});
    for (std::uint32_t i = 0; i < 32; ++i) {
        ASSERT_TRUE(p->readMouse(e));
        EXPECT_EQ(e.data, i);
    }
    EXPECT_FALSE(p->readMouse(e));
}

TEST(EventTranslationTest, KeysAndTheCloseBecomeMessagesTheMouseGoesToTheBuffer) {
    InputQueue queue;
    Message m;
    // A key by its place, whatever the layout prints on it: the key left of
    // S is A on an American keyboard and Q on a French one.
    const std::tuple<SDL_Event, Message::Type, int> messages[] = {
        {keyEvent(SDL_KEYUP, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), Message::KeyUp, vk::KeypadEnter},
        {keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_q), Message::KeyDown, SDL_SCANCODE_A},
        {sdlEvent(SDL_QUIT, [](SDL_Event&) {}), Message::Destroy, 0},
    };
    for (const auto& [event, type, key] : messages) {
        ASSERT_TRUE(sdl::translateEvent(event, m, queue));
        EXPECT_EQ(std::pair(m.type, m.key), std::pair(type, key));
    }
    const SDL_Event moves[] = {
        sdlEvent(SDL_MOUSEMOTION, [](SDL_Event& e) { e.motion.xrel = -3, e.motion.yrel = 5; }),
        sdlEvent(SDL_MOUSEWHEEL, [](SDL_Event& e) { e.wheel.y = 1; }),
        sdlEvent(SDL_MOUSEWHEEL, [](SDL_Event& e) { e.wheel.y = 1, e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED; }),
        sdlEvent(SDL_MOUSEBUTTONDOWN, [](SDL_Event& e) { e.button.button = SDL_BUTTON_RIGHT, e.button.state = SDL_PRESSED; }),
        sdlEvent(SDL_MOUSEBUTTONUP, [](SDL_Event& e) { e.button.button = SDL_BUTTON_MIDDLE; }),
        sdlEvent(SDL_MOUSEBUTTONUP, [](SDL_Event& e) { e.button.button = SDL_BUTTON_X1; }),  // not read
    };
    for (const SDL_Event& event : moves) EXPECT_FALSE(sdl::translateEvent(event, m, queue));
    const std::pair<std::uint32_t, std::int32_t> expected[] = {
        {mouse::X, -3}, {mouse::Y, 5}, {mouse::Z, 120}, {mouse::Z, -120}, {mouse::Button1, 0x80}, {mouse::Button2, 0}};
    MouseEvent e;
    for (const auto& [offset, data] : expected) {
        ASSERT_TRUE(queue.readMouse(e));
        EXPECT_EQ(std::pair(e.offset, static_cast<std::int32_t>(e.data)), std::pair(offset, data));
    }
    EXPECT_FALSE(queue.readMouse(e));
}

// ---------------------------------------------------------------- sound, clock and desktop

TEST_F(SdlPlatformTest, SoundPlaysToItsEnd) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("sternfahrt_sound_" + std::to_string(SDL_GetPerformanceCounter()) + ".wav");
    ASSERT_TRUE(writeWav(file.string(), std::vector<std::int16_t>(kWavRate / 10, 0)));
    EXPECT_FALSE(p->soundPlaying());
    p->playSound(file.string());
    EXPECT_TRUE(p->soundPlaying());
    const std::uint32_t start = p->milliseconds();
    while (p->soundPlaying() && p->milliseconds() - start < 3000) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(p->soundPlaying());
    EXPECT_GE(p->milliseconds() - start, 50u);

    p->playSound(file.string());
    p->playSound((file.string() + ".missing"));  // cuts off, plays nothing
    EXPECT_FALSE(p->soundPlaying());
    std::filesystem::remove(file);
}

// Arrivals are seeded from this clock: it counts from the system's start,
// so two starts of the game do not read the same values at their first
// arrival.
TEST_F(SdlPlatformTest, ClockCountsFromTheSystemsStart) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto sinceBoot = static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
    const std::uint32_t ms = p->milliseconds();
    EXPECT_LT(ms - sinceBoot, 100u);
    EXPECT_GT(ms - SDL_GetTicks(), 1000u);  // the machine ran before this test did
}

TEST(DesktopTest, FileUrlsEncodeWhatIsNotPlain) {
    EXPECT_EQ(sdl::fileUrl("/home/a b/Hilfe-1.0_~x.html"), "file:///home/a%20b/Hilfe-1.0_~x.html");
    EXPECT_EQ(sdl::fileUrl("/t/\xC3\xBC#%"), "file:///t/%C3%BC%23%25");
}

// The manual goes to xdg-open as a file URL; whether a viewer started is
// told by its exit code, and a missing file or xdg-open is no viewer.
TEST(DesktopTest, OpenWithDesktopTellsWhetherAViewerStarted) {
    TempWorkDir dir;
    std::ofstream("Hilfe 1.htm") << "<p>";
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    struct Case {
        const char* xdgOpen;  // the script standing in for it, or none
        const char* file;
        bool opened;
    };
    const Case cases[] = {
        {"echo \"$1\" > opened; exit 0", "Hilfe 1.htm", true},
        {"echo \"$1\" > opened; exit 3", "Hilfe 1.htm", false},
        {"echo \"$1\" > opened; exit 0", "fehlt.htm", false},
        {nullptr, "Hilfe 1.htm", false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.path() / "xdg-open");
        std::filesystem::remove(dir.path() / "opened");
        if (c.xdgOpen) {
            std::ofstream(dir.path() / "xdg-open") << "#!/bin/sh\n" << c.xdgOpen << "\n";
            std::filesystem::permissions(dir.path() / "xdg-open", std::filesystem::perms::owner_all);
        }
        ::setenv("PATH", dir.path().c_str(), 1);
        EXPECT_EQ(sdl::openWithDesktop(c.file), c.opened) << c.xdgOpen << " " << c.file;
        ::setenv("PATH", path.c_str(), 1);
        if (c.opened) {
            EXPECT_EQ(readFile("opened"), sdl::fileUrl((dir.path() / c.file).string()) + "\n");
        }
    }
}

TEST_F(SdlPlatformTest, MessageBoxDoesNotWaitWithoutADisplay) {
    ::testing::internal::CaptureStderr();
    p->messageBox("Sternfahrt", "Kein Ton");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Sternfahrt: Kein Ton"), std::string::npos);
}

}  // namespace

// ---------------------------------------------------------------- shading by state

namespace shading {

struct Rgb { float r, g, b; };

// The fixed-function colour of a pixel at the origin facing the camera
// (normal (0, 0, -1)), white texture: emissive + material ambient x ambient
// + each light's diffuse x material diffuse x N.L x attenuation x cone,
// clamped.
Rgb fixedFunction(const Material& m, Rgb ambient, const std::vector<Light>& lights) {
    const D3DVECTOR normal{0, 0, -1};
    Rgb c{m.emissive.r + m.ambient.r * ambient.r, m.emissive.g + m.ambient.g * ambient.g,
          m.emissive.b + m.ambient.b * ambient.b};
    for (const Light& light : lights) {
        D3DVECTOR toLight = -normalize(light.direction);
        float factor = 1;
        if (light.type != LightType::Directional) {
            const D3DVECTOR offset = light.position;  // from the origin
            const float d = magnitude(offset);
            toLight = offset / d;
            factor = d > light.range ? 0.0f
                                     : 1.0f / (light.attenuation0 + light.attenuation1 * d +
                                               light.attenuation2 * d * d);
            if (light.type == LightType::Spot) {
                const float rho = dotProduct(normalize(light.direction), -toLight);
                const float inner = std::cos(light.theta / 2), outer = std::cos(light.phi / 2);
                factor *= rho > inner    ? 1.0f
                          : rho <= outer ? 0.0f
                                         : std::pow((rho - outer) / (inner - outer), light.falloff);
            }
        }
        const float lit = std::max(dotProduct(normal, toLight), 0.0f) * factor;
        c.r += m.diffuse.r * light.diffuse.r * lit;
        c.g += m.diffuse.g * light.diffuse.g * lit;
        c.b += m.diffuse.b * light.diffuse.b * lit;
    }
    auto byte = [](float v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    return {static_cast<float>(byte(c.r)), static_cast<float>(byte(c.g)), static_cast<float>(byte(c.b))};
}

std::uint32_t packed(Rgb c) {
    return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 |
           static_cast<std::uint32_t>(c.b);
}

Light spotAt(D3DVECTOR position, D3DVECTOR direction) {
    Light spot;
    spot.type = LightType::Spot, spot.diffuse = {0.9f, 0.8f, 1.0f, 1}, spot.position = position;
    spot.direction = direction, spot.range = 30000, spot.falloff = 2, spot.attenuation0 = 1;
    spot.attenuation1 = 0.05f, spot.theta = 0.4f, spot.phi = 1.0f;
    return spot;
}

}  // namespace shading

// Every variant of the scene shader (lighting off; the main light alone;
// main light and headlight; the headlight alone; a point light; a glowing
// material) against the fixed-function formulas, at the pixel in the middle
// of a square at the origin; a material change under the same light takes
// the light's colour afresh, and glows that do not reach white in every
// channel, or are darkened by a light, are not simply white.
TEST_F(SdlPlatformTest, EachShadingVariantMatchesTheFixedFunctionFormulas) {
    using namespace shading;
    lookAtOrigin();
    const MeshId mesh = square(3.0f);
    Material material;
    material.diffuse = {0.8f, 0.6f, 1.0f, 1}, material.ambient = {0.5f, 0.5f, 0.5f, 1};
    material.emissive = {0.05f, 0.1f, 0.0f, 1};
    p->setAmbient(0x00191919);
    const Rgb ambient{0x19 / 255.0f, 0x19 / 255.0f, 0x19 / 255.0f};
    Material bluish = material, halfGlow = material, glow = material;
    bluish.diffuse = {0.2f, 0.4f, 1.0f, 1};
    halfGlow.emissive = {1, 0.2f, 1, 1};
    glow.emissive = {1, 1, 1, 1};

    // The game's: directional, shining slanted onto the square.
    Light main;
    main.type = LightType::Directional, main.diffuse = {0.7f, 0.5f, 0.3f, 1}, main.direction = {0, 0.6f, 0.8f};
    Light darkening = main;
    darkening.diffuse = {-0.5f, -0.5f, -0.5f, 1};

    // The spot's way to the origin makes rho = 3 / sqrt(3^2 + d^2) with the
    // spot pointing along +z from (-d, 0, -3).
    auto sideways = [](float rho) { return 3 * std::sqrt(1 / (rho * rho) - 1); };
    const Light inside = spotAt({0, 0, -3}, {0, 0, 1});
    const Light between = spotAt({-sideways(0.93f), 0, -3}, {0, 0, 1});
    const Light outside = spotAt({-sideways(0.85f), 0, -3}, {0, 0, 1});
    Light far = inside;
    far.position = {0, 0, -40};
    Light outOfRange = inside;
    outOfRange.range = 2.5f;
    Light point = spotAt({1, 1, -2}, {0, 0, 1});
    point.type = LightType::Point;
    point.attenuation2 = 0.1f;
    // The cone really is in the picture.
    EXPECT_NE(packed(fixedFunction(material, ambient, {between})), packed(fixedFunction(material, ambient, {inside})));
    EXPECT_NE(packed(fixedFunction(material, ambient, {between})), packed(fixedFunction(material, ambient, {outside})));

    struct Case {
        const char* what;
        std::vector<Light> lights;  // light 0, then light 1
        std::vector<bool> on;
        const Material& material;
    };
    const std::vector<Case> cases = {
        {"main light", {main}, {true}, material},
        {"no light on", {main}, {false}, material},
        {"main and headlight inside its inner cone", {main, inside}, {true, true}, material},
        {"headlight between the cones", {main, between}, {false, true}, material},
        {"headlight outside the outer cone", {main, outside}, {true, true}, material},
        {"headlight farther, attenuated", {main, far}, {false, true}, material},
        {"headlight out of range", {main, outOfRange}, {false, true}, material},
        {"point light, quadratic attenuation", {point}, {true}, material},
        {"another material, the same light", {main}, {true}, bluish},
        {"the first material again", {main}, {true}, material},
        {"a glow white in two channels", {main}, {true}, halfGlow},
        {"a white glow under a darkening light", {darkening}, {true}, glow},
    };
    p->setLighting(true);
    for (const Case& c : cases) {
        std::vector<Light> shining;
        for (std::size_t i = 0; i < c.lights.size(); ++i) {
            p->setLight(static_cast<int>(i), c.lights[i]);
            p->lightEnable(static_cast<int>(i), c.on[i]);
            if (c.on[i]) shining.push_back(c.lights[i]);
        }
        EXPECT_EQ(p->lightEnabled(0), c.on[0]);
        p->setMaterial(c.material);
        p->clear(true, 0x404040, true, 1.0f);
        p->drawMesh(mesh, 0, 6, 1.0f);
        const std::uint32_t expected = packed(fixedFunction(c.material, ambient, shining));
        EXPECT_NE(expected, 0xFFFFFFu) << c.what;
        EXPECT_TRUE(colorNear(middle(), expected)) << c.what;
        p->lightEnable(0, false);
        p->lightEnable(1, false);
    }

    // A glow of white stays white whatever the lights; its alpha still
    // blends.
    p->setMaterial(glow);
    p->setLight(0, main);
    p->lightEnable(0, true);
    p->clear(true, 0x404040, true, 1.0f);
    p->drawMesh(mesh, 0, 6, 1.0f);
    EXPECT_EQ(middle(), 0xFFFFFFu);
    glow.diffuse.a = 0.5f;
    p->setMaterial(glow);
    p->setAlphaBlend(true);
    p->clear(true, 0x000000, true, 1.0f);
    p->drawMesh(mesh, 0, 6, 1.0f);
    EXPECT_TRUE(colorNear(middle(), 0x808080));
    p->setAlphaBlend(false);
}

// A square flattened to a fifth of its height by the world matrix is lit as
// the flattened surface is, by the full light straight onto it: normals turn
// by the inverse transpose, not by the matrix itself; also turned about z
// with the light turned along.
TEST_F(SdlPlatformTest, NonUniformScaleLightsTheFlattenedSurface) {
    lookAtOrigin();
    // Through the origin, containing the x axis and (0, 1, 1); front side
    // towards the camera. Flattened, (0, 0.2, 1) lies in it, its normal is
    // (0, 1, -0.2).
    const D3DVECTOR slanted = normalize(D3DVECTOR{0, 1, -1});
    const MeshId tall = p->createMesh({{{-1, 1, 1}, slanted, 0, 0},
                                       {{1, 1, 1}, slanted, 1, 0},
                                       {{1, -1, -1}, slanted, 1, 1},
                                       {{-1, -1, -1}, slanted, 0, 1}},
                                      {0, 1, 2, 0, 2, 3});
    const D3DVECTOR flatNormal = normalize(D3DVECTOR{0, 1, -0.2f});
    p->setLighting(true);
    Material white;
    white.diffuse = {1, 1, 1, 1};
    p->setMaterial(white);
    Light light;
    light.type = LightType::Directional, light.diffuse = {0.6f, 0.6f, 0.6f, 1};
    p->lightEnable(0, true);
    D3DMATRIX flatten;
    D3DUtil_SetScaleMatrix(flatten, 1, 0.2f, 1);
    for (float turn : {0.0f, 0.7f}) {
        D3DMATRIX spin, world;
        D3DUtil_SetRotateZMatrix(spin, turn);
        D3DMath_MatrixMultiply(world, spin, flatten);
        const D3DVECTOR n = flatNormal;
        light.direction = -D3DVECTOR{n.x * spin._11 + n.y * spin._21, n.x * spin._12 + n.y * spin._22, n.z};
        p->setLight(0, light);
        p->setTransform(TransformState::World, world);
        p->clear(true, 0, true, 1.0f);
        p->drawMesh(tall, 0, 6, 1.0f);
        EXPECT_TRUE(colorNear(middle(), 0x999999)) << "turned by " << turn;  // 0.6, the full light
    }
}

// ---------------------------------------------------------------- window mode, sound at start-up

TEST(WindowActionTest, AltReturnSwitchesFocusCapturesTheRestIsTheGames) {
    auto key = [](SDL_Keycode sym, Uint16 mod, Uint8 repeat = 0, Uint32 type = SDL_KEYDOWN) {
        SDL_Event event = keyEvent(type, SDL_SCANCODE_UNKNOWN, sym, mod);
        event.key.repeat = repeat;
        return event;
    };
    using sdl::WindowAction;
    auto window = [](Uint8 what) { return sdlEvent(SDL_WINDOWEVENT, [&](SDL_Event& e) { e.window.event = what; }); };
    const WindowAction toggle = WindowAction::ToggleFullScreen, none = WindowAction::None;
    const std::pair<SDL_Event, WindowAction> cases[] = {
        {key(SDLK_RETURN, KMOD_LALT), toggle}, {key(SDLK_KP_ENTER, KMOD_RALT), toggle},
        {key(SDLK_RETURN, KMOD_LALT | KMOD_LSHIFT), toggle},
        {key(SDLK_RETURN, KMOD_LALT, 1), WindowAction::Swallow},  // its auto-repeat
        {key(SDLK_RETURN, KMOD_NONE), none}, {key(SDLK_RETURN, KMOD_LCTRL), none}, {key(SDLK_SPACE, KMOD_LALT), none},
        {key(SDLK_RETURN, KMOD_LALT, 0, SDL_KEYUP), none},
        {window(SDL_WINDOWEVENT_FOCUS_GAINED), WindowAction::CaptureMouse},
        {window(SDL_WINDOWEVENT_FOCUS_LOST), WindowAction::ReleaseMouse}, {window(SDL_WINDOWEVENT_RESIZED), none},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(sdl::windowAction(cases[i].first), cases[i].second) << i;
    }
}

// --window starts windowed; Alt+Return reaches the window, not the game,
// and switches to full screen and back; plain Return is the game's. The
// sound device is open from the start.
TEST(SdlWindowTest, WindowModeAltReturnAndTheSoundDevice) {
    auto owned = std::make_unique<SdlPlatform>();
    SdlPlatform& p = *owned;
    p.setWindowed(true);
    ASSERT_TRUE(startAll(p));
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_FALSE(p.fullScreen());
    Message m;
    while (p.peekMessage(m)) {}

    auto press = [](SDL_Keycode sym, Uint16 mod) {
        SDL_Event event = keyEvent(SDL_KEYDOWN, SDL_GetScancodeFromKey(sym), sym, mod);
        SDL_PushEvent(&event);
    };
    press(SDLK_RETURN, KMOD_LALT);
    EXPECT_FALSE(p.peekMessage(m));
    EXPECT_TRUE(p.fullScreen());
    press(SDLK_RETURN, KMOD_LALT);
    EXPECT_FALSE(p.peekMessage(m));
    EXPECT_FALSE(p.fullScreen());
    press(SDLK_RETURN, KMOD_NONE);
    ASSERT_TRUE(p.peekMessage(m));
    EXPECT_EQ(m.type, Message::KeyDown);
    EXPECT_EQ(m.key, vk::Return);
    p.release();
}
