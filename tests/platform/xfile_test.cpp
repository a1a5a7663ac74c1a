#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/xfile/x_parser.h"
#include "support/temp_dir.h"

using xfile::XFrame;
using xfile::XMesh;

namespace {

const std::string kHeader = "xof 0303txt 0032\n";
const std::string kWhite = "Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; }";

// A unit square over two triangles, wrapped into a mesh with extra children.
std::string square(const std::string& children = "") {
    return "Mesh Quadrat {\n 4;\n 0.0;0.0;0.0;,\n 1.0;0.0;0.0;,\n 1.0;1.0;0.0;,\n 0.0;1.0;0.0;;\n"
           " 2;\n 3;0,1,2;,\n 3;0,2,3;;\n" + children + "}\n";
}

std::optional<XFrame> parse(const std::string& text) {
    std::string error;
    auto frame = xfile::parseXFile(text, error);
    EXPECT_EQ(frame.has_value(), error.empty()) << error;
    return frame;
}

const XMesh& onlyMesh(const XFrame& root) {
    EXPECT_EQ(root.meshes.size(), 1u);
    return root.meshes.at(0);
}

// A file with every section, ending at its last brace.
const std::string kFull = kHeader +
    "template Vektor { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> FLOAT x; FLOAT y; FLOAT z; }\n"
    "Material Rot { 1.0;0.0;0.0;1.0;; 5.0; 1.0;1.0;1.0;; 0.0;0.0;0.0;;\n"
    " TextureFilename { \"rot.bmp\"; } }\n"
    "Frame Rumpf {\n FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 3,4,5,1;; }\n" +
    square(" MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; }\n"
           " MeshTextureCoords { 4; 0.0;1.0;, 1.0;1.0;, 1.0;0.0;, 0.0;0.0;; }\n"
           " MeshMaterialList { 1; 2; 0,0;; { Rot } }\n") +
    "}";

}  // namespace

// Normals indexed like the positions keep the vertices shared; normals per
// face split the corners the faces share.
TEST(XFile, NormalsKeepOrSplitTheSharedVertices) {
    const auto shared = parse(kHeader + square(
        " MeshNormals { 4; 0;0;-1;, 0;0;-1;, 0;1;0;, 1;0;0;; 2; 3;0,1,2;, 3;0,2,3;; }\n"));
    ASSERT_TRUE(shared);
    ASSERT_EQ(onlyMesh(*shared).vertices.size(), 4u);
    EXPECT_EQ(onlyMesh(*shared).vertices[3].normal, D3DVECTOR(1, 0, 0));
    EXPECT_EQ(onlyMesh(*shared).indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}));

    const auto split = parse(kHeader + square(
        " MeshTextureCoords { 4; 0.0;0.0;, 0.25;0.0;, 0.5;0.0;, 0.75;0.0;; }\n"
        " MeshNormals { 2; 0;0;-1;, 0;0;1;; 2; 3;0,0,0;, 3;1,1,1;; }\n"));
    ASSERT_TRUE(split);
    const XMesh& mesh = onlyMesh(*split);
    EXPECT_EQ(mesh.vertices.size(), 6u);  // corners 0 and 2 twice, 1 and 3 once
    const std::uint32_t corners[6] = {0, 1, 2, 0, 2, 3};
    const D3DVECTOR positions[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    ASSERT_EQ(mesh.indices.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        const auto& v = mesh.vertices.at(mesh.indices[k]);
        EXPECT_EQ(std::tuple(v.position, v.normal.z, v.u),
                  std::tuple(positions[corners[k]], k < 3 ? -1.0f : 1.0f, 0.25f * static_cast<float>(corners[k])))
            << k;
    }
}

TEST(XFile, EveryTruncationFails) {
    const auto full = parse(kFull);
    ASSERT_TRUE(full);
    // Its material, named at the top and referred to by the mesh, with its texture.
    EXPECT_EQ(full->children.at(0).meshes.at(0).materials.at(0).textureFile, "rot.bmp");
    for (std::size_t n = 0; n < kFull.size(); ++n) {
        std::string error;
        EXPECT_FALSE(xfile::parseXFile(std::string_view(kFull).substr(0, n), error)) << n;
        EXPECT_FALSE(error.empty());
    }
}

