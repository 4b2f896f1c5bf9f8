// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

// The rows from `first` down, each before a tick and after it, and the score from `from`; their
// 'o's are an upright bar (type 1) that lands. A square waits to come in once full rows are gone.
struct RowsCase {
    int first;
    Rows rows;
    int score, from = 0;
};
void PrintTo(const RowsCase& c, std::ostream* os) {
    *os << "from_row_" << c.first << "_the_score_" << c.from << "_becomes_" << c.score;
}

class RowsTest : public GameTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(RowsTest, ATickFixesTheLandedFigureThenFullRowsGoAndScoreUpTo32000BeforeTheNextComes) {
    const auto [first, rows, score, from] = GetParam();
    Ready(4, 6);
    game.Score = Integer(from);
    SetBoard(first, Half(rows, 0), 1, 1);
    fake.Tick();
    EXPECT_EQ(Board(first, first + int(rows.size()) - 1), Half(rows, 1));
    EXPECT_EQ(game.Score, score);
    EXPECT_EQ(fake.colourWrites, int(score == 32000));  // dark red once the score stops
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boards, RowsTest, ::testing::Values(
    RowsCase{17, {".........o ..........",
                  "#########o ..........",
                  "4.5......o .........3",
                  "#########o 4.5......3"}, 2},
    RowsCase{18, {"#####..... #####.....",
                  ".....##### .....#####",
                  "#########. #########."}, 0},
    RowsCase{1, {"7......... ....oo....",
                 "########## 7...oo...."}, 1},
    RowsCase{20, {"########## .........."}, 31999, 31998},
    RowsCase{19, {"########## ..........",
                  "########## .........."}, 32000, 31999}), ::testing::PrintToStringParamName());
// clang-format on

}  // namespace blokka::testing
