#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "platform/d3dfile.h"
#include "platform/headless/headless_platform.h"
#include "platform/render_object.h"
#include "support/temp_dir.h"

using platform::HeadlessPlatform;
using platform::Material;
using platform::TransformState;

namespace {

const std::string kHeader = "xof 0303txt 0032\n";

std::string triangle(const std::string& children = "") {
    return "Mesh { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3;0,1,2;;\n" + children + "}\n";
}

std::string material(float alpha, const std::string& texture = "") {
    std::string m = "Material { 1;1;1;" + std::to_string(alpha) + ";; 0; 0;0;0;; 0;0;0;;";
    if (!texture.empty()) m += " TextureFilename { \"" + texture + "\"; }";
    return m + " }\n";
}

// Five triangles, each with the material given, over a fan.
std::string fan(const std::string& faceMaterials, const std::string& materials, int materialCount) {
    return "Mesh { 6; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;, -1;1;0;, -1;0;0;;\n"
           " 5; 3;0,1,2;, 3;0,2,3;, 3;0,3,4;, 3;0,4,5;, 3;0,5,1;;\n"
           " MeshMaterialList { " + std::to_string(materialCount) + "; 5; " + faceMaterials + ";;\n" +
           materials + " }\n}\n";
}

struct Scene {
    TempWorkDir dir;
    HeadlessPlatform p;
    CD3DFile mesh{p};

    void load(const std::string& body) {
        std::ofstream("mesh.x") << kHeader << body;
        ASSERT_EQ(mesh.Load("mesh.x"), 0) << mesh.error();
        p.meshIndices.clear();
    }
    D3DVECTOR placed(std::size_t draw, D3DVECTOR v) const {
        EXPECT_EQ(D3DMath_VectorMatrixMultiply(v, v, p.draws.at(draw).world), S_OK);
        return v;
    }
};

void expectNear(const D3DVECTOR& a, const D3DVECTOR& b) {
    EXPECT_NEAR(a.x, b.x, 1e-4f);
    EXPECT_NEAR(a.y, b.y, 1e-4f);
    EXPECT_NEAR(a.z, b.z, 1e-4f);
}

D3DMATRIX translation(float x, float y, float z) {
    D3DMATRIX m;
    D3DUtil_SetTranslateMatrix(m, x, y, z);
    return m;
}

}  // namespace

TEST(D3DFile, FrameMatricesApplyInsideOutBeforeTheWorld) {
    Scene s;
    // Outer: move by (10, 0, 0). Inner: a quarter turn about z, x onto y.
    s.load("Frame Aussen { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;; }\n" +
           triangle() +
           " Frame Innen { FrameTransformMatrix { 0,1,0,0, -1,0,0,0, 0,0,1,0, 0,0,0,1;; }\n" +
           triangle() + " }\n}\n");
    s.p.setTransform(TransformState::World, translation(0, 0, 100));
    s.mesh.Render();
    ASSERT_EQ(s.p.draws.size(), 2u);
    expectNear(s.placed(0, {1, 0, 0}), {11, 0, 100});
    expectNear(s.placed(1, {1, 0, 0}), {10, 1, 100});
    expectNear(s.placed(1, {0, 0, 1}), {10, 0, 101});
}

