// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using StartupTest = GameTest;

TEST_F(StartupTest, ASecondInstanceEndsWithoutTouchingAnything) {
    fake.otherInstance = true;
    game.Form_Load();
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(State(), GameState{});
    EXPECT_EQ(std::count(fake.created.begin(), fake.created.end(), 0) +
                  std::count(fake.paints.begin(), fake.paints.end(), 0),
              2 * 209);
}

TEST_F(StartupTest, SetsTheDefaultsPaintsTheDarkBoardAndBringsARandomFirstFigureOnTheFirstTick) {
    game.Form_Load();
    GameState defaults;
    defaults.BackMode = 3, defaults.CellSize = 18, defaults.EscAction = 1;
    defaults.ColorOn.Fill(1);
    EXPECT_EQ(State(), defaults);
    // Img(1) belongs to the window from the start; the time of day seeds the random source.
    EXPECT_TRUE(std::count(fake.created.begin(), fake.created.end(), 1) == 207 &&
                fake.created[1] == 0);
    EXPECT_TRUE(fake.seed == 5025.25f &&
                std::count(fake.picture.begin(), fake.picture.end(), 10) == kDisplayCells);
    EXPECT_TRUE(fake.timerOn && fake.interval == 350 && fake.draws == 0 && Holds());
    game.mnuFiguresABC_Click();  // the first figure comes at random even so, the next in turn
    fake.Script({7, 1, 2});
    fake.Tick();
    EXPECT_TRUE(game.CurType == 7 && game.NextType == 1 && Holds());
}

// A figure of `type` waiting, and rows 1 and 2 side by side with its cells as it will come in.
struct SpawnCase {
    int type;
    std::string rows;
};
void PrintTo(const SpawnCase& c, std::ostream* os) { *os << "type " << c.type; }

class SpawnTest : public GameTest, public ::testing::WithParamInterface<SpawnCase> {};

TEST_P(SpawnTest, ItWaitsInTheBoxAsItWillComeInButAnyOfItsCellsTakenEndsTheGameWithItOut) {
    const auto& [type, rows] = GetParam();
    for (std::size_t taken = rows.find('o'); taken != std::string::npos;
         taken = rows.find('o', taken + 1)) {
        SCOPED_TRACE("cell " + std::to_string(taken / 11 * 10 + taken % 11 + 1) + " taken");
        Ready(type);
        // Board columns 4 to 7 are box columns 1 to 4; the square sits in box columns 1 and 2.
        for (int k = 201, at = type == 4 ? 4 : 3; k <= 208; ++k)
            EXPECT_EQ(fake.picture[k] == 5, rows[(k - 201) / 4 * 11 + (k - 201) % 4 + at] == 'o');
        Rows board = {rows.substr(0, 10), rows.substr(11)};
        for (std::string& row : board) std::replace(row.begin(), row.end(), 'o', '.');
        board[taken / 11][taken % 11] = '#';
        SetBoard(1, board);
        fake.Tick();
        EXPECT_TRUE(game.GameOver == 1 && !fake.timerOn && Falling().empty());
        EXPECT_EQ(Board(1, 2), board);
        EXPECT_TRUE(Holds());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, SpawnTest,
    ::testing::Values(SpawnCase{1, "...oooo... .........."}, SpawnCase{2, "...o...... ...ooo...."},
                      SpawnCase{3, ".....o.... ...ooo...."}, SpawnCase{4, "....oo.... ....oo...."},
                      SpawnCase{5, "....oo.... ...oo....."}, SpawnCase{6, "....o..... ...ooo...."},
                      SpawnCase{7, "...oo..... ....oo...."}),
    kByWhat);

// The rows from `first` down, each before a tick and after it, and the score from `from`; their
// 'o's are an upright bar (type 1) that lands. A square waits to come in once full rows are gone.
struct RowsCase {
    int first;
    Rows rows;
    int score, from = 0;
};
void PrintTo(const RowsCase& c, std::ostream* os) {
    *os << "from row " << c.first << " the score " << c.from << " becomes " << c.score;
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
    EXPECT_TRUE(Holds());
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
                  "########## .........."}, 32000, 31999}), kByWhat);
// clang-format on

}  // namespace
}  // namespace blokka::testing
