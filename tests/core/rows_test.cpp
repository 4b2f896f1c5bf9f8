// Row removal and the score: every full row goes in one pass, the rows above move down with
// their colours, and the label counts up to its cap.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using RowsTest = GameTest;

std::string Captions(const FakeWindow& fake) {
    std::string out;
    for (const std::string& line : fake.log) {
        if (line.rfind("caption ", 0) == 0) out += line.substr(8) + "|";
    }
    return out;
}

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

    EXPECT_EQ(ColorPicture(game, 16, 20),
              "..........\n..........\n..........\n..........\n5.........");
    EXPECT_EQ(game.Score, 4);
    EXPECT_EQ(Captions(fake), "Счет: 1|Счет: 2|Счет: 3|Счет: 4|");
    EXPECT_EQ(game.CurType, 1);
    EXPECT_EQ(game.Rotation, 0);  // the upright figure that landed does not pass on its turn
}

TEST_F(RowsTest, RowsAroundAnIncompleteRowGoAndItMovesDownWithItsColours) {
    Start();
    SetBottom(game, {".........6",  //
                     "#########6",  //
                     "3.4......6",  //
                     "#########6"});

    game.RemoveFullRows();

    EXPECT_EQ(ColorPicture(game, 17, 20), "..........\n..........\n.........6\n3.4......6");
    EXPECT_EQ(game.Score, 2);
    std::vector<int> marked;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (game.CellDirty(n) == 1) marked.push_back(n);
    }
    std::vector<int> expected = {170};
    for (int n = 171; n <= 181; ++n) expected.push_back(n);
    expected.push_back(183);
    for (int n = 190; n <= 200; ++n) expected.push_back(n);
    EXPECT_EQ(marked, expected);
}

TEST_F(RowsTest, ARowOfNineIsLeftAndNothingAboveMoves) {
    Start();
    SetBottom(game, {"#.........",  //
                     "#########."});
    const GameState before = game;
    fake.ClearLog();

    game.RemoveFullRows();

    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(RowsTest, TheScoreStopsAt32000InDarkRedAndANewGameMakesTheLabelBlackAndEmpty) {
    Start();
    game.Score = 31998;
    SetBottom(game, {"##########"});
    game.RemoveFullRows();
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_EQ(fake.labelColorWrites, 0);

    SetBottom(game, {"##########",  //
                     "##########"});
    game.RemoveFullRows();
    EXPECT_EQ(game.Score, 32000);
    EXPECT_EQ(fake.labelCaption, "Счет: 32000");
    EXPECT_EQ(fake.labelColor, 0x800000u);
    EXPECT_EQ(fake.labelColorWrites, 1);

    game.mnuNew_Click();
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_EQ(fake.labelCaption, "");
    EXPECT_EQ(game.Score, 0);
}

}  // namespace
}  // namespace blokka::testing
