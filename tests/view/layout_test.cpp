// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every cell and the label stand at each size the checker tells; the storm changes sizes
// and backgrounds in every state.

#include "game_fixture.h"

namespace blokka::testing {

using LayoutTest = GameTest;

// Paused, a figure in the box and coloured cells on the board: the layout has no path per state.
TEST_F(LayoutTest, EachSizeMovesTheCellsAndTheLabelAndChangesNothingElse) {
    Start(4, 6, 7, 2);
    SetBoard(20, {"..3....5.."});
    Key(key::P);
    GameState expected = game;
    for (auto [size, click] : Handlers("mnuSize")) {
        SCOPED_TRACE("size " + std::to_string(size));
        fake.ForgetPaints();
        (game.*click)();
        expected.CellSize = Integer(size);
        EXPECT_EQ(State(), expected);
        EXPECT_EQ(fake.Painted(), 0);
        EXPECT_EQ(BrokenInvariant(game, fake), "");
    }
    EXPECT_EQ(fake.Timer(), "off 350");
    EXPECT_EQ(fake.restarts, 1);  // the new game's at start-up alone
}

}  // namespace blokka::testing
