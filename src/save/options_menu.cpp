#include "save/options_menu.h"

void optionsMenuStep(GameState& s) {
    if (!s.abspeichern) return;
    if (s.enter || s.mouseButtonLeft) {
        s.abspeichern = 0;
        s.feuer = 0;  // the click that closes the menu does not fire
    }
}
