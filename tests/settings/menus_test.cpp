// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using MenusTest = GameTest;

TEST_F(MenusTest, SpeedItemsSetTheirIntervalRunningOrPausedAndStartNothing) {
    Start(2, 2, 2, 2);
    ASSERT_EQ(Handlers("mnuSpeed").size(), 20u);
    for (bool paused : {false, true}) {
        if (paused) Key(80);
        for (int i = 0; i < 20; ++i) {
            const auto [interval, click] = Handlers("mnuSpeed")[(i * 7 + 3) % 20];  // scrambled
            (game.*click)();
            EXPECT_TRUE(fake.interval == interval && fake.timerOn == !paused && Holds())
                << interval;
        }
    }
}

TEST_F(MenusTest, ColourSwitchesTurnColoursOffAndOnButTheLastOneOffComesBackAsOneAtRandom) {
    game.Form_Load();
    const auto Switch = [&](int k) { (game.*Handlers("mnuColor").at(k - 1).second)(); };
    const auto On = [&] {
        std::string on;
        for (int k = 1; k <= 7; ++k) on += game.ColorOn(k) == 1 ? char('0' + k) : '.';
        EXPECT_TRUE(Holds());  // with the marks of the colours, "Разные" and "Один"
        return on;
    };
    Switch(1);
    EXPECT_EQ(On(), ".234567");
    for (int k : {2, 3, 4, 5, 6}) Switch(k);
    EXPECT_EQ(On(), "......7");
    Switch(3);
    EXPECT_EQ(On(), "..3...7");
    game.mnuColors7_Click();
    EXPECT_TRUE(On() == "1234567" && fake.draws == 0);
    for (int chosen : {1, 4, 7}) {
        fake.Script({chosen});
        game.mnuColors1_Click();
        EXPECT_EQ(On(), std::string(7, '.').replace(chosen - 1, 1, 1, char('0' + chosen)));
        fake.Script({8 - chosen});
        Switch(chosen);
        EXPECT_EQ(On(), std::string(7, '.').replace(7 - chosen, 1, 1, char('8' - chosen)));
        game.mnuColors7_Click();
    }
}

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
        EXPECT_TRUE(Holds());
    }
    EXPECT_EQ(types, a.types);
    EXPECT_TRUE(a.colors.empty() || colors == a.colors) << ::testing::PrintToString(colors);
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
        Appearance{"pairs, then random", {kPairs, kRandom}, {3, 1, 5, 1}, {6, 3, 5}},
        Appearance{"in turn", {kInTurn}, {}, {6, 7, 1, 2}},
        Appearance{"pairs in turn", {kPairs, kInTurn}, {}, {6, 6, 7, 7, 1, 1}},
        Appearance{"threes in turn", {kThrees, kInTurn}, {}, {6, 6, 7, 7, 7, 1}}),
    kByWhat);

}  // namespace
}  // namespace blokka::testing
