#include "app/frame.h"

namespace {
constexpr const char* kEffekte[9] = {
    "machine.wav", "Feindlaser.wav", "EnergyLow.wav", "Sternentor.wav", "Klick.wav",
    "explode.wav", "GunShot.wav",  "Bergbau.wav",   "Explosion.wav",
};
constexpr int kRaketenwarnung = 3;
}  // namespace

void playEffect(platform::Platform& p, int n) {
    if (n < 1 || n > 9) return;
    if (n == kRaketenwarnung && p.soundPlaying()) return;
    p.playSound(kEffekte[n - 1]);
}
