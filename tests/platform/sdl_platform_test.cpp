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

#include "platform/sdl/event_pump.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_desktop.h"
#include "platform/sdl/sprite_batch.h"

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>
#endif

namespace {

using namespace platform;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
constexpr float kPi = 3.14159265f;

#if defined(__SANITIZE_ADDRESS__)
// Mesa's driver and LLVM keep heap blocks in their globals for the life of
// the process. Once SDL_Quit unloads them those blocks look leaked, from
// modules LeakSanitizer can no longer name; so the driver stays loaded.
void keepGlDriverLoaded() {
    std::vector<std::string> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* out) {
            const std::string name = info->dlpi_name ? info->dlpi_name : "";
            for (const char* part : {"libLLVM", "_dri.so", "libgallium", "libEGL_mesa"}) {
                if (name.find(part) != std::string::npos) {
                    static_cast<std::vector<std::string>*>(out)->push_back(name);
                }
            }
            return 0;
        },
        &names);
    for (const std::string& name : names) {
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}
#else
void keepGlDriverLoaded() {}
#endif

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

    std::unique_ptr<Platform> p = createSdlPlatform();
};

// ---------------------------------------------------------------- start-up

TEST(SdlPlatformStartTest, StepsOutOfOrderFailAndReleaseIsSafeTwice) {
    SdlPlatform p;
    EXPECT_FALSE(p.createWindow("no video yet"));
    EXPECT_FALSE(p.createDisplay());
    EXPECT_FALSE(p.createFlipChain());
    EXPECT_FALSE(p.createDevice());
    ASSERT_TRUE(p.registerWindowClass());
    ASSERT_TRUE(p.createWindow("partial"));
    p.release();
    p.release();
    EXPECT_FALSE(p.beginScene());
    EXPECT_EQ(p.createMesh({}, {}), 0);
    p.fill({0, 0, 10, 10}, kRed);  // nothing to draw on; must not crash
    ASSERT_TRUE(startAll(p));
    EXPECT_TRUE(p.beginScene());
    p.endScene();
    p.release();
}

TEST_F(SdlPlatformTest, StartsWithABlackBackBufferOfScreenSize) {
    EXPECT_TRUE(p->beginScene());
    const Image image = p->readBackBuffer();
    ASSERT_EQ(image.width, kScreenWidth);
    ASSERT_EQ(image.height, kScreenHeight);
    EXPECT_EQ(image.at(0, 0), 0u);
    EXPECT_EQ(image.at(1023, 767), 0u);
}

// ---------------------------------------------------------------- 2D

TEST_F(SdlPlatformTest, FillCoversItsRectangleFromTheTopLeft) {
    p->fill({10, 20, 30, 40}, kRed);
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(10, 20), kRed);
    EXPECT_EQ(image.at(39, 59), kRed);
    EXPECT_EQ(image.at(40, 59), 0u);
    EXPECT_EQ(image.at(39, 60), 0u);
    EXPECT_EQ(image.at(9, 20), 0u);
    EXPECT_EQ(image.at(10, 19), 0u);
}

TEST_F(SdlPlatformTest, ColorKeyedBlitLeavesBlackSourcePixelsOut) {
    const std::uint32_t a = 0x102030, b = 0x405060, c = 0x708090, d = 0xA0B0C0;
    Image picture(4, 2);
    picture.pixels = {a, 0, b, c, 0, d, 0, a};
    const SurfaceId surface = p->createSurface(picture);
    ASSERT_NE(p->surface(surface), nullptr);
    EXPECT_EQ(p->surface(surface)->at(2, 0), b);

    p->fill({0, 0, kScreenWidth, kScreenHeight}, kGreen);
    p->blit(100, 200, surface, {1, 0, 3, 2}, true);
    p->blit(300, 200, surface, {1, 0, 3, 2}, false);
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(100, 200), kGreen);
    EXPECT_EQ(image.at(101, 200), b);
    EXPECT_EQ(image.at(102, 200), c);
    EXPECT_EQ(image.at(100, 201), d);
    EXPECT_EQ(image.at(101, 201), kGreen);
    EXPECT_EQ(image.at(102, 201), a);
    EXPECT_EQ(image.at(103, 200), kGreen);
    EXPECT_EQ(image.at(99, 200), kGreen);
    EXPECT_EQ(image.at(100, 202), kGreen);
    // Without the key black is copied.
    EXPECT_EQ(image.at(300, 200), 0u);
    EXPECT_EQ(image.at(301, 201), 0u);
    EXPECT_EQ(image.at(302, 201), a);
}

