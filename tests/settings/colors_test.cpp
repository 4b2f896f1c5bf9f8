// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

using ColorsTest = GameTest;

TEST_F(ColorsTest, SwitchesTurnColoursOffAndOnButTheLastOneOffComesBackAsOneAtRandom) {
    game.Form_Load();
    const auto Switch = [&](int k) { (game.*Handlers("mnuColor").at(k - 1).second)(); };
    const auto On = [&] {
        std::string on;
        for (int k = 1; k <= 7; ++k) on += game.ColorOn(k) == 1 ? char('0' + k) : '.';
        EXPECT_EQ(BrokenInvariant(game, fake), "");  // the colour items' marks too
        return on;
    };
    Switch(1);
    EXPECT_EQ(On(), ".234567");
    for (int k : {2, 3, 4, 5, 6}) Switch(k);
    EXPECT_EQ(On(), "......7");
    Switch(3);
    EXPECT_EQ(On(), "..3...7");
    game.mnuColors7_Click();
    EXPECT_EQ(On(), "1234567");
    EXPECT_EQ(fake.draws, 0u);
    for (int chosen : {1, 4, 7}) {
        fake.Script({chosen});
        game.mnuColors1_Click();
        EXPECT_EQ(On(), std::string(7, '.').replace(chosen - 1, 1, 1, char('0' + chosen)));
        fake.Script({8 - chosen});
        Switch(chosen);
        EXPECT_EQ(On(), std::string(7, '.').replace(7 - chosen, 1, 1, char('8' - chosen)));
        game.mnuColors7_Click();
    }
}

}  // namespace blokka::testing