TEST(XFile, BrokenFilesFail) {
    const std::string triangle = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;;\n";
    std::vector<std::string> cases = {
        "",
        "xof 0303bin 0032\n" + square(),
        "xof 0304txt 0032\n" + square(),
        "Mesh {}",
        kHeader,                                                       // no mesh
        kHeader + "Frame { }",                                         // no mesh
        // wrong counts
        kHeader + "Mesh { 4; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }",
        kHeader + "Mesh { 2; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }",
        kHeader + square(" MeshNormals { 1; 0;0;1;; 1; 3;0,0,0;; }"),
        kHeader + square(" MeshNormals { 1; 0;0;1;; 2; 3;0,0,0;, 4;0,0,0,0;; }"),
        kHeader + square(" MeshTextureCoords { 3; 0;0;, 0;0;, 0;0;; }"),
        kHeader + square(" MeshMaterialList { 2; 2; 0,0;; " + kWhite + " }"),
        kHeader + square(" MeshMaterialList { 1; 3; 0,0,0;; " + kWhite + " }"),
        kHeader + square(" MeshMaterialList { 1; 2; 0,0;; " + kWhite + kWhite + " }"),
        // indices out of range
        kHeader + square(" MeshNormals { 1; 0;0;1;; 2; 3;0,0,0;, 3;0,1,0;; }"),
        kHeader + square(" MeshMaterialList { 1; 2; 0,1;; " + kWhite + " }"),
        kHeader + square(" MeshMaterialList { 1; 1; 0;; { Fehlt } }"),
        // huge counts
        kHeader + "Mesh { 4000000000; 0;0;0;; 0; }",
        kHeader + "Mesh { 99999999999999999999; 0;0;0;; 0; }",
        kHeader + "Mesh { 900000; 0;0;0;; 0; }",
        kHeader + square(" MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;;"
                         " TextureFilename { \"" + std::string(300, 'a') + ".bmp\"; } } }"),
        kHeader + "Frame { FrameTransformMatrix { 1,0,0,0,0,1,0,0,0,0,1,0,0,0,nan,1;; } " + square() + "}",
        // unclosed things and stray tokens
        kHeader + square(" MeshMaterialList { 1; 2; 0,0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;;"
                         " TextureFilename { \"offen.bmp; } } }"),
        kHeader + "template Offen { <3D82AB43 }\n" + square(),
        kHeader + square() + "}",
        kHeader + square() + "17",
    };
    // A triangle's faces with wrong counts, indices out of range or huge.
    for (const char* faces : {"2; 3;0,1,2;;", "1; 3;0,1,2;, 3;0,1,2;;", "1; 4;0,1,2;;", "1; 2;0,1;;", "1; 3;0,1,3;;",
                              "1; 3;0,-1,2;;", "1; 3;0,1.0,2;;", "900000; 3;0,1,2;;", "1; 4000000000;0,1,2;;"}) {
        cases.push_back(kHeader + triangle + " " + faces + " }");
    }
    // Numbers that are none.
    for (const char* number : {"nan", "-inf", "1e39", "1e", "+-1"}) {
        cases.push_back(kHeader + "Mesh { 3; 0;0;0;, " + number + ";0;0;, 0;1;0;; 1; 3;0,1,2;; }");
    }
    for (const std::string& text : cases) {
        std::string error;
        EXPECT_FALSE(xfile::parseXFile(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(XFile, DeepNestingFailsWithoutExhaustingTheStack) {
    auto nested = [](const std::string& open, int depth) {
        std::string text = kHeader;
        for (int i = 0; i < depth; ++i) text += open;
        text += square();
        for (int i = 0; i < depth; ++i) text += "}";
        return text;
    };
    EXPECT_TRUE(parse(nested("Frame {", 60)));
    std::string error;
    EXPECT_FALSE(xfile::parseXFile(nested("Frame {", 100000), error));
    EXPECT_FALSE(xfile::parseXFile(nested("Frame { Unbekannt {", 50000), error));
    EXPECT_FALSE(xfile::parseXFile(nested("Unbekannt {", 100000), error));
}

TEST(XFile, RefusesMoreThanTheGameReadsInAll) {
    // 400000 references to one material: each list short, together too much.
    std::string refs;
    for (int i = 0; i < 400000; ++i) refs += "{A}";
    const std::string material = "Material A { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; }\n";
    auto list = [&](int count) {
        return kHeader + material +
               square(" MeshMaterialList { " + std::to_string(count) + "; 1; 0;; " +
                      refs.substr(0, 3 * static_cast<std::size_t>(count)) + " }");
    };
    EXPECT_TRUE(parse(list(40000)));
    std::string error;
    EXPECT_FALSE(xfile::parseXFile(list(400000), error));
}

TEST(XFile, ReadsFilesAndRefusesMissingAndHugeOnes) {
    TempWorkDir dir;
    std::ofstream("gut.x") << kFull;
    std::string error;
    EXPECT_TRUE(xfile::readXFile("gut.x", error)) << error;

    EXPECT_FALSE(xfile::readXFile("fehlt.x", error));
    EXPECT_NE(error.find("fehlt.x"), std::string::npos);

    // A valid file padded with a comment beyond the size limit.
    {
        std::ofstream big("gross.x");
        big << kFull << "\n//";
    }
    std::filesystem::resize_file("gross.x", xfile::kMaxFileBytes + 1);
    EXPECT_FALSE(xfile::readXFile("gross.x", error));
}
