#pragma once

#include "platform/headless/headless_platform.h"

// The character whose 16 x 16 font cell a recorded copy took.
inline char glyphOf(const platform::HeadlessPlatform::Blit& b) {
    return static_cast<char>(32 + b.sourceRect.y / 16 * 32 + b.sourceRect.x / 16);
}
