// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {

// Type 4 falls, 6 waits; rows: the clicks, random choices (of seven) for types and colours, and
// the types and colours that come in.
struct Appearance {
    const char* what;
    std::vector<void (Game::*)()> clicks;
    std::vector<int> choices, types, colors = {};
};
void PrintTo(const Appearance& a, std::ostream* os) { *os << a.what; }

class AppearanceTest : public GameTest, public ::testing::WithParamInterface<Appearance> {};

TEST_P(AppearanceTest, GivesTheTypesInTheOrderOfTheModeEachWithAColourOfItsOwn) {
    const Appearance& a = GetParam();
    Start(4, 1, 6, 2);
    for (auto click : a.clicks) (game.*click)();
    for (int choice : a.choices) fake.Script({choice});
    std::vector<int> types, colors;
    for (std::size_t i = 0; i < a.types.size(); ++i) {
        Key(32), fake.Tick();  // a drop, and the waiting figure comes in
        types.push_back(game.CurType), colors.push_back(game.CurColor);
        EXPECT_EQ(BrokenInvariant(game, fake), "");
    }
    EXPECT_EQ(types, a.types);
    EXPECT_EQ(colors, a.colors.empty() ? colors : a.colors);  // where the row gives them
}

constexpr auto kRandom = &Game::mnuFigures0_Click, kPairs = &Game::mnuFigures1_Click,
               kThrees = &Game::mnuFigures2_Click, kInTurn = &Game::mnuFiguresABC_Click;
INSTANTIATE_TEST_SUITE_P(
    Modes, AppearanceTest,
    // Pairs and threes count from the click: the waiting 6 comes twice, once back at random.
    ::testing::Values(
        Appearance{"random", {}, {3, 1, 5, 1}, {6, 3, 5}},
        Appearance{"pairs", {kPairs}, {4, 3, 5, 1, 7, 6, 2, 2}, {6, 6, 3, 3, 7}, {2, 4, 5, 1, 6}},
        Appearance{
            "threes", {kThrees}, {1, 2, 1, 1, 1, 5, 1, 1, 1, 1, 1}, {6, 6, 2, 2, 2, 5, 5, 5}},
        Appearance{"pairs_then_random", {kPairs, kRandom}, {3, 1, 5, 1}, {6, 3, 5}},
        Appearance{"in_turn", {kInTurn}, {}, {6, 7, 1, 2}},
        Appearance{"pairs_in_turn", {kPairs, kInTurn}, {}, {6, 6, 7, 7, 1, 1}}),
    ::testing::PrintToStringParamName());

}  // namespace blokka::testing
