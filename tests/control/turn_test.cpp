// Turning: every row of the turn table at the edge positions it names, refusals by taken cells,
// and the worked examples of the first turns after a spawn.

#include <iterator>
#include <ostream>
#include <set>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

struct TurnCase {
    int type;
    int from;   // orientation before the turn
    int pivot;  // where the anchor stands before it
    int newPivot;
};

void PrintTo(const TurnCase& c, std::ostream* os) {
    *os << "type " << c.type << " from " << c.from << " at " << c.pivot;
}

class TurnTest : public GameTest, public ::testing::WithParamInterface<TurnCase> {
protected:
    void SetUp() override {
        const TurnCase& c = GetParam();
        Start();
        PlaceFigure(game, c.type, c.from, c.pivot, 4);
        ShowBoard();
        to = (c.from + 1) % kFigures[c.type].orientationCount;
        before = FallingCells(game);
    }

    // The cells the turn leaves and takes.
    std::vector<int> Changed() const {
        const std::vector<int> after = FigureCells(GetParam().type, to, GetParam().newPivot);
        std::vector<int> changed;
        std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                      std::back_inserter(changed));
        return changed;
    }

    void ExpectRefused() {
        EXPECT_EQ(game.Rotation, GetParam().from);
        EXPECT_EQ(game.Pivot, GetParam().pivot);
        EXPECT_EQ(FallingCells(game), before);
        EXPECT_TRUE(PaintedCells(fake).empty());
    }

    int to = 0;
    std::vector<int> before;
};

