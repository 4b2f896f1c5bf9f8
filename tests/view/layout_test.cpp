// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every cell and the label stand at each size the checker tells; the storm changes sizes
// and backgrounds in every state.

#include "game_fixture.h"

namespace blokka::testing {

class LayoutTest : public GameTest, public ::testing::WithParamInterface<int> {};

// 0 running, 1 paused, 2 over; a figure in the box and coloured cells on the board.
TEST_P(LayoutTest, EachSizeMovesTheCellsAndTheLabelAndChangesNothingElse) {
    Start(4, 6, 7, 2);
    SetBoard(20, {"..3....5.."});
    if (GetParam() == 1) Key(key::P);
    if (GetParam() == 2) EndTheGame();
    GameState expected = game;
    const std::string timer = fake.Timer();
    for (auto [size, click] : Handlers("mnuSize")) {
        SCOPED_TRACE("size " + std::to_string(size));
        fake.ForgetPaints();
        (game.*click)();
        expected.CellSize = Integer(size);
        EXPECT_EQ(State(), expected);
        EXPECT_EQ(fake.Painted(), 0);
        EXPECT_TRUE(Holds());
    }
    EXPECT_EQ(fake.Timer(), timer);
    EXPECT_EQ(fake.restarts, 1);  // the new game's at start-up alone
}

INSTANTIATE_TEST_SUITE_P(RunningPausedOver, LayoutTest, ::testing::Range(0, 3),
                         [](const auto& i) { return std::string(kStateNames[i.param]); });

}  // namespace blokka::testing
