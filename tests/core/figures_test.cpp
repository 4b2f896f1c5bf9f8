// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The figure catalogue, and a spawn that brings the waiting figure in or ends the game.

#include <set>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// (rows down, columns right) of each cell of an orientation, from the anchor.
std::set<std::pair<int, int>> Shape(int type, int rotation) {
    std::set<std::pair<int, int>> shape;
    for (int offset : kFigures[type].orientations[rotation]) {
        const int column = ((offset + 2) % 10 + 10) % 10 - 2;
        shape.insert({(offset - column) / 10, column});
    }
    return shape;
}

TEST(Figures, TurnAQuarterClockwiseAboutTheAnchorAndComeInAndShowInTheBoxAsOrientationZero) {
    for (int type = 1; type <= 7; ++type) {
        const FigureType& f = kFigures[type];
        for (int r = 0; r < f.orientationCount; ++r) {
            std::set<std::pair<int, int>> turned;
            for (auto [row, column] : Shape(type, r)) turned.insert({column, -row});
            EXPECT_TRUE(Shape(type, r).size() == 4 && Shape(type, r).contains({0, 0}));
            // Types that turn only once go back to exactly where they started.
            EXPECT_TRUE(f.orientationCount < 4 || turned == Shape(type, (r + 1) % 4)) << type;
        }
        std::vector<int> spawn(f.spawnCells.begin(), f.spawnCells.end()), box;
        std::ranges::sort(spawn);
        EXPECT_EQ(spawn, FigureCells(type, 0, f.spawnPivot)) << type;
        // Board columns 4 to 7 are box columns 1 to 4; the square sits in box columns 1 and 2.
        for (int n : spawn)
            box.push_back(201 + (n - 1) / 10 * 4 + (n - 1) % 10 - (type == 4 ? 4 : 3));
        EXPECT_EQ(box, std::vector<int>(f.boxCells.begin(), f.boxCells.end())) << type;
        EXPECT_TRUE(std::ranges::all_of(spawn, [](int n) {
            return n <= 20 && (n - 1) % 10 >= 3 && (n - 1) % 10 <= 6;
        })) << type;
    }
}

class SpawnTest : public GameTest, public ::testing::WithParamInterface<int> {};

// Every spawn cell of every type, taken on its own, ends the game; the rest of rows 1 and 2
// never matters.
TEST_P(SpawnTest, OneTakenSpawnCellEndsTheGameWithNothingPlacedAndAnEmptyBox) {
    const int type = GetParam();
    for (int blocked : kFigures[type].spawnCells) {
        Ready(type, 4);
        SetBoard(1, {".#########", ".#########"});
        for (int n : kFigures[type].spawnCells) SetCell(n, n == blocked);
        GameState over = game;
        over.GameOver = 1, over.CurType = Integer(type), over.CurColor = 4, over.Pivot = 0;
        fake.Tick();
        EXPECT_EQ(State(), over) << type << " at " << blocked;
        EXPECT_TRUE(Holds());
        SetCell(blocked, false);
        game.GameOver = 0, game.CurType = 0;
        game.tmrMain_Timer();
        EXPECT_EQ(Falling(), FigureCells(type, 0, kFigures[type].spawnPivot));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, SpawnTest, ::testing::Range(1, 8));

}  // namespace
}  // namespace blokka::testing
