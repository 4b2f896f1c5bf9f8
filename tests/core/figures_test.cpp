// The figure catalogue as data, and spawning: the waiting figure comes in on rows 1 and 2 or ends
// the game, and the first type is random whatever the appearance mode says.

#include <set>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// (row, column) of an offset from the anchor, rows down and columns right in -2..+2.
std::set<std::pair<int, int>> Shape(int type, int rotation) {
    std::set<std::pair<int, int>> shape;
    for (int offset : kFigures[type].orientations[rotation]) {
        const int column = ((offset + 2) % 10 + 10) % 10 - 2;
        shape.insert({(offset - column) / 10, column});
    }
    return shape;
}

TEST(FigureCatalogue, OrientationsAreFourCellsAroundTheAnchorAndTurnAQuarterClockwise) {
    for (int type = 1; type <= 7; ++type) {
        const int count = kFigures[type].orientationCount;
        for (int r = 0; r < count; ++r) {
            EXPECT_EQ(Shape(type, r).size(), 4u) << type << "/" << r;
            EXPECT_TRUE(Shape(type, r).contains({0, 0})) << type << "/" << r;
            if (count < 4) continue;
            std::set<std::pair<int, int>> turned;
            for (auto [row, column] : Shape(type, r)) turned.insert({column, -row});
            EXPECT_EQ(turned, Shape(type, (r + 1) % 4)) << type << " from " << r;
        }
    }
}

TEST(FigureCatalogue, SpawnCellsAreOrientationZeroInTheTopRowsAndTheBoxShowsThem) {
    for (int type = 1; type <= 7; ++type) {
        const FigureType& figure = kFigures[type];
        std::vector<int> spawn(figure.spawnCells.begin(), figure.spawnCells.end());
        std::sort(spawn.begin(), spawn.end());
        EXPECT_EQ(spawn, FigureCells(type, 0, figure.spawnPivot)) << type;
        std::set<int> box;
        const int shift = type == 4 ? 4 : 3;  // board column 4 is box column 1; the square's 5
        for (int n : spawn) {
            EXPECT_TRUE(RowOf(n) <= 2 && ColumnOf(n) >= 4 && ColumnOf(n) <= 7) << n;
            box.insert(kBoxFirst + (RowOf(n) - 1) * 4 + ColumnOf(n) - 1 - shift);
        }
        EXPECT_EQ(box, std::set<int>(figure.boxCells.begin(), figure.boxCells.end())) << type;
    }
}

using SpawnTest = GameTest;

TEST_F(SpawnTest, AnyTakenSpawnCellEndsTheGameWithNothingPlacedAndLaterTicksDoNothing) {
    for (int type = 1; type <= 7; ++type) {
        for (int blocked : kFigures[type].spawnCells) {
            FakeWindow fresh;
            Game other(fresh);
            other.Form_Load();
            other.NextType = static_cast<Integer>(type);
            other.NextColor = 3;
            SetRows(other, 1, {".#########", ".#########"});  // all but the spawn cells
            for (int n : kFigures[type].spawnCells) other.CellState(n) = other.CellColor(n) = 0;
            other.CellState(blocked) = kFixed;
            other.CellColor(blocked) = 2;
            const GameState before = other;

            fresh.Tick(other);

            SCOPED_TRACE("type " + std::to_string(type) + " blocked at " + std::to_string(blocked));
            EXPECT_EQ(other.GameOver, 1);
            EXPECT_FALSE(fresh.timerEnabled);
            EXPECT_FALSE(fresh.Checked(MenuItem::mnuPause));
            EXPECT_EQ(other.CellState, before.CellState);
            EXPECT_EQ(other.CellColor, before.CellColor);
            EXPECT_EQ(other.Pivot, 0);
            EXPECT_TRUE(other.CurType == type && other.NextType == type);
            EXPECT_TRUE(other.CurColor == 3 && other.NextColor == 3);
            EXPECT_EQ(BoxPicture(other, fresh), "..../....");
            EXPECT_TRUE(RecordHolds(other));

            const GameState over = other;
            fresh.ClearLog();
            other.tmrMain_Timer();
            EXPECT_EQ(static_cast<const GameState&>(other), over);
            EXPECT_TRUE(fresh.log.empty());

            other.CellState(blocked) = other.CellColor(blocked) = 0;
            other.GameOver = 0;
            other.CurType = 0;
            other.tmrMain_Timer();  // the same board with the spawn cells free
            EXPECT_EQ(FallingCells(other), FigureCells(type, 0, kFigures[type].spawnPivot));
        }
    }
}

TEST_F(SpawnTest, TheFirstFigureIsRandomEvenInTurnModeAndTheNextFollowsInTurn) {
    game.Form_Load();
    game.mnuFiguresABC_Click();
    fake.ScriptRandom({Pick(5), Pick(1), Pick(2)});
    fake.Tick(game);
    EXPECT_EQ(game.CurType, 5);
    EXPECT_EQ(game.NextType, 6);
    EXPECT_EQ(game.NextColor, 2);
    EXPECT_EQ(fake.randomDraws, 3);
}

}  // namespace
}  // namespace blokka::testing