TEST_F(SdlPlatformTest, BlitIsClippedAtTheScreenEdges) {
    Image picture(3, 3);
    for (int i = 0; i < 9; ++i) picture.pixels[static_cast<std::size_t>(i)] = 0x010101u * (i + 1);
    const SurfaceId surface = p->createSurface(picture);
    p->blit(-1, kScreenHeight - 2, surface, {0, 0, 3, 3}, false);
    p->blit(kScreenWidth - 1, -2, surface, {0, 0, 3, 3}, false);
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(0, 766), picture.at(1, 0));
    EXPECT_EQ(image.at(1, 767), picture.at(2, 1));
    EXPECT_EQ(image.at(1023, 0), picture.at(0, 2));
    EXPECT_EQ(image.at(1022, 0), 0u);
}

TEST(ClipBlitTest, CutsToSurfaceAndScreen) {
    auto r = sdl::clipBlit(-5, 10, {2, 3, 20, 10}, 100, 100);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->dest.x, 0);
    EXPECT_EQ(r->source.x, 7);
    EXPECT_EQ(r->dest.w, 15);
    EXPECT_EQ(r->source.w, 15);

    r = sdl::clipBlit(0, 0, {-2, 95, 10, 10}, 100, 100);  // past the surface's edges
    ASSERT_TRUE(r);
    EXPECT_EQ(r->dest.x, 2);
    EXPECT_EQ(r->source.x, 0);
    EXPECT_EQ(r->source.w, 8);
    EXPECT_EQ(r->source.h, 5);

    r = sdl::clipBlit(1020, 760, {0, 0, 16, 16}, 16, 16);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->dest.w, 4);
    EXPECT_EQ(r->dest.h, 8);

    EXPECT_FALSE(sdl::clipBlit(1024, 0, {0, 0, 16, 16}, 16, 16));
    EXPECT_FALSE(sdl::clipBlit(0, 0, {16, 0, 16, 16}, 16, 16));
    EXPECT_FALSE(sdl::clipBlit(0, 0, {0, 0, 0, 16}, 16, 16));
}

TEST_F(SdlPlatformTest, BatchedCopiesKeepCallOrderWithOtherDrawing) {
    const SurfaceId red = p->createSurface(Image(8, 8, kRed));
    const SurfaceId blue = p->createSurface(Image(8, 8, kBlue));
    // red, blue over it, red again over that: three batches, in order.
    p->blit(0, 0, red, {0, 0, 8, 8}, false);
    p->blit(4, 0, blue, {0, 0, 8, 8}, false);
    p->blit(8, 0, red, {0, 0, 8, 8}, false);
    // A fill after a copy covers it.
    p->blit(100, 0, red, {0, 0, 8, 8}, false);
    p->fill({100, 0, 8, 8}, kGreen);
    // Unknown surfaces draw nothing.
    p->blit(200, 0, 0, {0, 0, 8, 8}, false);
    p->blit(200, 0, 99, {0, 0, 8, 8}, false);
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(2, 2), kRed);
    EXPECT_EQ(image.at(6, 2), kBlue);
    EXPECT_EQ(image.at(9, 2), kRed);
    EXPECT_EQ(image.at(104, 4), kGreen);
    EXPECT_EQ(image.at(204, 4), 0u);
    EXPECT_EQ(p->surface(99), nullptr);
}

