#include "platform/xfile/x_parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>

#include "platform/xfile/x_lexer.h"
#include "platform/xfile/x_mesh_builder.h"

namespace xfile {

namespace {

constexpr std::size_t kHeaderSize = 16;  // "xof 0303txt 0032"

struct ParseError {
    std::string text;
};

D3DMATRIX identity() {
    D3DMATRIX m;
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

bool isIdentifier(const Token& t) { return t.kind == TokenKind::Word && !t.isNumber(); }

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text), lex_(text, kHeaderSize) {}

    XFrame parseFile() {
        checkHeader();
        XFrame root;
        root.transform = identity();
        for (Token t = take(); t.kind != TokenKind::End; t = take()) {
            if (isIdentifier(t) && t.text == "template") {
                skipTemplate();
            } else if (isIdentifier(t)) {
                addObject(root, t, 1, false);
            } else {
                fail("expected a template or a data object, found " + describe(t), t.offset);
            }
        }
        if (meshes_ == 0) fail("the file holds no mesh", text_.size());
        return root;
    }

private:
    [[noreturn]] void fail(const std::string& what, std::size_t offset) {
        offset = std::min(offset, text_.size());
        const auto line = 1 + std::count(text_.begin(), text_.begin() + offset, '\n');
        throw ParseError{"line " + std::to_string(line) + ": " + what};
    }

    static std::string describe(const Token& t) {
        if (t.kind == TokenKind::End) return "the end of the file";
        std::string quoted(1, '\'');
        quoted.append(t.text.substr(0, 40));
        quoted.push_back('\'');
        return quoted;
    }

    void checkHeader() {
        if (text_.size() < kHeaderSize || text_.substr(0, 4) != "xof ") {
            fail("not a DirectX file", 0);
        }
        const std::string_view version = text_.substr(4, 4);
        if (version != "0302" && version != "0303") fail("unknown .X version", 4);
        if (text_.substr(8, 4) != "txt ") fail("not a text .X file", 8);
        const std::string_view floatBits = text_.substr(12, 4);
        if (floatBits != "0032" && floatBits != "0064") fail("unknown float size", 12);
    }

    // ------------------------------------------------------------ tokens

    Token take() {
        Token t = lex_.next();
        if (t.kind == TokenKind::Unfinished) fail("a string or GUID is not closed", t.offset);
        return t;
    }

    void skipSeparators() {
        while (lex_.peek().kind == TokenKind::Separator) lex_.next();
    }

