// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

using MouseTest = FirstFigureTest;

TEST_F(MouseTest, TheFigureFollowsThePointerAsFarAsItCanAndEachNewOneComesInUnderIt) {
    game.mnuMouse_Click();
    game.Img_MouseMove(199);  // column 9
    EXPECT_EQ(Board(1, 2), Rows({"........o.", ".......ooo"}));
    game.Img_MouseMove(41);  // column 1: the anchor stops one column short of the wall
    EXPECT_EQ(game.Pivot, 12);
    game.CellState(17) = kFixed;
    game.Img_MouseMove(200);
    EXPECT_EQ(game.Pivot, 15);  // stopped by the fixed cell
    game.CellState(17) = kEmpty;
    game.Img_MouseMove(200);  // every later move tries again
    EXPECT_EQ(game.Pivot, 19);
    game.Img_MouseMove(28);  // column 8
    EXPECT_EQ(game.Pivot, 18);
    Key(key::Space);
    fake.Tick();
    EXPECT_EQ(game.Pivot, 18);  // the next figure comes in under the pointer
    game.Img_MouseMove(206);    // the box records the pointer but steers nothing
    Key(key::Space);
    fake.Tick();
    EXPECT_EQ(game.Pivot, kFigures[game.CurType].spawnPivot);
}

TEST_F(MouseTest, OnTheBoardTheRightButtonTurnsAndTheLeftDropsButOthersOrTheBoxDoNothing) {
    game.mnuMouse_Click();
    for (auto [cell, button] : {std::pair{100, 4}, {100, 3}, {203, 2}, {203, 1}})
        game.Img_MouseDown(cell, button);
    EXPECT_EQ(Falling(), FigureCells(6, 0, 15));
    game.Img_MouseDown(100, 2);
    EXPECT_EQ(Falling(), FigureCells(6, 1, 15));
    game.Img_MouseDown(1, 1);
    EXPECT_EQ(Board(18, 20), Rows({"....3.....", "....33....", "....3....."}));
}

TEST_F(MouseTest, WithSteeringOffOnlyThePointersCellIsRecordedAndWhilePausedNothingReacts) {
    game.Img_MouseMove(16);
    GameState expected = game;
    expected.MouseCell = 30;
    for (int state = 0; state < 2; ++state) {  // steering off, then on and paused
        SCOPED_TRACE(state == 0 ? "steering off" : "paused");
        if (state == 1) Key(key::P);
        game.Img_MouseMove(30);
        game.Img_MouseDown(100, 2);
        game.Img_MouseDown(100, 1);
        EXPECT_EQ(State(), expected);
        if (state == 0) game.mnuMouse_Click();  // on: the click itself moves nothing
        expected.MouseMode = 1;
    }
}

}  // namespace blokka::testing