TEST_F(SdlPlatformTest, TwoDAndThreeDCoverEachOtherInCallOrder) {
    const SurfaceId red = p->createSurface(Image(16, 16, kRed));
    ASSERT_TRUE(p->setViewport(0, 0, 192, 192, 0.0f, 1.0f));
    p->clear(true, kBlue, true, 1.0f);
    p->fill({0, 0, 50, 50}, kGreen);
    p->blit(50, 50, red, {0, 0, 16, 16}, false);
    Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(25, 25), kGreen);
    EXPECT_EQ(image.at(55, 55), kRed);
    EXPECT_EQ(image.at(100, 100), kBlue);
    EXPECT_EQ(image.at(300, 300), 0u);  // the 2D copies did not widen the viewport

    p->clear(true, 0x808080, false, 1.0f);
    image = p->readBackBuffer();
    EXPECT_EQ(image.at(25, 25), 0x808080u);
    EXPECT_EQ(image.at(55, 55), 0x808080u);
    EXPECT_EQ(image.at(300, 300), 0u);
}

TEST_F(SdlPlatformTest, MeshDrawnAfterACopyCoversItInItsViewport) {
    const SurfaceId red = p->createSurface(Image(64, 64, kRed));
    lookAtOrigin();
    const MeshId mesh = square(0.5f);  // about 92 pixels wide in this viewport
    ASSERT_TRUE(p->setViewport(0, 0, 512, 384, 0.0f, 1.0f));
    p->setLighting(false);
    p->drawMesh(mesh, 0, 6, 1.0f);
    p->blit(224, 160, red, {0, 0, 64, 64}, false);
    p->drawMesh(mesh, 0, 6, 1.0f);
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(256, 192), 0xFFFFFFu);
    EXPECT_EQ(image.at(224, 160), 0xFFFFFFu);
    EXPECT_EQ(image.at(512, 384), 0u);  // the copy's full-screen viewport is gone again
}

// ---------------------------------------------------------------- 3D

TEST_F(SdlPlatformTest, ClearStaysInsideTheViewport) {
    ASSERT_TRUE(p->setViewport(64, 32, 192, 192, 0.0f, 1.0f));
    p->clear(true, kRed, true, 1.0f);
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(64, 32), kRed);
    EXPECT_EQ(image.at(255, 223), kRed);
    EXPECT_EQ(image.at(63, 32), 0u);
    EXPECT_EQ(image.at(64, 31), 0u);
    EXPECT_EQ(image.at(256, 223), 0u);
    EXPECT_EQ(image.at(255, 224), 0u);
}

