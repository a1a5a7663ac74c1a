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

void drawStationPlaceholder(platform::Platform& p, const Assets& assets, const GameState& s) {
    drawPanel(p, assets);
    TextLayer text(p, assets.zeichensatz);
    if (s.nStation >= 0 && s.nStation < kStationSlots) text.Text(776, 8, kStationTitel[s.nStation]);
    text.Text(80, 352, GameText("Diese Station ist noch im Bau.~"));
    text.Text(16, 700, GameText("Verlassen der Station: Shift/rechte Maustaste~"));
}
