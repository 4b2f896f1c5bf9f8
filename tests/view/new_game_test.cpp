// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

using NewGameTest = GameTest;

// A game well under way, every setting moved from its start value, the score at its cap, paused.
TEST_F(NewGameTest,
       ClearsTheBoardScoreAndPauseRestartsTheTimerAndKeepsTheWaitingFigureAndSettings) {
    Start(5, 2, 3, 6);
    for (auto click : {&Game::mnuMouse_Click, &Game::mnuColor4_Click, &Game::mnuFigures2_Click,
                       &Game::mnuFiguresABC_Click, &Game::mnuESC2_Click, &Game::mnuSpeed500_Click,
                       &Game::mnuSize24_Click, &Game::mnuBackColor2_Click})
        (game.*click)();
    game.Img_MouseMove(17);
    game.Score = 31999;
    SetBoard(19, {"##########", "##########"});
    Key(key::Space);
    fake.Tick();  // removes both rows: the label turns dark red
    game.CellArg = 77;
    Key(key::P);
    GameState expected = game;
    ASSERT_NE(expected.RepeatLeft, expected.RepeatMode);
    ASSERT_EQ(fake.labelColor, 0x800000u);
    const std::size_t draws = fake.draws;
    fake.ForgetPaints();
    game.mnuNew_Click();
    expected.CellState.Fill(0), expected.CellColor.Fill(0);
    expected.CurType = expected.CurColor = expected.Rotation = expected.Score = 0;
    expected.RepeatLeft = expected.RepeatMode, expected.MouseCell = 0;
    EXPECT_EQ(State(), expected);
    EXPECT_EQ(Count(fake.paints, 1), 208);  // every cell once, with the background
    EXPECT_EQ(Count(fake.picture, 9), 208);
    EXPECT_EQ(fake.Timer(), "on 500");
    EXPECT_EQ(fake.restarts, 3);
    EXPECT_EQ(fake.draws, draws);
}

}  // namespace blokka::testing
