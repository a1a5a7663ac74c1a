#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "app/app.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

// A game started on the headless platform in a fresh working directory with
// the minimal data (and any further bitmaps named, 8 x 8 and grey), at Earth,
// with the clock at 1234.
struct StartedGame {
    TempWorkDir dir;
    platform::HeadlessPlatform p;
    App app{p};

    explicit StartedGame(std::initializer_list<const char*> bitmaps = {}) {
        dir.writeMinimalGameData();
        for (const char* file : bitmaps) dir.writeBitmap(file, 8, 8, 0x808080);
        app.clockSource = [] { return 1234u; };
        EXPECT_TRUE(Init(app));
    }
    GameState& s() { return app.game; }
};
