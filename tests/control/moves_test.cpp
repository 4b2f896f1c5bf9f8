// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <iterator>

#include "game_fixture.h"

namespace blokka::testing {

// Rows down to the floor, each the board before the key and after it, and whether the key
// starts the interval to the next tick anew.
struct MoveCase {
    const char* what;
    int type, rotation, key;
    Rows rows;
    bool restarts = false;
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.what; }

class MoveTest : public GameTest, public ::testing::WithParamInterface<MoveCase> {};

// Walls, the floor and fixed cells stop a figure.
TEST_P(MoveTest, GoesWhereTheWayIsFreeAndOnlyAFallRestartsTheInterval) {
    const MoveCase& c = GetParam();
    const int first = 21 - int(c.rows.size());
    Ready();
    SetBoard(first, Half(c.rows, 0), c.type, c.rotation);
    fake.restarts = 0;
    Key(c.key);
    EXPECT_EQ(Board(first, 20), Half(c.rows, 1));
    EXPECT_EQ(fake.restarts, int(c.restarts));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Directions, MoveTest, ::testing::Values(
    MoveCase{"left_free_beside_diagonal_fixed_cells", 1, 0, key::Left, {
        "..#....... ..#.......",
        "...oooo... ..oooo....",
        "..#....... ..#......."}},
    MoveCase{"left_blocked_by_a_fixed_cell", 6, 0, key::Left, {
        "....o..... ....o.....",
        "..#ooo.... ..#ooo...."}},
    MoveCase{"left_at_the_wall_never_into_the_row_above", 1, 0, key::Left, {
        ".......... ..........",
        "oooo...... oooo......"}},
    MoveCase{"right_free_beside_diagonal_fixed_cells", 1, 0, key::Right, {
        ".......#.. .......#..",
        "...oooo... ....oooo..",
        ".......#.. .......#.."}},
    MoveCase{"right_blocked_by_a_fixed_cell", 7, 1, key::Right, {
        ".....o.... .....o....",
        "....oo#... ....oo#...",
        "....o..... ....o....."}},
    MoveCase{"right_at_the_wall_never_into_the_row_below", 1, 0, key::Right, {
        "......oooo ......oooo",
        ".......... .........."}},
    MoveCase{"down_free_beside_diagonal_fixed_cells", 5, 0, key::Down, {
        "....oo.... ..........",
        "...oo..... ....oo....",
        "..#...#... ..#oo.#..."}, true},
    MoveCase{"down_onto_a_fixed_cell_fixed_at_once", 3, 0, key::Down, {
        "......o... ......3...",
        "....ooo... ....333...",
        "......#... ......#..."}},
    MoveCase{"down_onto_the_floor_fixed_at_once_the_full_row_left_for_the_tick", 2, 2, key::Down, {
        ".ooo...... .333......",
        "###o###### ###3######"}},
    MoveCase{"drop_onto_the_first_fixed_cells_below_the_full_row_left_for_the_tick", 6, 2, key::Space, {
        ".ooo...... ..........",
        "..o....... ..........",
        ".......... .333......",
        "##.####### ##3#######"}, true},
    MoveCase{"drop_of_a_resting_figure_nothing_the_tick_fixes_it", 4, 0, key::Space, {
        "oo........ oo........",
        "oo........ oo........"}},
    MoveCase{"turn_blocked_by_the_floor", 1, 0, key::Up, {
        "...oooo... ...oooo...",
        ".......... .........."}}), ::testing::PrintToStringParamName());
// clang-format on

struct TurnCase {
    int type, from, pivot, newPivot;
};
void PrintTo(const TurnCase& c, std::ostream* os) {
    *os << "type_" << c.type << "_from_" << c.from << "_at_" << c.pivot << "_turns_at_"
        << c.newPivot;
}

class TurnTest : public GameTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTest, GivesTheNextOrientationAroundTheNewAnchorUnlessACellItWouldTakeIsFixed) {
    const TurnCase& c = GetParam();
    const int to = (c.from + 1) % kFigures[c.type].orientationCount;
    const std::vector<int> before = FigureCells(c.type, c.from, c.pivot);
    const std::vector<int> after = FigureCells(c.type, to, c.newPivot);
    Ready();
    Place(c.type, c.from, c.pivot);
    for (int taken : after) {
        if (std::find(before.begin(), before.end(), taken) != before.end()) continue;
        game.CellState(taken) = kFixed;
        game.RotateFigure();
        game.CellState(taken) = kEmpty;
        EXPECT_EQ(Falling(), before) << "cell " << taken << " fixed";
        EXPECT_EQ(game.Rotation, c.from) << "cell " << taken << " fixed";
    }
    fake.ForgetPaints();
    game.RotateFigure();
    EXPECT_EQ(Falling(), after);
    EXPECT_EQ(game.Rotation, to);
    std::vector<int> changed;  // and nothing else is repainted
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(changed));
    EXPECT_EQ(fake.Painted(), std::ssize(changed));
}

// Edge rows and columns of each rule, and a place where only the general rule holds.
INSTANTIATE_TEST_SUITE_P(
    EveryRule, TurnTest,
    ::testing::ValuesIn(std::vector<TurnCase>{
        {1, 0, 5, 15},  {1, 0, 15, 15},   {1, 0, 175, 175}, {1, 1, 21, 22},   {1, 1, 22, 22},
        {1, 1, 28, 28}, {1, 1, 29, 28},   {1, 1, 30, 28},   {2, 0, 189, 189}, {2, 1, 21, 22},
        {2, 1, 29, 29}, {2, 2, 185, 185}, {2, 3, 30, 29},   {2, 3, 29, 29},   {3, 0, 182, 182},
        {3, 1, 21, 22}, {3, 1, 29, 29},   {3, 2, 25, 25},   {3, 3, 30, 29},   {3, 3, 29, 29},
        {5, 0, 5, 15},  {5, 0, 15, 15},   {5, 1, 30, 29},   {5, 1, 29, 29},   {6, 0, 185, 185},
        {6, 1, 21, 22}, {6, 1, 29, 29},   {6, 2, 25, 25},   {6, 3, 30, 29},   {6, 3, 29, 29},
        {7, 0, 5, 15},  {7, 0, 15, 15},   {7, 1, 30, 29},   {7, 1, 29, 29}}),
    ::testing::PrintToStringParamName());

}  // namespace blokka::testing