    float readFloat() {
        skipSeparators();
        const Token t = take();
        if (!t.isNumber()) fail("expected a number, found " + describe(t), t.offset);
        std::string_view s = t.text;
        if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);
        float value = 0.0f;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
            fail("not a finite number: " + describe(t), t.offset);
        }
        return value;
    }

    std::uint32_t readUint() {
        skipSeparators();
        const Token t = take();
        std::uint64_t value = 0;
        const char* first = t.text.data();
        const char* last = first + t.text.size();
        const auto [end, ec] = std::from_chars(first, last, value);
        if (t.kind != TokenKind::Word || t.text.empty() || t.text.front() < '0' ||
            t.text.front() > '9' || ec != std::errc() || end != last || value > UINT32_MAX) {
            fail("expected a whole number, found " + describe(t), t.offset);
        }
        return static_cast<std::uint32_t>(value);
    }

    // Takes values from the file's allowance.
    void charge(std::uint64_t values) {
        if (values > budget_) fail("the file holds more than the game reads", lex_.peek().offset);
        budget_ -= values;
    }

    // The same for values still to be read; each needs at least a digit and
    // a separator of what is left of the file.
    void spend(std::uint64_t values, const char* what) {
        if (values * 2 > lex_.remaining() + 2) {
            fail(std::string("the file is too short for its ") + what, lex_.peek().offset);
        }
        charge(values);
    }

    // A list length, checked before anything is reserved for the list.
    std::uint32_t readCount(std::uint64_t valuesPerItem, const char* what) {
        const std::uint32_t n = readUint();
        if (n > kMaxCount) fail(std::string("too many ") + what, lex_.peek().offset);
        spend(n * valuesPerItem, what);
        return n;
    }

    D3DVECTOR readVector() {
        const float x = readFloat();
        const float y = readFloat();
        const float z = readFloat();
        return {x, y, z};
    }

    // One polygon: the corner count, then that many indices below limit.
    std::uint32_t readFace(std::vector<std::uint32_t>& corners, std::uint32_t limit,
                           const char* what) {
        const std::uint32_t n = readUint();
        if (n < 3) fail("a face needs at least three corners", lex_.peek().offset);
        if (n > kMaxCount) fail("a face with too many corners", lex_.peek().offset);
        spend(n, "faces");
        for (std::uint32_t k = 0; k < n; ++k) {
            const std::uint32_t index = readUint();
            if (index >= limit) fail(std::string(what) + " index out of range", lex_.peek().offset);
            corners.push_back(index);
        }
        return n;
    }

    // ------------------------------------------------------------ objects

    // After the identifier: the optional name and GUID and the opening brace.
    std::string_view openBody(int depth) {
        Token t = take();
        if (depth > kMaxDepth) fail("objects nested too deeply", t.offset);
        std::string_view name;
        if (t.kind == TokenKind::Word) {
            name = t.text;
            t = take();
        }
        if (t.kind == TokenKind::Guid) t = take();
        if (t.kind != TokenKind::OpenBrace) fail("expected '{', found " + describe(t), t.offset);
        if (lex_.peek().kind == TokenKind::Guid) lex_.next();
        return name;
    }

    void closeBody() {
        skipSeparators();
        const Token t = take();
        if (t.kind != TokenKind::CloseBrace) fail("expected '}', found " + describe(t), t.offset);
    }

    // Passes over the rest of an object whatever it holds.
    void skipBody(int depth) {
        for (int open = 1; open > 0;) {
            const Token t = take();
            if (t.kind == TokenKind::End) fail("the file ends inside an object", t.offset);
            if (t.kind == TokenKind::OpenBrace && depth + open++ > kMaxDepth) {
                fail("objects nested too deeply", t.offset);
            }
            if (t.kind == TokenKind::CloseBrace) --open;
        }
    }

    void skipTemplate() {
        const Token name = take();
        if (!isIdentifier(name)) fail("a template needs a name", name.offset);
        const Token open = take();
        if (open.kind != TokenKind::OpenBrace) {
            fail("expected '{', found " + describe(open), open.offset);
        }
        skipBody(1);
    }

    // "{ Name }", "{ <GUID> }" or "{ Name <GUID> }", after the brace; the name.
    std::string_view readReference() {
        Token t = take();
        std::string_view name;
        if (t.kind == TokenKind::Word) {
            name = t.text;
            t = take();
        }
        if (t.kind == TokenKind::Guid) t = take();
        if (t.kind != TokenKind::CloseBrace) fail("expected '}', found " + describe(t), t.offset);
        return name;
    }

    // The next child of an object: its identifier, or End at the closing brace.
    // References, other than those a material list makes, are passed over.
    Token nextChild(bool keepReferences = false) {
        for (;;) {
            skipSeparators();
            const Token t = take();
            if (t.kind == TokenKind::CloseBrace) return Token{};
            if (t.kind == TokenKind::OpenBrace && keepReferences) return t;
            if (t.kind == TokenKind::OpenBrace) {
                readReference();
                continue;
            }
            if (!isIdentifier(t)) fail("unexpected " + describe(t), t.offset);
            return t;
        }
    }

    void addObject(XFrame& frame, const Token& id, int depth, bool inFrame) {
        const std::string_view name = openBody(depth);
        if (id.text == "Frame") {
            frame.children.push_back(parseFrame(name, depth));
        } else if (id.text == "Mesh") {
            frame.meshes.push_back(parseMesh(depth));
        } else if (id.text == "FrameTransformMatrix" && inFrame) {
            for (int i = 0; i < 16; ++i) frame.transform(i / 4, i % 4) = readFloat();
            closeBody();
        } else if (id.text == "Material") {
            parseMaterial(name, depth);
        } else {
            skipBody(depth);
        }
    }

    XFrame parseFrame(std::string_view name, int depth) {
        XFrame frame;
        frame.name = name;
        frame.transform = identity();
        for (Token t = nextChild(); t.kind != TokenKind::End; t = nextChild()) {
            addObject(frame, t, depth + 1, true);
        }
        return frame;
    }

    XMesh parseMesh(int depth) {
        RawMesh raw;
        const std::uint32_t vertexCount = readCount(3, "vertices");
        raw.positions.reserve(vertexCount);
        for (std::uint32_t i = 0; i < vertexCount; ++i) raw.positions.push_back(readVector());

        const std::uint32_t faceCount = readCount(4, "faces");
        raw.faceStart.reserve(std::size_t{faceCount} + 1);
        for (std::uint32_t f = 0; f < faceCount; ++f) {
            readFace(raw.corners, vertexCount, "vertex");
            raw.faceStart.push_back(static_cast<std::uint32_t>(raw.corners.size()));
        }

        for (Token t = nextChild(); t.kind != TokenKind::End; t = nextChild()) {
            const std::string_view name = openBody(depth + 1);
            if (t.text == "MeshNormals") {
                parseNormals(raw);
            } else if (t.text == "MeshTextureCoords") {
                parseTextureCoords(raw);
            } else if (t.text == "MeshMaterialList") {
                parseMaterialList(raw, depth + 1);
            } else if (t.text == "Material") {
                parseMaterial(name, depth + 1);
            } else {
                skipBody(depth + 1);
            }
        }
        ++meshes_;
        return buildMesh(std::move(raw));
    }

    void parseNormals(RawMesh& raw) {
        raw.hasNormals = true;
        raw.normals.clear();
        raw.normalCorners.clear();
        const std::uint32_t normalCount = readCount(3, "normals");
        raw.normals.reserve(normalCount);
        for (std::uint32_t i = 0; i < normalCount; ++i) raw.normals.push_back(readVector());

        const std::uint32_t faceCount = readCount(4, "normal faces");
        if (faceCount != raw.faceCount()) {
            fail("the normals have other faces than the mesh", lex_.peek().offset);
        }
        raw.normalCorners.reserve(raw.corners.size());
        for (std::uint32_t f = 0; f < faceCount; ++f) {
            const std::uint32_t n = readFace(raw.normalCorners, normalCount, "normal");
            if (n != raw.faceStart[f + 1] - raw.faceStart[f]) {
                fail("a normal face has other corners than its face", lex_.peek().offset);
            }
        }
        closeBody();
    }

    void parseTextureCoords(RawMesh& raw) {
        const std::uint32_t count = readCount(2, "texture coordinates");
        if (count != raw.positions.size()) {
            fail("texture coordinates do not match the vertices", lex_.peek().offset);
        }
        raw.texCoords.clear();
        raw.texCoords.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const float u = readFloat();
            raw.texCoords.emplace_back(u, readFloat());
        }
        closeBody();
    }

    void parseMaterialList(RawMesh& raw, int depth) {
        const std::uint32_t materialCount = readCount(1, "materials");
        charge(std::uint64_t{materialCount} * 12);  // what a material weighs, referred to or not
        const std::uint32_t indexCount = readCount(1, "material indices");
        if (indexCount > raw.faceCount()) {
            fail("more material indices than faces", lex_.peek().offset);
        }
        raw.faceMaterial.clear();
        raw.faceMaterial.reserve(indexCount);
        for (std::uint32_t i = 0; i < indexCount; ++i) {
            const std::uint32_t index = readUint();
            if (index >= materialCount) fail("material index out of range", lex_.peek().offset);
            raw.faceMaterial.push_back(index);
        }

        raw.materials.clear();
        for (Token t = nextChild(true); t.kind != TokenKind::End; t = nextChild(true)) {
            if (raw.materials.size() == materialCount) fail("more materials than listed", t.offset);
            if (t.kind == TokenKind::OpenBrace) {
                const std::string_view name = readReference();
                const auto found = materials_.find(name);
                if (found == materials_.end()) {
                    fail("no material named '" + std::string(name) + "'", t.offset);
                }
                raw.materials.push_back(found->second);
            } else {
                const std::string_view name = openBody(depth + 1);
                if (t.text == "Material") {
                    raw.materials.push_back(parseMaterial(name, depth + 1));
                } else {
                    skipBody(depth + 1);
                }
            }
        }
        if (raw.materials.size() != materialCount) {
            fail("fewer materials than listed", lex_.peek().offset);
        }
    }

    // Ambient follows diffuse. A named material can be referred to later.
    XMaterial parseMaterial(std::string_view name, int depth) {
        XMaterial m;
        platform::Material& d = m.material;
        d.diffuse = {readFloat(), readFloat(), readFloat(), readFloat()};
        d.power = readFloat();
        d.specular = {readFloat(), readFloat(), readFloat(), 1.0f};
        d.emissive = {readFloat(), readFloat(), readFloat(), 1.0f};
        d.ambient = d.diffuse;
        for (Token t = nextChild(); t.kind != TokenKind::End; t = nextChild()) {
            openBody(depth + 1);
            if (t.text == "TextureFilename" || t.text == "TextureFileName") {
                skipSeparators();
                const Token file = take();
                if (file.kind != TokenKind::String) fail("expected a file name", file.offset);
                if (file.text.size() > kMaxFileNameLength) {
                    fail("texture file name too long", file.offset);
                }
                m.textureFile = file.text;
                closeBody();
            } else {
                skipBody(depth + 1);
            }
        }
        if (!name.empty()) materials_[std::string(name)] = m;
        return m;
    }

    std::string_view text_;
    Lexer lex_;
    std::uint64_t budget_ = kMaxFileValues;
    std::map<std::string, XMaterial, std::less<>> materials_;
    std::size_t meshes_ = 0;
};

}  // namespace

std::optional<XFrame> parseXFile(std::string_view text, std::string& error) {
    try {
        Parser parser(text);
        return parser.parseFile();
    } catch (const ParseError& e) {
        error = e.text;
        return std::nullopt;
    }
}

std::optional<XFrame> readXFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    std::string text;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileBytes) {
            error = path + " is too large";
            return std::nullopt;
        }
    }
    auto frame = parseXFile(text, error);
    if (!frame) error = path + ", " + error;
    return frame;
}

}  // namespace xfile
