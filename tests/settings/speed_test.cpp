// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

using SpeedTest = FirstFigureTest;

// The marks of the speed items the checker holds to the interval after each step.
TEST_F(SpeedTest, ItemsSetTheirIntervalRunningOrPausedAndStartNothing) {
    ASSERT_EQ(Handlers("mnuSpeed").size(), 20u);
    for (bool paused : {false, true}) {
        if (paused) Key(key::P);
        for (int i = 0; i < 20; ++i) {
            const auto [interval, click] = Handlers("mnuSpeed")[(i * 7 + 3) % 20];  // scrambled
            (game.*click)();
            EXPECT_EQ(fake.Timer(), (paused ? "off " : "on ") + std::to_string(interval));
            EXPECT_EQ(BrokenInvariant(game, fake), "");
        }
    }
}

// From 350 ms six steps reach the fastest interval and thirteen the slowest; more stay there.
TEST_F(SpeedTest, KeysStepBy50AndStopAtTheBoundWithTheMarkOnItsLevel) {
    for (auto [code, step] : {std::pair{key::PageUp, -50},
                              {key::PadPlus, -50},
                              {key::Plus, -50},
                              {key::PageDown, 50},
                              {key::PadMinus, 50},
                              {key::Minus, 50}}) {
        game.mnuSpeed350_Click();
        for (int i = 1; i <= 14; ++i) {
            SCOPED_TRACE(::testing::Message() << "key " << code << " pressed " << i << " times");
            Key(code);
            EXPECT_EQ(fake.interval, std::clamp(350 + step * i, 50, 1000));
            EXPECT_EQ(BrokenInvariant(game, fake), "");
        }
    }
}

}  // namespace blokka::testing
