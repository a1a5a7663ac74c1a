// Writes the game's data files into a directory: meshes, textures, panel
// bitmaps (the plates with words in every language whose catalogue the
// build has compiled into OUTDIR/locale), the font, the sound effects and the
// manuals; with --icons, the desktop icons drawn from them into a second
// one. The same bytes come out on every run.
//
//   assetgen OUTDIR [--font FILE.ttf] [--icons ICONDIR]

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>
#include <string>

#include "assetgen/bmp_writer.h"
#include "assetgen/font.h"
#include "assetgen/icons.h"
#include "assetgen/meshes.h"
#include "assetgen/panels.h"
#include "assetgen/sounds.h"
#include "assetgen/textures.h"
#include "platform/asset_manifest.h"
#include "platform/mo_catalogue.h"
#include "world/texts.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

int fail(const std::string& message) {
    std::fprintf(stderr, "assetgen: %s\n", message.c_str());
    return 1;
}

// The plates in each language whose compiled catalogue is in out/locale
// (the build compiles them first), with the catalogue's words.
bool writeLanguagePlates(const fs::path& out, const platform::Image& font, std::string& error) {
    std::error_code ec;
    for (const auto& sprache : fs::directory_iterator(out / "locale", ec)) {
        std::ifstream in(sprache.path() / "LC_MESSAGES" / "sternfahrt.mo", std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const auto katalog = MoCatalogue::parse(bytes);
        if (!katalog) continue;
        const auto worte = platesWords([&](std::string_view deutsch) {
            const std::string* wort = katalog->find(deutsch);
            return wort ? *wort : std::string(deutsch);
        });
        if (!writePlates(out, font, worte, "." + sprache.path().filename().string(), error)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string fontFile = kDefaultFont;
    fs::path icons;
    bool usage = argc < 2;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--font") {
            fontFile = argv[i + 1];
        } else if (option == "--icons") {
            icons = argv[i + 1];
        } else {
            usage = true;
        }
    }
    if (usage || argc % 2 != 0) {
        std::fprintf(stderr, "usage: assetgen OUTDIR [--font FILE.ttf] [--icons ICONDIR]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const fs::path out = argv[1];
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec) return fail("cannot make " + out.string());

    const auto font = renderFont(fontFile);
    if (!font) return fail("cannot render the font from " + fontFile);
    if (!writeBmp((out / "Zeichensatz.bmp").string(), *font)) return fail("cannot write into " + out.string());

    std::string error;
    if (!writeMeshes(out, error) || !writeTextures(out, error) || !writePanels(out, *font, error) ||
        !writeSounds(out, error) || !writeLanguagePlates(out, *font, error)) {
        return fail(error);
    }
    for (const AssetFile& f : kAssetFiles) {
        if (f.kind != AssetKind::Manual) continue;
        fs::copy_file(fs::path(STERNFAHRT_MANUALS) / f.name, out / f.name, fs::copy_options::overwrite_existing, ec);
        if (ec) return fail(std::string("cannot copy the manual ") + f.name + ": " + ec.message());
    }

    // The game loads what its asset list names; every file of it must be here.
    for (const AssetFile& f : kAssetFiles) {
        if (!fs::is_regular_file(out / f.name)) return fail(std::string("the data set lacks ") + f.name);
    }

    // The icon in the desktop's hicolor layout, from the textures just written.
    if (!icons.empty() && !gen::writeIcons(icons, STERNFAHRT_APP_ID, out, error)) return fail(error);

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: data set written to %s in %.2f s\n", out.string().c_str(), seconds);
    return 0;
}
