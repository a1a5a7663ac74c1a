#include "save/options_menu.h"

#include "save/slot_files.h"
#include "stations/row_cursor.h"
#include "world/location_generation.h"

namespace {

// A loaded game starts at the location's entry point.
constexpr float kEinstiegZ = -31000.0f;

std::int32_t meldung(SlotErgebnis ergebnis) {
    switch (ergebnis) {
        case SlotErgebnis::Gelungen: return kKeineMeldung;
        case SlotErgebnis::Fehlt: return kMeldungFehlt;
        case SlotErgebnis::Unlesbar: return kMeldungUnlesbar;
        case SlotErgebnis::Beschaedigt: return kMeldungBeschaedigt;
        case SlotErgebnis::Fehlgeschlagen: return kMeldungNichtGesichert;
    }
    return kKeineMeldung;
}

SlotErgebnis actOnRow(GameState& s, Services& services, std::uint16_t zeile) {
    if (zeile >= kMenuZeilen.size()) return SlotErgebnis::Gelungen;
    const Menuzeile& z = kMenuZeilen[zeile];
    switch (z.aktion) {
        case Menuaktion::Speichern: return save(s, z.slot, slotDirectory());
        case Menuaktion::Laden: {
            const SlotErgebnis ergebnis = load(s, z.slot, slotDirectory());
            if (ergebnis == SlotErgebnis::Gelungen) {
                Create_newCube(s, services);
                placeOnAxis(s, kEinstiegZ);
            }
            return ergebnis;
        }
        case Menuaktion::Einstellungen: s.einstellungenZeigen = 1; break;
        case Menuaktion::Nichts: break;  // a blank row or "back to the game"
    }
    return SlotErgebnis::Gelungen;
}

}  // namespace

void Abspeichern(GameState& s, Services& services) {
    if (s.menuMeldungz > 0) s.menuMeldungz -= 1;
    if (s.menuMeldungz == 0) s.menuMeldung = kKeineMeldung;
    if (!s.abspeichern) return;
    rowCursorStep(s, kMenuLetzteZeile);
    if (!s.enter && !s.mouseButtonLeft) return;
    s.abspeichern = 0;
    s.feuer = 0;  // the click that chose does not fire
    const std::int32_t m = meldung(actOnRow(s, services, s.zeig));
    if (m != kKeineMeldung) {
        s.menuMeldung = m;
        s.menuMeldungz = kMenuMeldungFrames;
    }
}
