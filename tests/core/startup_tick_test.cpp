// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick's landing, rows and spawning have tests of their own (landing_rows_test.cpp,
// spawning_test.cpp).

#include "game_fixture.h"

namespace blokka::testing {

using StartupTest = GameTest;

TEST_F(StartupTest, ASecondInstanceEndsWithoutTouchingAnything) {
    fake.otherInstance = true;
    game.Form_Load();
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(State(), GameState{});
    EXPECT_EQ(Count(fake.created, 0) + Count(fake.paints, 0), 2 * 209);
}

TEST_F(StartupTest, SetsTheDefaultsPaintsTheDarkBoardAndBringsARandomFirstFigureOnTheFirstTick) {
    game.Form_Load();
    GameState defaults;
    defaults.BackMode = 3, defaults.CellSize = 18, defaults.EscAction = 1;
    defaults.ColorOn.Fill(1);
    EXPECT_EQ(State(), defaults);
    // Img(1) belongs to the window from the start; the time of day seeds the random source.
    EXPECT_EQ(Count(fake.created, 1), 207);
    EXPECT_EQ(fake.created[1], 0);
    EXPECT_EQ(fake.seed, 5025.25f);
    EXPECT_EQ(fake.Timer(), "on 350");
    EXPECT_EQ(fake.draws, 0u);
    EXPECT_EQ(BrokenInvariant(game, fake), "");
    game.mnuFiguresABC_Click();  // the first figure comes at random even so, the next in turn
    fake.Script({7, 1, 2});
    fake.Tick();
    EXPECT_EQ(game.CurType, 7);
    EXPECT_EQ(game.NextType, 1);
}

}  // namespace blokka::testing
