#include "world/asteroid.h"

Asteroid::Asteroid(Random& rng) {
    pos = fieldPosition(rng);

    // Whole radians 0..6: the integer division is how the field has always
    // been turned, and it keeps every location's look.
    ang.x = static_cast<float>(rng.rand() % 628 / 100);
    ang.y = static_cast<float>(rng.rand() % 628 / 100);
    ang.z = static_cast<float>(rng.rand() % 628 / 100);

    // Spin of -0.005..0.004 per frame, computed in floating point.
    rotationX = static_cast<float>(rng.rand() % 10 - 5) / 1000.0f;
    rotationY = static_cast<float>(rng.rand() % 10 - 5) / 1000.0f;
    rotationZ = static_cast<float>(rng.rand() % 10 - 5) / 1000.0f;

    scale = static_cast<float>(rng.rand() % 100 + 20);

    // Later successes override earlier ones.
    textur = 1;
    if (rng.rand() % 10 < 3) textur = 2;
    if (rng.rand() % 10 < 3) textur = 3;
    if (rng.rand() % 10 < 3) textur = 4;
}