TEST(D3DFile, MaterialsBindTheirTextureOrKeepTheCallers) {
    Scene s;
    s.dir.writeBitmap("bemalt.bmp", 4, 4, 0xFF0000);
    s.load(fan("0,1,0,2,1", material(1, "bemalt.bmp") + material(1) + material(1, "bemalt.bmp"), 3) +
           triangle(" MeshMaterialList { 1; 1; 0;; " + material(1, "bemalt.bmp") + "}"));
    const platform::TextureId caller = s.p.createTexture(platform::Image(1, 1));
    EXPECT_EQ(caller, 2);  // bemalt.bmp was loaded once, for all its materials

    Material callerMaterial;
    callerMaterial.diffuse = {0.1f, 0.2f, 0.3f, 0.4f};
    callerMaterial.power = 7;
    const D3DMATRIX world = translation(1, 2, 3);
    s.p.setTexture(caller);
    s.p.setMaterial(callerMaterial);
    s.p.setTransform(TransformState::World, world);
    s.p.setAlphaBlend(true);
    s.mesh.Render();

    ASSERT_EQ(s.p.draws.size(), 4u);
    EXPECT_EQ(s.p.draws[0].texture, 1);
    EXPECT_EQ(s.p.draws[1].texture, caller);  // even after a textured material
    EXPECT_EQ(s.p.draws[2].texture, 1);
    EXPECT_EQ(s.p.draws[3].texture, 1);
    EXPECT_EQ(s.p.draws[1].material.diffuse.r, 1.0f);

    EXPECT_EQ(s.p.texture(), caller);
    EXPECT_EQ(s.p.material().diffuse.b, 0.3f);
    EXPECT_EQ(s.p.material().power, 7.0f);
    EXPECT_EQ(s.p.transform(TransformState::World), world);
    EXPECT_TRUE(s.p.alphaBlend());
}

// Each material draws one run of its triangles; transparent ones come last,
// blended, and blending is off again afterwards.
TEST(D3DFile, EachMaterialDrawsOneRunTransparentOnesLast) {
    Scene s;
    std::ofstream("mesh.x") << kHeader << fan("1,0,1,0,1", material(1) + material(1), 2);
    ASSERT_EQ(s.mesh.Load("mesh.x"), 0);
    ASSERT_EQ(s.p.meshIndices.size(), 1u);
    EXPECT_EQ(s.p.meshIndices[0], (std::vector<std::uint32_t>{0, 2, 3, 0, 4, 5, 0, 1, 2, 0, 3, 4, 0, 5, 1}));
    s.mesh.Render();
    ASSERT_EQ(s.p.draws.size(), 2u);
    EXPECT_EQ(std::pair(s.p.draws[0].firstIndex, s.p.draws[0].indexCount), std::pair(0, 6));
    EXPECT_EQ(std::pair(s.p.draws[1].firstIndex, s.p.draws[1].indexCount), std::pair(6, 9));

    s.load(fan("0,1,0,1,0", material(0.5f) + material(1), 2) + triangle());
    s.p.draws.clear();
    s.mesh.Render();
    ASSERT_EQ(s.p.draws.size(), 3u);
    EXPECT_FALSE(s.p.draws[0].alphaBlend);
    EXPECT_FALSE(s.p.draws[1].alphaBlend);  // the second mesh's default material
    EXPECT_EQ(std::tuple(s.p.draws[2].material.diffuse.a, s.p.draws[2].alphaBlend, s.p.draws[2].indexCount),
              std::tuple(0.5f, true, 9));
    EXPECT_FALSE(s.p.alphaBlend());
}

TEST(D3DFile, ScaleIsAFactorThatNeverDrifts) {
    Scene s;
    s.load(triangle());
    s.mesh.Scale(10.0f);
    s.mesh.Render(2.0f);
    EXPECT_EQ(s.p.draws.at(0).vertexScale, 20.0f);
    D3DMATRIX world;
    for (int i = 0; i < 100000; ++i) {
        Render_Object(s.p, &s.mesh, {}, {}, 3.7f, world);
        Render_Object(s.p, &s.mesh, {}, {}, 1.0f / 3.7f, world);
        s.p.draws.clear();
    }
    s.mesh.Render();
    EXPECT_EQ(s.p.draws.at(0).vertexScale, 10.0f);
}

