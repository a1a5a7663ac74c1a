#include "ui/screenshot_message.h"

#include <iterator>

#include "ui/text.h"

namespace {

// The texts of the screenshot key, together.
constexpr GameText kFotoTexte[] = {
    "Bildschirmfoto gespeichert~",
    "Bildschirmfoto: Festplatte voll~",
    "Bildschirmfoto: Ordner nicht beschreibbar~",
    "Bildschirmfoto fehlgeschlagen~",
};

constexpr int kFotoX = 32;
constexpr int kFotoY = 732;

}  // namespace

const GameText* screenshotText(int fotomeldung) {
    if (fotomeldung < 1 || fotomeldung > static_cast<int>(std::size(kFotoTexte))) return nullptr;
    return &kFotoTexte[fotomeldung - 1];
}

void drawScreenshotMessage(platform::Platform& p, const Assets& assets, const GameState& s) {
    const GameText* text = screenshotText(s.picture.fotoMeldung);
    if (!text) return;
    TextLayer layer(p, assets.zeichensatz);
    layer.Text(kFotoX, kFotoY, *text);
}
