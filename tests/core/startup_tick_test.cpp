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
    EXPECT_EQ(std::ranges::count(fake.created, 0) + std::ranges::count(fake.paints, 0), 2 * 209);
}

TEST_F(StartupTest, SetsTheDefaultsPaintsTheDarkBoardAndBringsARandomFirstFigureOnTheFirstTick) {
    game.Form_Load();
    GameState defaults;
    defaults.BackMode = 3, defaults.CellSize = 18, defaults.EscAction = 1;
    defaults.ColorOn.Fill(1);
    EXPECT_EQ(State(), defaults);
    // Img(1) belongs to the window from the start; the time of day seeds the random source.
    EXPECT_TRUE(std::ranges::count(fake.created, 1) == 207 && fake.created[1] == 0);
    EXPECT_TRUE(fake.seed == 5025.25f && std::ranges::count(fake.picture, 10) == kDisplayCells);
    EXPECT_TRUE(fake.timerOn && fake.interval == 350 && fake.draws == 0 && Holds());
    game.mnuFiguresABC_Click();  // the first figure comes at random even so, the next in turn
    fake.Script({7, 1, 2});
    fake.Tick();
    EXPECT_TRUE(game.CurType == 7 && game.NextType == 1 && Holds());
}

using TickTest = GameTest;

// The upright figure in column 10 lands and completes four rows; their removal moves the fixed
// cell out of the square's way before it comes in.
TEST_F(TickTest, ALandingTickFixesRemovesTheFullRowsScoresAndThenBringsTheNextFigure) {
    Ready(4, 6);
    SetBoard(2, {"....#....."});
    SetBoard(16, {"..3.......", "#########o", "#########o", "#########o", "#########o"}, 1, 1);
    fake.Tick();
    EXPECT_EQ(Board(1, 6), Rows({"....oo....", "....oo....", "..........", "..........",
                                 "..........", "....#....."}));
    EXPECT_EQ(Board(20, 20), Rows{"..3......."});
    EXPECT_TRUE(game.Score == 4 && game.Rotation == 0 && Holds());
}

// A figure of `type` waiting, and rows 1 and 2 side by side as it would come in: '#' the one of
// its cells already taken by a fixed cell, 'o' its other cells.
struct SpawnCase {
    int type;
    std::string rows;
};
void PrintTo(const SpawnCase& c, std::ostream* os) {
    const std::size_t at = c.rows.find('#');
    *os << "type " << c.type << " with cell " << at / 11 * 10 + at % 11 + 1 << " taken";
}

class SpawnTest : public GameTest, public ::testing::WithParamInterface<SpawnCase> {};

TEST_P(SpawnTest, AnyOfItsCellsTakenInEitherTopRowEndsTheGameAndTheFigureStaysOut) {
    const auto& [type, rows] = GetParam();
    Ready(type);
    Rows board = {rows.substr(0, 10), rows.substr(11)};
    for (std::string& row : board) std::ranges::replace(row, 'o', '.');
    SetBoard(1, board);
    fake.Tick();
    EXPECT_TRUE(game.GameOver == 1 && !fake.timerOn && Falling().empty());
    EXPECT_EQ(Board(1, 2), board);
    EXPECT_TRUE(Holds());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryTypeAndCell, SpawnTest, ::testing::ValuesIn(std::vector<SpawnCase>{
    {1, "...#ooo... .........."}, {1, "...o#oo... .........."}, {1, "...oo#o... .........."},
    {1, "...ooo#... .........."}, {2, "...#...... ...ooo...."}, {2, "...o...... ...#oo...."},
    {2, "...o...... ...o#o...."}, {2, "...o...... ...oo#...."}, {3, ".....#.... ...ooo...."},
    {3, ".....o.... ...#oo...."}, {3, ".....o.... ...o#o...."}, {3, ".....o.... ...oo#...."},
    {4, "....#o.... ....oo...."}, {4, "....o#.... ....oo...."}, {4, "....oo.... ....#o...."},
    {4, "....oo.... ....o#...."}, {5, "....#o.... ...oo....."}, {5, "....o#.... ...oo....."},
    {5, "....oo.... ...#o....."}, {5, "....oo.... ...o#....."}, {6, "....#..... ...ooo...."},
    {6, "....o..... ...#oo...."}, {6, "....o..... ...o#o...."}, {6, "....o..... ...oo#...."},
    {7, "...#o..... ....oo...."}, {7, "...o#..... ....oo...."}, {7, "...oo..... ....#o...."},
    {7, "...oo..... ....o#...."}}), kByWhat);
// clang-format on

// The rows from `first` down, each before the removal and after it, and the score from `from`.
struct RowsCase {
    int first;
    Rows rows;
    int score, from = 0;
};
void PrintTo(const RowsCase& c, std::ostream* os) {
    *os << "from row " << c.first << " the score " << c.from << " becomes " << c.score;
}

class RowsTest : public GameTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(RowsTest, FullRowsGoTheRowsAboveMoveDownAndTheScoreStopsAt32000InDarkRed) {
    const auto [first, rows, score, from] = GetParam();
    game.Form_Load();
    game.Score = Integer(from);
    SetBoard(first, Half(rows, 0));
    game.RemoveFullRows();
    game.DrawDirtyCells();
    EXPECT_EQ(Board(first, first + int(rows.size()) - 1), Half(rows, 1));
    EXPECT_EQ(game.Score, score);
    EXPECT_EQ(fake.colourWrites, int(score == 32000));  // dark red once the score stops
    EXPECT_TRUE(Holds());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boards, RowsTest, ::testing::Values(
    RowsCase{17, {".........6 ..........",
                  "#########6 ..........",
                  "3.4......6 .........6",
                  "#########6 3.4......6"}, 2},
    RowsCase{16, {"..5....... ..........",
                  "########## ..........",
                  "########## ..........",
                  "########## ..........",
                  "########## ..5......."}, 4},
    RowsCase{18, {"#####..... #####.....",
                  ".....##### .....#####",
                  "#########. #########."}, 0},
    RowsCase{1, {"7......... ..........",
                 "########## 7........."}, 1},
    RowsCase{20, {"########## .........."}, 31999, 31998},
    RowsCase{19, {"########## ..........",
                  "########## .........."}, 32000, 31999}), kByWhat);
// clang-format on

}  // namespace
}  // namespace blokka::testing
