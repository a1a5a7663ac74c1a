#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/d3dfile.h"
#include "platform/headless/headless_platform.h"
#include "platform/render_object.h"
#include "support/temp_dir.h"

using platform::HeadlessPlatform;

namespace {

const std::string kHeader = "xof 0303txt 0032\n";

std::string triangle(const std::string& children = "") {
    return "Mesh { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3;0,1,2;;\n" + children + "}\n";
}

std::string material(float alpha) { return "Material { 1;1;1;" + std::to_string(alpha) + ";; 0; 0;0;0;; 0;0;0;; }\n"; }

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
};

}  // namespace

// Where the meshes, their materials and textures are drawn is pinned by the
// scene of every run in tests/tools/pins_test.cpp; here are the runs, the
// edges of loading and the scale.

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
    EXPECT_EQ(std::pair(s.p.draws[0].indexCount, s.p.draws[0].vertexScale), std::pair(15, 1.0f));
}