TEST_F(SdlPlatformTest, ViewportMustBeOnScreenAndNotEmpty) {
    EXPECT_TRUE(p->setViewport(0, 0, kScreenWidth, kScreenHeight, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(0, 0, 0, 10, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(0, 0, 10, -1, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(-1, 0, 10, 10, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(900, 0, 200, 100, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(0, 700, 100, 100, 0.0f, 1.0f));
    // A refused viewport leaves the last good one.
    ASSERT_TRUE(p->setViewport(10, 10, 20, 20, 0.0f, 1.0f));
    EXPECT_FALSE(p->setViewport(0, 0, 2000, 2000, 0.0f, 1.0f));
    p->clear(true, kRed, false, 1.0f);
    EXPECT_EQ(p->readBackBuffer().at(5, 5), 0u);
}

TEST_F(SdlPlatformTest, LitTriangleShowsTheDirectionalLightsColour) {
    lookAtOrigin();
    const MeshId mesh = triangle(0);
    p->clear(true, 0x404040, true, 1.0f);
    p->setLighting(true);
    Material material;
    material.diffuse = {1, 1, 1, 1};
    p->setMaterial(material);
    Light light;
    light.type = LightType::Directional;
    light.diffuse = {1.0f, 0.5f, 0.25f, 1.0f};
    light.direction = {0, 0, 2};  // away from the camera, onto the front
    p->setLight(0, light);
    p->lightEnable(0, true);
    EXPECT_TRUE(p->lightEnabled(0));
    EXPECT_FALSE(p->lightEnabled(1));
    p->drawMesh(mesh, 0, 3, 1.0f);
    const Image image = p->readBackBuffer();
    EXPECT_TRUE(colorNear(image.at(512, 400), 0xFF8040));
    EXPECT_EQ(image.at(100, 100), 0x404040u);
}

TEST_F(SdlPlatformTest, NormalsTurnWithTheWorldMatrix) {
    lookAtOrigin();
    const MeshId mesh = square(1.0f);
    D3DMATRIX turned;
    D3DUtil_SetRotateYMatrix(turned, kPi / 3);
    p->setTransform(TransformState::World, turned);
    p->clear(true, 0, true, 1.0f);
    Material material;
    material.diffuse = {1, 1, 1, 1};
    p->setMaterial(material);
    Light light;
    light.diffuse = {1, 1, 1, 1};
    light.direction = {0, 0, 1};
    p->setLight(0, light);
    p->lightEnable(0, true);
    p->drawMesh(mesh, 0, 6, 1.0f);
    EXPECT_TRUE(colorNear(p->readBackBuffer().at(512, 384), 0x808080));  // cos 60 degrees
}

TEST_F(SdlPlatformTest, VertexScaleGrowsTheMesh) {
    lookAtOrigin();
    const MeshId mesh = square(0.25f);
    unlit(0);
    const int x = 512 + 180;  // inside a square of side 2, outside one of side 0.5
    p->drawMesh(mesh, 0, 6, 1.0f);
    EXPECT_EQ(p->readBackBuffer().at(x, 384), 0u);
    p->drawMesh(mesh, 0, 6, 4.0f);
    EXPECT_EQ(p->readBackBuffer().at(x, 384), 0xFFFFFFu);
}

TEST_F(SdlPlatformTest, LightingWithoutLightsGivesAmbientOnly) {
    lookAtOrigin();
    const MeshId mesh = triangle(0);
    p->setLighting(true);
    Material material;
    material.diffuse = {1, 1, 1, 1};
    p->setMaterial(material);
    p->setAmbient(0xFFFFFFFF);

    p->clear(true, 0x404040, true, 1.0f);
    p->drawMesh(mesh, 0, 3, 1.0f);
    EXPECT_EQ(centre(), 0u);  // black material ambient

    material.ambient = {0.5f, 1.0f, 0.0f, 1.0f};
    p->setMaterial(material);
    p->setAmbient(0x00FF8040);
    p->clear(true, 0x404040, true, 1.0f);
    p->drawMesh(mesh, 0, 3, 1.0f);
    EXPECT_TRUE(colorNear(centre(), 0x808000));

    p->lightEnable(0, false);
    p->setLighting(false);
    p->clear(true, 0x404040, true, 1.0f);
    p->drawMesh(mesh, 0, 3, 1.0f);
    EXPECT_EQ(centre(), 0xFFFFFFu);  // untextured and unlit: white
}

TEST_F(SdlPlatformTest, CounterClockwiseTrianglesAreCulled) {
    lookAtOrigin();
    const MeshId clockwise = triangle(0);
    const MeshId counterClockwise = triangle(0, true);
    unlit(0x404040);
    p->drawMesh(counterClockwise, 0, 3, 1.0f);
    EXPECT_EQ(centre(), 0x404040u);
    p->drawMesh(clockwise, 0, 3, 1.0f);
    EXPECT_EQ(centre(), 0xFFFFFFu);
}

TEST_F(SdlPlatformTest, NearerSurfacesHideFartherOnesWhileDepthTestIsOn) {
    lookAtOrigin();
    const MeshId near = square(1.0f, -1.0f);
    const MeshId far = square(1.0f, 1.0f);
    const TextureId red = p->createTexture(Image(1, 1, kRed));
    const TextureId green = p->createTexture(Image(1, 1, kGreen));
    unlit(0);
    p->setTexture(red);
    p->drawMesh(near, 0, 6, 1.0f);
    p->setTexture(green);
    p->drawMesh(far, 0, 6, 1.0f);
    EXPECT_EQ(centre(), kRed);

    p->setDepthTest(false);
    p->drawMesh(far, 0, 6, 1.0f);
    EXPECT_EQ(centre(), kGreen);
}

// With near 1 and far 100 a surface 5 away has depth 100/99 * (1 - 1/5),
// about 0.81, as Direct3D computes it; the viewport's depth range scales it.
TEST_F(SdlPlatformTest, DepthFollowsDirect3DsZeroToOneScale) {
    lookAtOrigin();
    const MeshId mesh = square(1.0f);
    auto drawnOver = [&](float clearDepth) {
        p->clear(true, 0, true, clearDepth);
        p->drawMesh(mesh, 0, 6, 1.0f);
        return centre() == 0xFFFFFFu;
    };
    p->setLighting(false);
    EXPECT_TRUE(drawnOver(0.83f));
    EXPECT_FALSE(drawnOver(0.79f));
    ASSERT_TRUE(p->setViewport(0, 0, kScreenWidth, kScreenHeight, 0.0f, 0.5f));
    EXPECT_TRUE(drawnOver(0.42f));
    EXPECT_FALSE(drawnOver(0.39f));
}

TEST_F(SdlPlatformTest, SurfacesNearerThanTheNearPlaneAreClipped) {
    lookAtOrigin();
    const MeshId tooNear = square(0.1f, -4.3f);  // 0.7 from the camera, near is 1
    unlit(0);
    p->drawMesh(tooNear, 0, 6, 1.0f);
    EXPECT_EQ(p->readBackBuffer().at(512, 384), 0u);
}

TEST_F(SdlPlatformTest, TextureTopRowIsAtVZero) {
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
    const Image image = p->readBackBuffer();
    EXPECT_EQ(image.at(512, 300), kRed);
    EXPECT_EQ(image.at(512, 470), kBlue);

    p->setTexture(0);
    p->drawMesh(mesh, 0, 6, 1.0f);
    EXPECT_EQ(p->readBackBuffer().at(512, 300), 0xFFFFFFu);
}

TEST_F(SdlPlatformTest, SpotLightLightsOnlyInsideItsCone) {
    lookAtOrigin();
    const MeshId mesh = square(2.0f);
    p->clear(true, 0x404040, true, 1.0f);
    p->setLighting(true);
    Material material;
    material.diffuse = {1, 1, 1, 1};
    p->setMaterial(material);
    Light spot;
    spot.type = LightType::Spot;
    spot.diffuse = {1, 1, 1, 1};
    spot.position = {0, 0, -2};
    spot.direction = {0, 0, 1};
    spot.range = 100;
    spot.attenuation0 = 1;
    spot.theta = 0.2f;
    spot.phi = 0.4f;
    spot.falloff = 1;
    p->setLight(1, spot);
    p->lightEnable(1, true);
    p->drawMesh(mesh, 0, 6, 1.0f);
    const Image image = p->readBackBuffer();
    EXPECT_TRUE(colorNear(image.at(512, 384), 0xFFFFFF, 3));
    EXPECT_EQ(image.at(512 + 200, 384), 0u);  // on the square, outside the cone
    EXPECT_EQ(image.at(10, 10), 0x404040u);
}

TEST_F(SdlPlatformTest, AlphaBlendMixesByMaterialAlpha) {
    lookAtOrigin();
    const MeshId mesh = square(1.0f);
    p->clear(true, 0xFFFFFF, true, 1.0f);
    p->setLighting(true);
    Material material;
    material.diffuse = {0, 0, 0, 0.5f};
    material.emissive = {1, 0, 0, 0};
    p->setMaterial(material);
    p->setAlphaBlend(true);
    p->drawMesh(mesh, 0, 6, 1.0f);
    EXPECT_TRUE(colorNear(p->readBackBuffer().at(512, 384), 0xFF8080));
}

TEST_F(SdlPlatformTest, MeshesRefuseBadIndices) {
    const std::vector<MeshVertex> vertices(3);
    EXPECT_EQ(p->createMesh(vertices, {0, 1, 3}), 0);
    const MeshId mesh = p->createMesh(vertices, {0, 1, 2});
    EXPECT_NE(mesh, 0);
    // Ranges past the indices and unknown meshes draw nothing (and do not crash).
    p->drawMesh(mesh, 1, 3, 1.0f);
    p->drawMesh(mesh + 1, 0, 3, 1.0f);
}

// ---------------------------------------------------------------- presenting

TEST_F(SdlPlatformTest, ThirtyFlipsTakeHalfASecond) {
    p->flip();  // the pacer starts counting here
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 30; ++i) {
        p->fill({0, 0, 10, 10}, static_cast<std::uint32_t>(i));
        p->flip();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.45);
    EXPECT_LE(seconds, 0.75);
    // Presenting leaves the back buffer as it was.
    EXPECT_EQ(p->readBackBuffer().at(0, 0), 29u);
}

TEST(SdlPlatformPacingTest, UnpacedFlipsDoNotWait) {
    SdlPlatform p;
    ASSERT_TRUE(startAll(p));
    p.setPacing(false);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 30; ++i) p.flip();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 0.3);
    p.release();
}

TEST(FramePacerTest, DeadlinesStepByAPeriodUnlessFarBehind) {
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 900, 100), 1100u);
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 1250, 100), 1100u);
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 1300, 100), 1100u);
    EXPECT_EQ(sdl::FramePacer::nextDeadline(1000, 1301, 100), 1301u);
}

