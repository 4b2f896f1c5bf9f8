// Row removal and the score: every full row goes in one pass, the rows above move down with
// their colours, and the label counts up to its cap.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using RowsTest = GameTest;

TEST_F(RowsTest, FourFullRowsGoInOneTickAndTheRowAboveDropsFour) {
    StartOnBoard();
    SetBottom(game, {"5.........",  //
                     "#########.",  //
                     "#########.",  //
                     "#########.",  //
                     "#########."});
    PlaceFigure(game, 1, 1, 180, 6);  // upright in column 10, resting on the floor
    fake.Tick(game);
    EXPECT_EQ(Picture(game, 16, 20), "..........\n..........\n..........\n..........\n5.........");
    EXPECT_EQ(fake.LogCount("caption Счет: 3"), 1);
    EXPECT_EQ(fake.caption, "Счет: 4");
    EXPECT_EQ(game.Rotation, 0);  // the upright figure that landed does not pass on its turn
}

TEST_F(RowsTest, RowsEighteenAndTwentyGoAndTheRowBetweenMovesDownMarkingWhatChanged) {
    game.Form_Load();
    SetBottom(game, {".........6",  //
                     "#########6",  //
                     "3.4......6",  //
                     "#########6"});
    game.RemoveFullRows();
    EXPECT_EQ(Picture(game, 17, 20), "..........\n..........\n.........6\n3.4......6");
    EXPECT_EQ(game.Score, 2);
    std::string marked;
    for (int n = 161; n <= kBoardCells; ++n) marked += game.CellDirty(n) ? 'x' : '.';
    EXPECT_EQ(marked, ".........xxxxxxxxxxxx.x......xxxxxxxxxxx");
}

TEST_F(RowsTest, ARowOfNineIsLeftAndNothingAboveMoves) {
    game.Form_Load();
    SetBottom(game, {"#.........",  //
                     "#########."});
    const GameState before = game;
    fake.ClearLog();
    game.RemoveFullRows();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(RowsTest, TheScoreStopsAt32000InDarkRedAndANewGameMakesTheLabelBlackAndEmpty) {
    game.Form_Load();
    game.Score = 31998;
    SetBottom(game, {"##########"});
    game.RemoveFullRows();
    SetBottom(game, {"##########", "##########"});
    game.RemoveFullRows();
    EXPECT_EQ(fake.caption, "Счет: 32000");
    EXPECT_EQ(fake.labelColor, kDarkRed);
    EXPECT_EQ(fake.LogCount("colour " + std::to_string(kDarkRed)), 1);
    game.mnuNew_Click();
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_EQ(fake.caption, "");
    EXPECT_EQ(game.Score, 0);
}

}  // namespace
}  // namespace blokka::testing
