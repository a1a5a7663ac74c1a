#include "ui/screenshot_message.h"

#include "ui/text.h"

namespace {

constexpr int kFotoMeldungen = 4;
constexpr int kFotoX = 32;
constexpr int kFotoY = 732;

}  // namespace

std::optional<TextId> screenshotText(int fotomeldung) {
    if (fotomeldung < 1 || fotomeldung > kFotoMeldungen) return std::nullopt;
    return TextId::Fotomeldung + (fotomeldung - 1);
}

void drawScreenshotMessage(platform::Platform& p, const Assets& assets, const Texte& texte, const GameState& s) {
    const auto text = screenshotText(s.picture.fotoMeldung);
    if (!text) return;
    TextLayer layer(p, assets.zeichensatz, texte);
    layer.Text(kFotoX, kFotoY, *text);
}