TEST(FramePacerTest, VsyncOnlyAtSixtyHertz) {
    EXPECT_TRUE(sdl::wantsVsync(60));
    EXPECT_TRUE(sdl::wantsVsync(59));
    EXPECT_FALSE(sdl::wantsVsync(0));
    EXPECT_FALSE(sdl::wantsVsync(75));
    EXPECT_FALSE(sdl::wantsVsync(144));
}

TEST(LetterboxTest, KeepsFourToThreeCentred) {
    const Rect wide = sdl::letterbox(1920, 1080);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.w, 1440);
    EXPECT_EQ(wide.h, 1080);
    const Rect tall = sdl::letterbox(1280, 1024);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 32);
    EXPECT_EQ(tall.w, 1280);
    EXPECT_EQ(tall.h, 960);
    const Rect exact = sdl::letterbox(1024, 768);
    EXPECT_EQ(exact.x, 0);
    EXPECT_EQ(exact.w, 1024);
}

// ---------------------------------------------------------------- messages and mouse

TEST_F(SdlPlatformTest, PostedMessagesComeFirstInOrder) {
    p->postMessage({Message::KeyDown, vk::F1});
    p->destroyWindow();
    p->postQuitMessage();
    Message m;
    ASSERT_TRUE(p->peekMessage(m));
    EXPECT_EQ(m.type, Message::KeyDown);
    EXPECT_EQ(m.key, vk::F1);
    ASSERT_TRUE(p->peekMessage(m));
    EXPECT_EQ(m.type, Message::Destroy);
    ASSERT_TRUE(p->peekMessage(m));
    EXPECT_EQ(m.type, Message::Quit);
    while (p->peekMessage(m)) {
        EXPECT_NE(m.type, Message::Quit);  // only what SDL itself had queued
    }
}

