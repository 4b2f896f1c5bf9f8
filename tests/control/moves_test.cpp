// Sideways moves and the hard drop: walls in the cell numbering, what blocks and what does not,
// and a drop that fixes the figure at once but leaves its full rows to the next tick.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

class MovesTest : public GameTest {
protected:
    void SetUp() override { StartOnBoard(4, 2); }
};

TEST_F(MovesTest, ACellAtTheRightEndOfARowNeverMovesIntoTheNextRow) {
    PlaceFigure(game, 1, 0, 8, 3);  // cells 7..10
    ShowBoard();
    fake.ClearLog();
    game.MoveRight();
    EXPECT_EQ(FallingCells(game), (std::vector<int>{7, 8, 9, 10}));
    EXPECT_EQ(game.Pivot, 8);
    EXPECT_TRUE(PaintedCells(fake).empty());
}

TEST_F(MovesTest, ACellAtTheLeftEndOfARowNeverMovesIntoTheRowAbove) {
    PlaceFigure(game, 1, 1, 21, 3);  // cells 11, 21, 31, 41
    game.MoveLeft();
    EXPECT_EQ(FallingCells(game), (std::vector<int>{11, 21, 31, 41}));
    EXPECT_EQ(game.Pivot, 21);
}

TEST_F(MovesTest, DiagonalFixedCellsDoNotBlockButNeighboursDo) {
    SetRows(game, 5,
            {"...#......",  //
             "..........",  //
             "..........",  //
             "......#..."});
    PlaceFigure(game, 4, 0, 55, 3);  // rows 6 and 7, columns 5 and 6
    ShowBoard();
    fake.ClearLog();

    game.MoveLeft();
    EXPECT_EQ(game.Pivot, 54);
    EXPECT_EQ(PaintedCells(fake), (std::vector<int>{54, 55, 56, 64, 65, 66}));
    game.MoveRight();
    game.MoveRight();
    EXPECT_EQ(game.Pivot, 56);
    EXPECT_TRUE(ScreenShowsBoard(game, fake));

    game.CellState(58) = kFixed;  // right beside the figure's upper right cell
    game.CellColor(58) = 1;
    game.MoveRight();
    EXPECT_EQ(game.Pivot, 56);
    EXPECT_EQ(BoardPicture(game, 5, 8), "...#......\n.....oo#..\n.....oo...\n......#...");
}

TEST_F(MovesTest, TheHardDropOfARestingFigureDoesNothingAtAll) {
    SetBottom(game, {"##..######"});
    PlaceFigure(game, 4, 0, 175, 3);  // resting on the stack beside the gap
    ShowBoard();
    fake.ClearLog();
    const GameState before = game;

    game.DropFigure();

    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
    game.MoveLeft();  // still falling and movable
    EXPECT_EQ(game.Pivot, 174);
}

TEST_F(MovesTest, ADropSettlesAtOnceLeavesFullRowsAndRestartsTheTimer) {
    SetBottom(game, {"##..######"});
    PlaceFigure(game, 4, 0, 3, 6);
    ShowBoard();
    fake.ClearLog();
    const int restarts = fake.timerRestarts;

    game.DropFigure();

    EXPECT_EQ(game.CurType, 0);
    EXPECT_EQ(game.Rotation, 0);
    EXPECT_EQ(game.Pivot, 0);
    EXPECT_EQ(BoardPicture(game, 18, 20), "..........\n..##......\n##########");
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(fake.timerRestarts, restarts + 1);
    EXPECT_TRUE(fake.timerEnabled);
    for (int k : PaintedCells(fake)) EXPECT_EQ(fake.cells[k].paints, 1) << k;
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
    EXPECT_TRUE(RecordHolds(game));

    game.DropFigure();  // nothing falls until the next tick
    game.MoveLeft();
    EXPECT_EQ(BoardPicture(game, 18, 20), "..........\n..##......\n##########");

    fake.Tick(game);
    EXPECT_EQ(BoardPicture(game, 19, 20), "..........\n..##......");
    EXPECT_EQ(game.Score, 1);
    EXPECT_EQ(game.CurType, 4);
}

}  // namespace
}  // namespace blokka::testing
