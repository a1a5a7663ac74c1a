#include "ui/placeholder_screens.h"

#include "ui/cockpit.h"
#include "ui/text.h"

void drawOptionsMenuPlaceholder(platform::Platform& p, const Assets& assets) {
    TextLayer text(p, assets.zeichensatz);
    text.Text(64, 288, GameText(" Speichern und Laden sind noch im Bau. ~"));
    text.Text(64, 304, GameText("      Weiter: Return/linke Maustaste    ~"));
}