TEST_F(SdlPlatformTest, MouseBufferKeepsOrderAndLosesOverflow) {
    for (std::uint32_t i = 0; i < 40; ++i) p->postMouse({mouse::X, i, 0, 0});
    MouseEvent e;
    for (std::uint32_t i = 0; i < 32; ++i) {
        ASSERT_TRUE(p->readMouse(e));
        EXPECT_EQ(e.data, i);
    }
    EXPECT_FALSE(p->readMouse(e));
}

TEST_F(SdlPlatformTest, SdlEventsArriveThroughPeekMessage) {
    Message m;
    while (p->peekMessage(m)) {
    }
    MouseEvent e;
    while (p->readMouse(e)) {
    }
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.xrel = 7;
    ASSERT_EQ(SDL_PushEvent(&motion), 1);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_ESCAPE;
    ASSERT_EQ(SDL_PushEvent(&key), 1);

    ASSERT_TRUE(p->peekMessage(m));
    EXPECT_EQ(m.type, Message::KeyDown);
    EXPECT_EQ(m.key, vk::Escape);
    ASSERT_TRUE(p->readMouse(e));  // pumped on the way to the key
    EXPECT_EQ(e.offset, mouse::X);
    EXPECT_EQ(e.data, 7u);
}

TEST(EventTranslationTest, KeysBecomeVirtualKeys) {
    InputQueue queue;
    Message m;
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_BACKSPACE, vk::Back}, {SDLK_KP_ENTER, vk::Return}, {SDLK_RSHIFT, vk::Shift},
        {SDLK_PAGEUP, vk::Prior},   {SDLK_PAGEDOWN, vk::Next},   {SDLK_DOWN, vk::Down},
        {SDLK_DELETE, vk::Delete},  {SDLK_F9, vk::F9},           {SDLK_a, 0},
        {SDLK_F10, 0}};
    for (const auto& [sym, code] : keys) {
        event.key.keysym.sym = sym;
        ASSERT_TRUE(sdl::translateEvent(event, m, queue));
        EXPECT_EQ(m.type, Message::KeyDown);
        EXPECT_EQ(m.key, code) << SDL_GetKeyName(sym);
    }
    event.type = SDL_KEYUP;
    event.key.keysym.sym = SDLK_RETURN;
    ASSERT_TRUE(sdl::translateEvent(event, m, queue));
    EXPECT_EQ(m.type, Message::KeyUp);
    EXPECT_EQ(m.key, vk::Return);

    event.type = SDL_QUIT;
    ASSERT_TRUE(sdl::translateEvent(event, m, queue));
    EXPECT_EQ(m.type, Message::Destroy);
}

