// The figure catalogue as data: shapes that agree with each other, turning clockwise, and the
// next-figure box showing what comes in.

#include <algorithm>
#include <set>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// (row, column) of an offset from the anchor, rows down and columns right in -1..+2.
std::pair<int, int> RowColumn(int offset) {
    const int column = ((offset + 2) % 10 + 10) % 10 - 2;
    return {(offset - column) / 10, column};
}

std::set<std::pair<int, int>> Shape(int type, int rotation) {
    std::set<std::pair<int, int>> shape;
    for (int offset : kFigures[type].orientations[rotation]) shape.insert(RowColumn(offset));
    return shape;
}

class FigureTest : public ::testing::TestWithParam<int> {};

TEST_P(FigureTest, EveryOrientationHoldsItsAnchorAndFourDistinctCells) {
    const int type = GetParam();
    for (int r = 0; r < kFigures[type].orientationCount; ++r) {
        const auto& cells = kFigures[type].orientations[r];
        EXPECT_NE(std::find(cells.begin(), cells.end(), 0), cells.end()) << "orientation " << r;
        EXPECT_EQ(Shape(type, r).size(), 4u) << "orientation " << r;
    }
}

TEST_P(FigureTest, SpawnsInRowsOneAndTwoAsOrientationZeroAroundItsAnchor) {
    const int type = GetParam();
    const FigureType& figure = kFigures[type];
    std::vector<int> spawn(figure.spawnCells.begin(), figure.spawnCells.end());
    std::sort(spawn.begin(), spawn.end());
    EXPECT_EQ(spawn, FigureCells(type, 0, figure.spawnPivot));
    for (int n : spawn) {
        EXPECT_LE(RowOf(n), 2) << n;
        EXPECT_GE(ColumnOf(n), 4) << n;
        EXPECT_LE(ColumnOf(n), 7) << n;
    }
}

TEST_P(FigureTest, TheBoxShowsTheSpawnShapeInItsColumns) {
    const int type = GetParam();
    const int shift =
        type == 4 ? 4 : 3;  // board column 4 is box column 1; the square one further left
    std::set<int> expected;
    for (int n : kFigures[type].spawnCells) {
        expected.insert(kBoxFirst + (RowOf(n) - 1) * 4 + ColumnOf(n) - 1 - shift);
    }
    const std::set<int> box(kFigures[type].boxCells.begin(), kFigures[type].boxCells.end());
    EXPECT_EQ(box, expected);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, FigureTest, ::testing::Range(1, 8));

TEST(FigureCatalogue, TypesTwoThreeAndSixTurnAQuarterClockwisePerStep) {
    for (int type : {2, 3, 6}) {
        ASSERT_EQ(kFigures[type].orientationCount, 4);
        for (int r = 0; r < 4; ++r) {
            std::set<std::pair<int, int>> turned;
            for (auto [row, column] : Shape(type, r)) turned.insert({column, -row});
            EXPECT_EQ(turned, Shape(type, (r + 1) % 4)) << "type " << type << " from " << r;
        }
    }
}

}  // namespace
}  // namespace blokka::testing