TEST(D3DFile, FailedLoadsDrawNothingAndKeepWhatWasThere) {
    Scene s;
    EXPECT_LT(s.mesh.Load("fehlt.x"), 0);
    EXPECT_FALSE(s.mesh.loaded());
    s.p.setTexture(5);
    s.mesh.Render();
    EXPECT_TRUE(s.p.draws.empty());

    s.load(triangle());
    s.mesh.Scale(4.0f);
    std::ofstream("kaputt.x") << kHeader << "Mesh { 3; 0;0;0;;";
    EXPECT_LT(s.mesh.Load("kaputt.x"), 0);
    EXPECT_FALSE(s.mesh.error().empty());
    EXPECT_TRUE(s.mesh.loaded());
    s.mesh.Render();
    ASSERT_EQ(s.p.draws.size(), 1u);
    EXPECT_EQ(s.p.draws[0].vertexScale, 4.0f);

    // A good load starts afresh at the file's own size.
    s.load(fan("0,0,0,0,0", material(1), 1));
    s.p.draws.clear();
    s.mesh.Render();
    ASSERT_EQ(s.p.draws.size(), 1u);
    EXPECT_EQ(s.p.draws[0].indexCount, 15);
    EXPECT_EQ(s.p.draws[0].vertexScale, 1.0f);
}

// No mesh draws nothing and leaves the matrix; a mesh is drawn with the
// object matrix (checked in the math test), at any scale, and the world
// matrix given back is the identity.
TEST(RenderObject, PlacesTurnsAndScalesTheMesh) {
    Scene s;
    s.load(triangle());
    D3DMATRIX world = translation(7, 7, 7);
    EXPECT_EQ(&Render_Object(s.p, nullptr, {1, 2, 3}, {}, 2.0f, world), &world);
    EXPECT_EQ(world, translation(7, 7, 7));
    EXPECT_TRUE(s.p.draws.empty());

    const D3DVECTOR pos{100, 200, 300}, ang{0.3f, -1.1f, 2.0f};
    EXPECT_EQ(&Render_Object(s.p, &s.mesh, pos, ang, -190000.0f, world), &world);
    D3DMATRIX identity;
    D3DUtil_SetIdentityMatrix(identity);
    EXPECT_EQ(world, identity);
    ASSERT_EQ(s.p.draws.size(), 1u);
    EXPECT_EQ(s.p.draws[0].world, objectMatrix(pos, ang));
    EXPECT_EQ(s.p.draws[0].vertexScale, -190000.0f);
    EXPECT_EQ(s.p.transform(TransformState::World), objectMatrix(pos, ang));
}

TEST(RenderObject, ScaledObjectsStretchBeforeTheyTurn) {
    Scene s;
    s.load(triangle());
    D3DMATRIX world;
    const D3DVECTOR pos{10, 0, 0}, ang{1.5707963f, 0, 0};
    Render_ScaledObject(s.p, &s.mesh, pos, ang, 3.0f, world, 1.0f, 0.2f, 1.0f);
    ASSERT_EQ(s.p.draws.size(), 1u);
    EXPECT_EQ(s.p.draws[0].vertexScale, 3.0f);
    // Flattened along the mesh's own y, which the turn then lays along z.
    expectNear(s.placed(0, {0, 1, 0}), {10, 0, 0.2f});
    expectNear(s.placed(0, {0, 0, 1}), {10, -1, 0});
    expectNear(s.placed(0, {1, 0, 0}), {11, 0, 0});
}

TEST(D3DFile, GivesItsMeshesBackOnReloadAndWhenItGoes) {
    Scene s;
    std::ofstream("mesh.x") << kHeader << triangle() + triangle();
    {
        CD3DFile mesh(s.p);
        ASSERT_EQ(mesh.Load("mesh.x"), 0);
        EXPECT_EQ(s.p.liveMeshes(), 2);
        // A second load replaces the first: still two on the device.
        ASSERT_EQ(mesh.Load("mesh.x"), 0);
        EXPECT_EQ(s.p.liveMeshes(), 2);
        EXPECT_EQ(s.p.meshLive, (std::vector<bool>{false, false, true, true}));
        // A failed load keeps what was there.
        EXPECT_LT(mesh.Load("missing.x"), 0);
        EXPECT_EQ(s.p.liveMeshes(), 2);
    }
    EXPECT_EQ(s.p.liveMeshes(), 0);
    // Releasing twice, or an id never given out, is harmless.
    s.p.destroyMesh(1);
    s.p.destroyMesh(99);
    s.p.destroyMesh(0);
    EXPECT_EQ(s.p.liveMeshes(), 0);
}
