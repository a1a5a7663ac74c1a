#include "app/frame.h"

#include "platform/asset_manifest.h"

void playEffect(platform::Platform& p, int n) {
    const AssetFile* effect = assetFile(AssetKind::Sound, n - 1);
    if (!effect) return;
    if (n == kRaketenwarnung && p.soundPlaying()) return;
    p.playSound(effect->name);
}
