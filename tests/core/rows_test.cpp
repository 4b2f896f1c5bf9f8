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
    fake.ClearLog();

    fake.Tick(game);

    EXPECT_EQ(Picture(game, 16, 20), "..........\n..........\n..........\n..........\n5.........");
    EXPECT_EQ(game.Score, 4);
    for (const char* n : {"1", "2", "3", "4"}) {
        EXPECT_EQ(fake.LogCount(std::string("caption Счет: ") + n), 1) << n;
    }
    EXPECT_EQ(game.Rotation, 0);  // the upright figure that landed does not pass on its turn
}

TEST_F(RowsTest, RowsEighteenAndTwentyGoAndTheRowBetweenMovesDownWithItsColours) {
    game.Form_Load();
    SetBottom(game, {".........6",  //
                     "#########6",  //
                     "3.4......6",  //
                     "#########6"});

    game.RemoveFullRows();

    EXPECT_EQ(Picture(game, 17, 20), "..........\n..........\n.........6\n3.4......6");
    EXPECT_EQ(game.Score, 2);
    std::vector<int> marked;
    for (int n = 161; n <= kBoardCells; ++n) {
        if (game.CellDirty(n) == 1) marked.push_back(n);
    }
    EXPECT_EQ(marked,
              (std::vector<int>{170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181,
                                183, 190, 191, 192, 193, 194, 195, 196, 197, 198, 199, 200}));
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
    EXPECT_EQ(game.Score, 32000);
    EXPECT_EQ(fake.labelCaption, "Счет: 32000");
    EXPECT_EQ(fake.labelColor, kDarkRed);
    EXPECT_EQ(fake.LogCount("label colour " + std::to_string(kDarkRed)), 1);

    game.mnuNew_Click();
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_EQ(fake.labelCaption, "");
    EXPECT_EQ(game.Score, 0);
}

}  // namespace
}  // namespace blokka::testing
