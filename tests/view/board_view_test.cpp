// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The storm changes backgrounds in every state.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

class ViewTest : public GameTest, public ::testing::WithParamInterface<int> {};

// 0 running, 1 paused, 2 over; a figure in the box and coloured cells on the board.
TEST_P(ViewTest, EachSizeMovesTheCellsAndTheLabelAndChangesNothingElse) {
    Start(4, 6, 7, 2);
    SetBoard(20, {"..3....5.."});
    if (GetParam() == 1) Key(80);
    if (GetParam() == 2) EndTheGame();
    GameState expected = game;
    const bool running = fake.timerOn;
    for (auto [size, click] : Handlers("mnuSize")) {
        fake.ForgetPaints();
        (game.*click)();
        expected.CellSize = Integer(size);
        EXPECT_EQ(State(), expected);
        EXPECT_TRUE(std::count(fake.paints.begin(), fake.paints.end(), 0) == 209 && Holds())
            << size;
    }
    EXPECT_TRUE(fake.timerOn == running && fake.restarts == 1);
}

INSTANTIATE_TEST_SUITE_P(RunningPausedOver, ViewTest, ::testing::Range(0, 3),
                         [](const auto& i) { return std::string(kStateNames[i.param]); });

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
    Key(32);
    fake.Tick();  // removes both rows: the label turns dark red
    game.CellArg = 77;
    Key(80);
    GameState expected = game;
    ASSERT_TRUE(expected.RepeatLeft != expected.RepeatMode && fake.labelColor == 0x800000);
    const std::size_t draws = fake.draws;
    fake.ForgetPaints();
    game.mnuNew_Click();
    expected.CellState.Fill(0), expected.CellColor.Fill(0);
    expected.CurType = expected.CurColor = expected.Rotation = expected.Score = 0;
    expected.RepeatLeft = expected.RepeatMode, expected.MouseCell = 0;
    EXPECT_EQ(State(), expected);
    EXPECT_TRUE(std::count(fake.paints.begin(), fake.paints.end(), 1) == 208 &&
                std::count(fake.picture.begin(), fake.picture.end(), 9) == 208);
    EXPECT_TRUE(fake.timerOn && fake.restarts == 3 && fake.draws == draws && Holds());
    fake.Tick();  // the waiting figure comes first
    EXPECT_TRUE(game.CurType == expected.NextType && game.CurColor == expected.NextColor);
}

}  // namespace
}  // namespace blokka::testing
