// Moves, turns and the hard drop: walls, what blocks and what does not, every row of the turn
// table at its edge positions, and a drop that fixes at once but leaves full rows to the tick.

#include <iterator>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

class MovesTest : public GameTest {
protected:
    void SetUp() override { StartOnBoard(4, 2); }
};

TEST_F(MovesTest, AFigureAtAWallNeverWrapsIntoTheNextOrPreviousRow) {
    PlaceFigure(game, 1, 0, 8);  // cells 7..10
    ShowBoard();
    game.MoveRight();
    EXPECT_EQ(FallingCells(game), (std::vector<int>{7, 8, 9, 10}));
    EXPECT_TRUE(PaintedCells(fake).empty());
    SetRows(game, 1, {".........."});
    PlaceFigure(game, 1, 1, 21);  // cells 11, 21, 31, 41
    game.MoveLeft();
    EXPECT_EQ(FallingCells(game), (std::vector<int>{11, 21, 31, 41}));
}

TEST_F(MovesTest, DiagonalFixedCellsDoNotBlockButNeighboursDo) {
    SetRows(game, 5,
            {"...#......",  //
             "..........",  //
             "..........",  //
             "......#..."});
    PlaceFigure(game, 4, 0, 55);  // rows 6 and 7, columns 5 and 6
    ShowBoard();
    game.MoveLeft();
    EXPECT_EQ(PaintedCells(fake), (std::vector<int>{54, 55, 56, 64, 65, 66}));
    game.MoveRight();
    game.MoveRight();
    EXPECT_TRUE(Holds(game, fake));
    game.CellState(58) = game.CellColor(58) = kFixed;  // beside the figure's upper right cell
    game.MoveRight();
    EXPECT_EQ(Picture(game, 5, 8), "...#......\n.....oo#..\n.....oo...\n......#...");
}

TEST_F(MovesTest, ADropFixesAtOnceRestartsTheTimerAndLeavesFullRowsToTheNextTick) {
    SetBottom(game, {"##..######"});
    PlaceFigure(game, 4, 0, 175);  // resting on the stack beside the gap: no drop at all
    ShowBoard();
    game.DropFigure();
    EXPECT_TRUE(fake.log.empty());
    SetRows(game, 18, {"..........", ".........."});
    PlaceFigure(game, 4, 0, 3, 6);
    ShowBoard();

    game.DropFigure();

    EXPECT_EQ(game.Pivot, 0);
    EXPECT_EQ(Picture(game, 18, 20), "..........\n..66......\n##66######");
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(fake.timerRestarts, 2);
    EXPECT_TRUE(Holds(game, fake));
    fake.Tick(game);
    EXPECT_EQ(Picture(game, 19, 20), "..........\n..66......");
}

struct TurnCase {
    int type, from, pivot, newPivot;
};
void PrintTo(const TurnCase& c, std::ostream* os) { *os << c.type << "@" << c.pivot; }

class TurnTest : public GameTest, public ::testing::WithParamInterface<TurnCase> {
protected:
    void SetUp() override {
        StartOnBoard();
        PlaceFigure(game, c.type, c.from, c.pivot, 4);
        ShowBoard();
    }
    const TurnCase& c = GetParam();
    const int to = (c.from + 1) % kFigures[c.type].orientationCount;
    const std::vector<int> after = FigureCells(c.type, to, c.newPivot);
    const std::vector<int> before = FigureCells(c.type, c.from, c.pivot);
};

TEST_P(TurnTest, GivesTheNextOrientationAroundTheNewAnchorAndRepaintsOnlyWhatChanged) {
    game.RotateFigure();
    EXPECT_EQ(game.Rotation, to);
    EXPECT_EQ(game.Pivot, c.newPivot);
    EXPECT_EQ(FallingCells(game), after);
    std::vector<int> changed;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(changed));
    EXPECT_EQ(PaintedCells(fake), changed);
    EXPECT_TRUE(Holds(game, fake));
}

TEST_P(TurnTest, IsRefusedWhenAnyCellItWouldTakeIsFixedOrFalling) {
    for (int taken : after) {
        if (std::find(before.begin(), before.end(), taken) != before.end()) continue;
        for (Integer state : {kFixed, kFalling}) {
            game.CellState(taken) = state;
            game.CellColor(taken) = 1;
            game.RotateFigure();
            game.CellState(taken) = game.CellColor(taken) = 0;
            EXPECT_EQ(game.Rotation, c.from) << taken;
            EXPECT_EQ(FallingCells(game), before) << taken;
            EXPECT_TRUE(PaintedCells(fake).empty()) << taken;
        }
    }
}

// Between a landing by the down key and the next tick only the left-over anchor moves.
TEST_F(MovesTest, WithNoFigureFallingTheKeysMoveOnlyTheAnchorAndKeepItOnTheBoard) {
    game.Pivot = 189;
    ShowBoard();
    for (Integer key : {39, 40, 39, 39, 40, 32}) Key(key);
    EXPECT_EQ(game.Pivot, kBoardCells);
    EXPECT_TRUE(PaintedCells(fake).empty());
    EXPECT_TRUE(Holds(game, fake));
}

// Type 1 lying in row 1 moves down a row when it stands up; the walls shift the others.
constexpr TurnCase kTurns[] = {
    {1, 0, 5, 15},  {1, 0, 15, 15}, {1, 0, 175, 175}, {1, 1, 21, 22},   {1, 1, 22, 22},
    {1, 1, 28, 28}, {1, 1, 29, 28}, {1, 1, 30, 28},   {2, 0, 12, 12},   {2, 0, 189, 189},
    {2, 1, 21, 22}, {2, 1, 29, 29}, {2, 2, 185, 185}, {2, 3, 30, 29},   {2, 3, 22, 22},
    {3, 0, 15, 15}, {3, 1, 21, 22}, {3, 1, 29, 29},   {3, 2, 25, 25},   {3, 3, 30, 29},
    {3, 3, 22, 22}, {5, 0, 5, 15},  {5, 0, 15, 15},   {5, 0, 189, 189}, {5, 1, 30, 29},
    {5, 1, 22, 22}, {6, 0, 15, 15}, {6, 1, 21, 22},   {6, 1, 29, 29},   {6, 2, 25, 25},
    {6, 3, 30, 29}, {6, 3, 22, 22}, {7, 0, 5, 15},    {7, 0, 15, 15},   {7, 0, 189, 189},
    {7, 1, 30, 29}, {7, 1, 22, 22}};
INSTANTIATE_TEST_SUITE_P(EveryRule, TurnTest, ::testing::ValuesIn(kTurns));

TEST_F(MovesTest, FlatFiguresNearTheFloorAndTheSquareNeverTurn) {
    const int refused[][2] = {{1, 185}, {1, 195}, {1, 188}, {2, 195}, {3, 195}, {6, 195}, {4, 55}};
    for (const auto [type, pivot] : refused) {
        PlaceFigure(game, type, 0, pivot, 2);
        game.CellDirty(100) = 1;  // a mark left for the next pass
        fake.ClearLog();
        game.RotateFigure();
        EXPECT_EQ(FallingCells(game), FigureCells(type, 0, pivot)) << type << " at " << pivot;
        EXPECT_EQ(game.Rotation, 0);
        // A refused turn draws nothing; the square's turn is no turn and runs the pass.
        EXPECT_EQ(PaintedCells(fake), type == 4 ? std::vector<int>{100} : std::vector<int>{});
        for (int n : FallingCells(game)) game.CellState(n) = game.CellColor(n) = 0;
    }
}

}  // namespace
}  // namespace blokka::testing
