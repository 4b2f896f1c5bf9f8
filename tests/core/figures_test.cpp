// The figure catalogue as data, and spawning: the waiting figure comes in or ends the game.

#include <set>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// (row, column) of each cell of an orientation, relative to the anchor.
std::set<std::pair<int, int>> Shape(int type, int rotation) {
    std::set<std::pair<int, int>> shape;
    for (int offset : kFigures[type].orientations[rotation]) {
        const int column = ((offset + 2) % 10 + 10) % 10 - 2;
        shape.insert({(offset - column) / 10, column});
    }
    return shape;
}

TEST(FigureCatalogue, OrientationsTurnAQuarterClockwiseAndTheSpawnCellsAndBoxShowOrientationZero) {
    for (int type = 1; type <= 7; ++type) {
        const int count = kFigures[type].orientationCount;
        for (int r = 0; r < count; ++r) {
            EXPECT_EQ(Shape(type, r).size(), 4u) << type << "/" << r;
            EXPECT_TRUE(Shape(type, r).contains({0, 0})) << type << "/" << r;
            std::set<std::pair<int, int>> turned;
            for (auto [row, column] : Shape(type, r)) turned.insert({column, -row});
            EXPECT_TRUE(count < 4 || turned == Shape(type, (r + 1) % 4)) << type << "/" << r;
        }
        const FigureType& figure = kFigures[type];
        std::vector<int> spawn(figure.spawnCells.begin(), figure.spawnCells.end());
        std::sort(spawn.begin(), spawn.end());
        EXPECT_EQ(spawn, FigureCells(type, 0, figure.spawnPivot)) << type;
        std::set<int> box;
        for (int n : spawn) {
            EXPECT_TRUE(RowOf(n) <= 2 && ColumnOf(n) >= 4 && ColumnOf(n) <= 7) << n;
            // board column 4 is box column 1, but the square sits in box columns 2 and 3
            box.insert(kBoxFirst + (RowOf(n) - 1) * 4 + ColumnOf(n) - (type == 4 ? 5 : 4));
        }
        EXPECT_EQ(box, std::set<int>(figure.boxCells.begin(), figure.boxCells.end())) << type;
    }
}

using SpawnTest = GameTest;

TEST_F(SpawnTest, OnlyATakenSpawnCellEndsTheGameWithNothingPlacedAndThenTicksDoNothing) {
    for (int type = 1; type <= 7; ++type) {
        for (int blocked : kFigures[type].spawnCells) {
            FakeWindow fresh;
            Game other(fresh);
            other.Form_Load();
            other.NextType = static_cast<Integer>(type);
            other.NextColor = 3;
            SetRows(other, 1, {".#########", ".#########"});
            for (int n : kFigures[type].spawnCells) other.CellState(n) = other.CellColor(n) = 0;
            other.CellState(blocked) = other.CellColor(blocked) = kFixed;
            GameState expected = other;
            expected.GameOver = 1;
            expected.CurType = expected.NextType;
            expected.CurColor = expected.NextColor;

            fresh.Tick(other);
            SCOPED_TRACE("type " + std::to_string(type) + " blocked at " + std::to_string(blocked));
            EXPECT_EQ(static_cast<const GameState&>(other), expected);
            EXPECT_FALSE(fresh.timerEnabled);
            EXPECT_EQ(BoxPicture(other, fresh), "..../....");
            fresh.ClearLog();
            other.tmrMain_Timer();
            EXPECT_EQ(static_cast<const GameState&>(other), expected);
            EXPECT_TRUE(fresh.log.empty());

            other.CellState(blocked) = other.CellColor(blocked) = 0;
            other.GameOver = other.CurType = 0;
            other.tmrMain_Timer();  // the same board with the spawn cells free
            EXPECT_EQ(FallingCells(other), FigureCells(type, 0, kFigures[type].spawnPivot));
        }
    }
}

}  // namespace
}  // namespace blokka::testing