TEST(EventTranslationTest, MouseChangesGoToTheBuffer) {
    InputQueue queue;
    Message m;
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.xrel = -3;
    event.motion.yrel = 0;
    EXPECT_FALSE(sdl::translateEvent(event, m, queue));
    event.motion.xrel = 0;
    event.motion.yrel = 5;
    EXPECT_FALSE(sdl::translateEvent(event, m, queue));

    event = SDL_Event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = 1;
    sdl::translateEvent(event, m, queue);
    event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    sdl::translateEvent(event, m, queue);

    event = SDL_Event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_RIGHT;
    event.button.state = SDL_PRESSED;
    sdl::translateEvent(event, m, queue);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_MIDDLE;
    event.button.state = SDL_RELEASED;
    sdl::translateEvent(event, m, queue);
    event.button.button = SDL_BUTTON_X1;  // not a button the game reads
    sdl::translateEvent(event, m, queue);

    const std::pair<std::uint32_t, std::int32_t> expected[] = {
        {mouse::X, -3},       {mouse::Y, 5},        {mouse::Z, 120},
        {mouse::Z, -120},     {mouse::Button1, 0x80}, {mouse::Button2, 0}};
    MouseEvent e;
    for (const auto& [offset, data] : expected) {
        ASSERT_TRUE(queue.readMouse(e));
        EXPECT_EQ(e.offset, offset);
        EXPECT_EQ(static_cast<std::int32_t>(e.data), data);
    }
    EXPECT_FALSE(queue.readMouse(e));
}

// ---------------------------------------------------------------- sound and desktop

// A mono 16-bit wave of the given length, silent.
void writeWave(const std::filesystem::path& path, int milliseconds) {
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = rate * static_cast<std::uint32_t>(milliseconds) / 1000;
    const std::uint32_t dataSize = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataSize);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataSize);
    const std::vector<char> silence(dataSize, 0);
    out.write(silence.data(), static_cast<std::streamsize>(silence.size()));
}

TEST_F(SdlPlatformTest, SoundPlaysToItsEnd) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("sternfahrt_sound_" + std::to_string(SDL_GetPerformanceCounter()) + ".wav");
    writeWave(file, 100);
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
    EXPECT_EQ(sdl::fileUrl("/home/a b/Hilfe-1.0_~x.html"),
              "file:///home/a%20b/Hilfe-1.0_~x.html");
    EXPECT_EQ(sdl::fileUrl("/t/\xC3\xBC#%"), "file:///t/%C3%BC%23%25");
}

// The error text of a failed start is shown after the display is released:
// the video system must still be there then, or the box cannot appear.
TEST(SdlPlatformStartTest, ReleaseKeepsTheVideoSystemForTheMessageBox) {
    {
        SdlPlatform p;
        ASSERT_TRUE(startAll(p));
        p.release();
        EXPECT_NE(SDL_WasInit(SDL_INIT_VIDEO), 0u);
        EXPECT_NE(SDL_GetCurrentVideoDriver(), nullptr);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

TEST_F(SdlPlatformTest, MessageBoxDoesNotWaitWithoutADisplay) {
    ::testing::internal::CaptureStderr();
    p->messageBox("Sternfahrt", "Kein Ton");
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Sternfahrt: Kein Ton"),
              std::string::npos);
}

}  // namespace
