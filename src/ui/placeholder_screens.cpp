#include "ui/placeholder_screens.h"

#include "ui/cockpit.h"
#include "ui/text.h"

void drawStarMapPlaceholder(platform::Platform& p, const Assets& assets) {
    drawPanel(p, assets);
    TextLayer text(p, assets.zeichensatz);
    text.Text(776, 8, GameText("Sternenkarte~"));
    text.Text(96, 352, GameText("Die Sternenkarte ist noch im Bau.~"));
    text.Text(48, 384, GameText("Shift/rechte Maustaste: zurueck ins System~"));
}

void drawOptionsMenuPlaceholder(platform::Platform& p, const Assets& assets) {
    TextLayer text(p, assets.zeichensatz);
    text.Text(64, 288, GameText(" Speichern und Laden sind noch im Bau. ~"));
    text.Text(64, 304, GameText("      Weiter: Return/linke Maustaste    ~"));
}
