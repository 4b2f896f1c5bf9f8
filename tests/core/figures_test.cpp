// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <set>

#include "game_fixture.h"

namespace blokka::testing {

// (rows down, columns right) of each cell of an orientation, from the anchor.
std::set<std::pair<int, int>> Shape(int type, int rotation) {
    std::set<std::pair<int, int>> shape;
    for (int offset : kFigures[type].orientations[rotation]) {
        const int column = ((offset + 2) % 10 + 10) % 10 - 2;
        shape.insert({(offset - column) / 10, column});
    }
    return shape;
}

// Each orientation is four cells around the anchor, and each turn a quarter turn clockwise
// about it. Where each type comes in and how it shows in the box, spawning_test.cpp tells.
TEST(Figures, AreFourCellsAboutTheAnchorAndTurnAQuarterClockwise) {
    for (int type = 1; type <= 7; ++type) {
        const FigureType& f = kFigures[type];
        for (int r = 0; r < f.orientationCount; ++r) {
            SCOPED_TRACE("type " + std::to_string(type) + ", orientation " + std::to_string(r));
            std::set<std::pair<int, int>> turned;
            for (auto [row, column] : Shape(type, r)) turned.insert({column, -row});
            EXPECT_EQ(Shape(type, r).size(), 4u);
            EXPECT_TRUE(Shape(type, r).contains({0, 0}));
            // A quarter turn clockwise, but for the way back of the types that turn only once.
            const int next = (r + 1) % f.orientationCount;
            const bool back = next == 0 && f.orientationCount < 4;
            EXPECT_EQ(turned, back ? turned : Shape(type, next));
        }
    }
}

}  // namespace blokka::testing
