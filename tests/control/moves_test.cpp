// Moves, turns and the hard drop: walls in the cell numbering, what blocks and what does not,
// every row of the turn table at the edge positions it names, and a drop that fixes the figure
// at once but leaves its full rows to the next tick.

#include <iterator>
#include <ostream>

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
    EXPECT_EQ(game.Pivot, 56);
    EXPECT_TRUE(ScreenShowsBoard(game, fake));

    game.CellState(58) = kFixed;  // right beside the figure's upper right cell
    game.CellColor(58) = 1;
    game.MoveRight();
    EXPECT_EQ(Picture(game, 5, 8), "...#......\n.....oo#..\n.....oo...\n......#...");
}

TEST_F(MovesTest, TheHardDropOfARestingFigureDoesNothingAtAll) {
    SetBottom(game, {"##..######"});
    PlaceFigure(game, 4, 0, 175);  // resting on the stack beside the gap
    ShowBoard();
    const GameState before = game;
    game.DropFigure();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(MovesTest, ADropFixesAtOnceRestartsTheTimerAndLeavesFullRowsToTheNextTick) {
    SetBottom(game, {"##..######"});
    PlaceFigure(game, 4, 0, 3, 6);
    ShowBoard();
    const int restarts = fake.timerRestarts;

    game.DropFigure();

    EXPECT_EQ(game.CurType, 0);
    EXPECT_EQ(game.Pivot, 0);
    EXPECT_EQ(Picture(game, 18, 20), "..........\n..66......\n##66######");
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(fake.timerRestarts, restarts + 1);
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
    EXPECT_TRUE(RecordHolds(game));

    fake.Tick(game);
    EXPECT_EQ(Picture(game, 19, 20), "..........\n..66......");
    EXPECT_EQ(game.Score, 1);
}

struct TurnCase {
    int type, from, pivot, newPivot;
};

void PrintTo(const TurnCase& c, std::ostream* os) {
    *os << "type " << c.type << " from " << c.from << " at " << c.pivot;
}

class TurnTest : public GameTest, public ::testing::WithParamInterface<TurnCase> {
protected:
    void SetUp() override {
        game.Form_Load();
        PlaceFigure(game, GetParam().type, GetParam().from, GetParam().pivot, 4);
        ShowBoard();
    }
    int To() const { return (GetParam().from + 1) % kFigures[GetParam().type].orientationCount; }
};

TEST_P(TurnTest, GivesTheNextOrientationAroundTheNewAnchorAndRepaintsOnlyWhatChanged) {
    const TurnCase& c = GetParam();
    const std::vector<int> before = FallingCells(game),
                           after = FigureCells(c.type, To(), c.newPivot);
    game.RotateFigure();
    EXPECT_EQ(game.Rotation, To());
    EXPECT_EQ(game.Pivot, c.newPivot);
    EXPECT_EQ(FallingCells(game), after);
    std::vector<int> changed;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(changed));
    EXPECT_EQ(PaintedCells(fake), changed);
    EXPECT_TRUE(RecordHolds(game));
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

TEST_P(TurnTest, IsRefusedWhenAnyCellItWouldTakeIsFixedOrFalling) {
    const TurnCase& c = GetParam();
    const std::vector<int> before = FallingCells(game);
    for (int taken : FigureCells(c.type, To(), c.newPivot)) {
        if (std::find(before.begin(), before.end(), taken) != before.end()) continue;
        for (Integer state : {kFixed, kFalling}) {
            game.CellState(taken) = state;
            game.CellColor(taken) = 1;
            game.RotateFigure();
            game.CellState(taken) = game.CellColor(taken) = 0;
            EXPECT_EQ(game.Rotation, c.from) << taken;
            EXPECT_EQ(game.Pivot, c.pivot) << taken;
            EXPECT_EQ(FallingCells(game), before) << taken;
            EXPECT_TRUE(PaintedCells(fake).empty()) << taken;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, TurnTest,
    ::testing::Values(  // type 1: flat from row 1 moves down a row; the walls shift it
        TurnCase{1, 0, 5, 15}, TurnCase{1, 0, 15, 15}, TurnCase{1, 0, 175, 175},
        TurnCase{1, 1, 21, 22}, TurnCase{1, 1, 22, 22}, TurnCase{1, 1, 28, 28},
        TurnCase{1, 1, 29, 28}, TurnCase{1, 1, 30, 28}, TurnCase{2, 0, 12, 12},
        TurnCase{2, 0, 189, 189}, TurnCase{2, 1, 21, 22}, TurnCase{2, 1, 29, 29},
        TurnCase{2, 2, 185, 185}, TurnCase{2, 3, 30, 29}, TurnCase{2, 3, 22, 22},
        TurnCase{3, 0, 15, 15}, TurnCase{3, 1, 21, 22}, TurnCase{3, 1, 29, 29},
        TurnCase{3, 2, 25, 25}, TurnCase{3, 3, 30, 29}, TurnCase{3, 3, 22, 22},
        TurnCase{5, 0, 5, 15}, TurnCase{5, 0, 15, 15}, TurnCase{5, 0, 189, 189},
        TurnCase{5, 1, 30, 29}, TurnCase{5, 1, 22, 22}, TurnCase{6, 0, 15, 15},
        TurnCase{6, 1, 21, 22}, TurnCase{6, 1, 29, 29}, TurnCase{6, 2, 25, 25},
        TurnCase{6, 3, 30, 29}, TurnCase{6, 3, 22, 22}, TurnCase{7, 0, 5, 15},
        TurnCase{7, 0, 15, 15}, TurnCase{7, 0, 189, 189}, TurnCase{7, 1, 30, 29},
        TurnCase{7, 1, 22, 22}));

using TurnExampleTest = GameTest;

TEST_F(TurnExampleTest, FlatFiguresNearTheFloorAndTheSquareNeverTurn) {
    const struct {
        int type, pivot;
    } refused[] = {{1, 185}, {1, 195}, {1, 188}, {2, 195}, {3, 195}, {6, 195}, {4, 55}};
    game.Form_Load();
    for (const auto& c : refused) {
        PlaceFigure(game, c.type, 0, c.pivot, 2);
        game.CellDirty(100) = 1;  // a mark left for the next pass
        fake.ClearLog();
        game.RotateFigure();
        EXPECT_EQ(game.Rotation, 0) << c.type << " at " << c.pivot;
        EXPECT_EQ(FallingCells(game), FigureCells(c.type, 0, c.pivot)) << c.type;
        // A refused turn draws nothing; the square's turn is no turn and runs the pass.
        EXPECT_EQ(PaintedCells(fake), c.type == 4 ? std::vector<int>{100} : std::vector<int>{})
            << c.type << " at " << c.pivot;
        for (int n : FallingCells(game)) game.CellState(n) = game.CellColor(n) = 0;
    }
}

TEST_F(TurnExampleTest, AFullRoundOfTurnsBringsEveryFigureBackWhereItWas) {
    game.Form_Load();
    for (int type = 1; type <= 7; ++type) {
        PlaceFigure(game, type, 0, 55, 2);
        const std::vector<int> start = FallingCells(game);
        for (int i = 1; i <= kFigures[type].orientationCount; ++i) game.RotateFigure();
        EXPECT_EQ(game.Rotation, 0) << type;
        EXPECT_EQ(game.Pivot, 55) << type;
        EXPECT_EQ(FallingCells(game), start) << type;
        for (int n : start) game.CellState(n) = game.CellColor(n) = 0;
    }
}

}  // namespace
}  // namespace blokka::testing
