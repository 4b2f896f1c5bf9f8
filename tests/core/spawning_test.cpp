// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

// A figure of `type` waiting, and rows 1 and 2 side by side with its cells as it will come in.
struct SpawnCase {
    int type;
    std::string rows;
};
void PrintTo(const SpawnCase& c, std::ostream* os) { *os << "type_" << c.type; }

class SpawnTest : public GameTest, public ::testing::WithParamInterface<SpawnCase> {};

TEST_P(SpawnTest, ItWaitsInTheBoxAsItWillComeInButAnyOfItsCellsTakenEndsTheGameWithItOut) {
    const auto& [type, rows] = GetParam();
    for (std::size_t taken = rows.find('o'); taken != std::string::npos;
         taken = rows.find('o', taken + 1)) {
        SCOPED_TRACE("cell " + std::to_string(taken / 11 * 10 + taken % 11 + 1) + " taken");
        Ready(type);
        // Board columns 4 to 7 are box columns 1 to 4; the square sits in box columns 1 and 2.
        for (int k = 201, at = type == 4 ? 4 : 3; k <= 208; ++k)
            EXPECT_EQ(fake.picture[k] == 5, rows[(k - 201) / 4 * 11 + (k - 201) % 4 + at] == 'o')
                << "box cell " << k;
        Rows board = {rows.substr(0, 10), rows.substr(11)};
        for (std::string& row : board) std::replace(row.begin(), row.end(), 'o', '.');
        board[taken / 11][taken % 11] = '#';
        SetBoard(1, board);
        fake.Tick();
        EXPECT_EQ(game.GameOver, 1);
        EXPECT_EQ(Board(1, 2), board);  // nothing of the figure came in
        EXPECT_EQ(BrokenInvariant(game, fake), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, SpawnTest,
    ::testing::Values(SpawnCase{1, "...oooo... .........."}, SpawnCase{2, "...o...... ...ooo...."},
                      SpawnCase{3, ".....o.... ...ooo...."}, SpawnCase{4, "....oo.... ....oo...."},
                      SpawnCase{5, "....oo.... ...oo....."}, SpawnCase{6, "....o..... ...ooo...."},
                      SpawnCase{7, "...oo..... ....oo...."}),
    ::testing::PrintToStringParamName());

}  // namespace blokka::testing
