#include "flight/weapons.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kEnergieSchwelle = 90;
constexpr std::uint16_t kSchildSchwelle = 120;
constexpr std::uint16_t kFeuerBereit = 10;
constexpr std::uint16_t kFeuerZaehlerGrenze = 10000;
constexpr float kSchussTempo = 200.0f;
constexpr float kSchussAbstand = 50.0f;
constexpr float kSchussLebenJeTyp = 100.0f;
constexpr float kDummyAbstand = 1000.0f;
constexpr int kZerstoertTyp = 20;

// The shield's value once below zero; the destruction test sees it wrapped.
constexpr int kGebrochen = 65500;

void fill(std::uint16_t& counter, std::uint16_t level, std::uint16_t threshold, std::uint16_t& units,
          std::uint16_t storage) {
    counter = static_cast<std::uint16_t>(counter + level);
    if (counter <= threshold) return;
    counter = 0;
    if (units < kEinheitenJeSpeicher * storage) units += 1;
}

bool enemyMissileFlies(const GameState& s) {
    return std::any_of(s.rakete.begin(), s.rakete.begin() + kFeindRaketen, [](const auto& m) { return m.has_value(); });
}

}  // namespace

void recharge(GameState& s) {
    fill(s.energiezaehler, s.energielader, kEnergieSchwelle, s.energie, s.energiespeicher);
    fill(s.schildzaehler, s.schildlader, kSchildSchwelle, s.schild, s.schildspeicher);
    s.feuerzaehler = static_cast<std::uint16_t>(s.feuerzaehler + s.kanone);
    if (s.feuerzaehler > kFeuerZaehlerGrenze) s.feuerzaehler = kFeuerBereit;
}

void fireCannon(GameState& s, Services& services) {
    if (s.feuerzaehler <= kFeuerBereit || !s.feuer || s.energie == 0 || s.kanone == 0) return;
    auto free = std::find_if(s.schuss.begin(), s.schuss.begin() + kSchussFeuerSlots,
                             [](const auto& shot) { return !shot.has_value(); });
    if (free == s.schuss.begin() + kSchussFeuerSlots) return;
    const float sight = static_cast<float>(s.backsight);
    Shot& shot = free->emplace();
    shot.velocity = s.blickrichtung * s.speed + s.blickrichtung * kSchussTempo * sight;
    shot.pos = D3DVECTOR(s.x, s.y, s.z) + s.blickrichtung * kSchussAbstand * sight;
    shot.life = kSchussLebenJeTyp * s.kanone;
    shot.typ = kSpielerSchuss;
    s.energie -= 1;
    s.feuerzaehler = 0;
    s.blitz = 1;
    services.Sound(kKanonenschuss);
}

void fireGigaBomb(GameState& s, Services& services) {
    if (!s.kampf || !s.gigabombKey || s.gigabomben == 0) return;
    s.gigabomben -= 1;
    services.Sound(kEinschlag);
    s.blitz = 1;
    for (auto& ship : s.raumschiff) {
        if (ship && ship->attacking) ship->typ = kZerstoertTyp;
    }
}

void launchDecoy(GameState& s) {
    if (!s.kampf || !s.ecmKey || s.ecm == 0 || !enemyMissileFlies(s) || s.dummy) return;
    s.ecm -= 1;
    Decoy& decoy = s.dummy.emplace();
    decoy.pos = {s.x, s.y, s.z};
    if (s.speed <= 0.0f) {
        decoy.pos += s.blickrichtung * kDummyAbstand;
    } else {
        decoy.pos -= s.blickrichtung * kDummyAbstand;
    }
}

void launchMissile(GameState& s) {
    if (!s.kampf || !s.missileKey || s.lenkraketen == 0) return;
    s.missileKey = 0;
    int target = -1;
    for (int slot = 0; slot < kRaumschiffSlots; ++slot) {
        if (s.raumschiff[slot] && s.raumschiff[slot]->attacking) target = slot;
    }
    // Without a free launcher or anything to hunt, the missile stays aboard.
    if (s.rakete[kSpielerRakete] || target < 0) return;
    Missile& missile = s.rakete[kSpielerRakete].emplace();
    missile.pos = {s.x, s.y, s.z};
    missile.ang = s.blickrichtung;
    missile.targetIndex = target;
    s.lenkraketen -= 1;
}

void damageShield(GameState& s, int units) {
    const int now = shieldBroken(s) ? s.schild - 65536 : s.schild;
    const int after = now - units;
    s.schild = static_cast<std::uint16_t>(after >= 0 ? after : std::max(after, kGebrochen + 1 - 65536));
}

bool shieldBroken(const GameState& s) { return shieldBroken(s.schild); }
bool shieldBroken(std::uint16_t schild) { return schild > kGebrochen; }