TEST_P(TurnTest, GivesTheNextOrientationAroundTheNewAnchor) {
    const TurnCase& c = GetParam();
    fake.ClearLog();
    game.RotateFigure();
    EXPECT_EQ(game.Rotation, to);
    EXPECT_EQ(game.Pivot, c.newPivot);
    EXPECT_EQ(FallingCells(game), FigureCells(c.type, to, c.newPivot));
    for (int n : FallingCells(game)) EXPECT_EQ(game.CellColor(n), 4) << n;
    EXPECT_EQ(PaintedCells(fake), Changed());
    EXPECT_TRUE(RecordHolds(game));
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

TEST_P(TurnTest, IsRefusedWhenAnyCellItWouldTakeIsFixedOrFalling) {
    const TurnCase& c = GetParam();
    const std::vector<int> after = FigureCells(c.type, to, c.newPivot);
    for (int taken : after) {
        if (std::find(before.begin(), before.end(), taken) != before.end()) continue;
        for (Integer state : {kFixed, kFalling}) {
            game.CellState(taken) = state;
            game.CellColor(taken) = 1;
            fake.ClearLog();
            game.RotateFigure();
            game.CellState(taken) = kEmpty;
            game.CellColor(taken) = 0;
            SCOPED_TRACE("cell " + std::to_string(taken) + " state " + std::to_string(state));
            ExpectRefused();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, TurnTest,
    ::testing::Values(
        // type 1: flat from row 1 moves down a row; the walls shift it
        TurnCase{1, 0, 5, 15}, TurnCase{1, 0, 15, 15}, TurnCase{1, 0, 175, 175},
        TurnCase{1, 1, 21, 22}, TurnCase{1, 1, 22, 22}, TurnCase{1, 1, 28, 28},
        TurnCase{1, 1, 29, 28}, TurnCase{1, 1, 30, 28},
        // type 2
        TurnCase{2, 0, 12, 12}, TurnCase{2, 0, 189, 189}, TurnCase{2, 1, 21, 22},
        TurnCase{2, 1, 29, 29}, TurnCase{2, 2, 185, 185}, TurnCase{2, 3, 30, 29},
        TurnCase{2, 3, 22, 22},
        // type 3
        TurnCase{3, 0, 15, 15}, TurnCase{3, 1, 21, 22}, TurnCase{3, 1, 29, 29},
        TurnCase{3, 2, 25, 25}, TurnCase{3, 3, 30, 29}, TurnCase{3, 3, 22, 22},
        // type 5
        TurnCase{5, 0, 5, 15}, TurnCase{5, 0, 15, 15}, TurnCase{5, 0, 189, 189},
        TurnCase{5, 1, 30, 29}, TurnCase{5, 1, 22, 22},
        // type 6
        TurnCase{6, 0, 15, 15}, TurnCase{6, 1, 21, 22}, TurnCase{6, 1, 29, 29},
        TurnCase{6, 2, 25, 25}, TurnCase{6, 3, 30, 29}, TurnCase{6, 3, 22, 22},
        // type 7
        TurnCase{7, 0, 5, 15}, TurnCase{7, 0, 15, 15}, TurnCase{7, 0, 189, 189},
        TurnCase{7, 1, 30, 29}, TurnCase{7, 1, 22, 22}));

using TurnExampleTest = GameTest;

TEST_F(TurnExampleTest, FlatFiguresNearTheFloorNeverTurnEvenOnAnEmptyBoard) {
    const struct {
        int type, pivot;
    } refused[] = {{1, 185}, {1, 195}, {1, 188}, {2, 195}, {3, 195}, {6, 195}};
    for (const auto& c : refused) {
        FakeWindow fresh;
        Game other(fresh);
        other.Form_Load();
        PlaceFigure(other, c.type, 0, c.pivot, 2);
        other.CellDirty(100) = 1;
        fresh.ClearLog();
        other.RotateFigure();
        EXPECT_EQ(other.Rotation, 0) << c.type << " at " << c.pivot;
        EXPECT_EQ(FallingCells(other), FigureCells(c.type, 0, c.pivot)) << c.type;
        EXPECT_TRUE(PaintedCells(fresh).empty()) << c.type << " at " << c.pivot;
    }
}

TEST_F(TurnExampleTest, TypeOneAfterSpawnStandsUpAndLiesDownAgainAroundCell15) {
    StartWith(1, 2, 4, 4);
    Key(vk::Up);
    EXPECT_EQ(FallingCells(game), (std::vector<int>{5, 15, 25, 35}));
    EXPECT_EQ(game.Pivot, 15);
    Key(vk::W);
    EXPECT_EQ(FallingCells(game), (std::vector<int>{14, 15, 16, 17}));
    EXPECT_EQ(game.Pivot, 15);
    EXPECT_EQ(game.Rotation, 0);
}

TEST_F(TurnExampleTest, TwoTurnsOfTypesOneFiveAndSevenGiveOrientationZeroBack) {
    for (int type : {1, 5, 7}) {
        FakeWindow fresh;
        Game other(fresh);
        other.Form_Load();
        PlaceFigure(other, type, 0, 55, 2);
        const std::vector<int> start = FallingCells(other);
        other.RotateFigure();
        other.RotateFigure();
        EXPECT_EQ(other.Rotation, 0) << type;
        EXPECT_EQ(other.Pivot, 55) << type;
        EXPECT_EQ(FallingCells(other), start) << type;
    }
}

TEST_F(TurnExampleTest, FourTurnsOfTypesTwoThreeAndSixComeFullCircle) {
    for (int type : {2, 3, 6}) {
        FakeWindow fresh;
        Game other(fresh);
        other.Form_Load();
        PlaceFigure(other, type, 0, 55, 2);
        const std::vector<int> start = FallingCells(other);
        for (int i = 1; i <= 4; ++i) {
            other.RotateFigure();
            EXPECT_EQ(other.Rotation, i % 4) << type;
        }
        EXPECT_EQ(FallingCells(other), start) << type;
    }
}

TEST_F(TurnExampleTest, TheSquareDoesNotTurnButTheDrawingPassRuns) {
    Start();
    PlaceFigure(game, 4, 0, 55, 2);
    game.CellDirty(100) = 1;  // a mark left for the next pass
    fake.ClearLog();
    game.RotateFigure();
    EXPECT_EQ(FallingCells(game), FigureCells(4, 0, 55));
    EXPECT_EQ(PaintedCells(fake), std::vector<int>{100});
}

}  // namespace
}  // namespace blokka::testing
