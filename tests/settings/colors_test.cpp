// The colour menu: switches for seven colours, "all" and "one", at least one colour always on,
// and new figures drawn only from the colours on while the waiting figure keeps its own.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

constexpr void (Game::*kColorClicks[])() = {
    &Game::mnuColor1_Click, &Game::mnuColor2_Click, &Game::mnuColor3_Click, &Game::mnuColor4_Click,
    &Game::mnuColor5_Click, &Game::mnuColor6_Click, &Game::mnuColor7_Click};
constexpr MenuItem kColorItems[] = {MenuItem::mnuColor1, MenuItem::mnuColor2, MenuItem::mnuColor3,
                                    MenuItem::mnuColor4, MenuItem::mnuColor5, MenuItem::mnuColor6,
                                    MenuItem::mnuColor7};

class ColorsTest : public GameTest {
protected:
    void SetUp() override { Start(); }

    void Switch(int k) { (game.*kColorClicks[k - 1])(); }

    // The colours on, as digits, and the marks as "all|colours|one".
    std::string Colours() const {
        std::string on;
        for (int k = 1; k <= 7; ++k) {
            if (game.ColorOn(k) == 1) on += static_cast<char>('0' + k);
        }
        return on;
    }
    std::string Marks() const {
        std::string marks = fake.Checked(MenuItem::mnuColors7) ? "all|" : "-|";
        for (int k = 1; k <= 7; ++k) {
            if (fake.Checked(kColorItems[k - 1])) marks += static_cast<char>('0' + k);
        }
        return marks + (fake.Checked(MenuItem::mnuColors1) ? "|one" : "|-");
    }
};

TEST_F(ColorsTest, SwitchingColoursOffAndOnMarksThemAndTheSummaries) {
    EXPECT_EQ(Marks(), "all|1234567|-");
    Switch(1);
    EXPECT_EQ(Colours(), "234567");
    EXPECT_EQ(Marks(), "-|234567|-");
    for (int k : {2, 3, 4, 5}) Switch(k);
    EXPECT_EQ(Marks(), "-|67|-");
    Switch(6);
    EXPECT_EQ(Marks(), "-|7|one");
    Switch(3);
    EXPECT_EQ(Marks(), "-|37|-");
    game.mnuColors7_Click();
    EXPECT_EQ(Colours(), "1234567");
    EXPECT_EQ(Marks(), "all|1234567|-");
    EXPECT_EQ(fake.randomDraws, 0);
}

class LastColourTest : public ColorsTest, public ::testing::WithParamInterface<int> {};

TEST_P(LastColourTest, SwitchingOffTheLastColourSwitchesOneOnAtRandom) {
    for (int k = 1; k <= 6; ++k) Switch(k);
    ASSERT_EQ(Colours(), "7");
    const int chosen = GetParam();
    fake.ScriptRandom({Pick(chosen)});
    Switch(7);
    EXPECT_EQ(Colours(), std::string(1, static_cast<char>('0' + chosen)));
    EXPECT_EQ(Marks(), "-|" + Colours() + "|one");
}

TEST_P(LastColourTest, OneAlwaysLeavesExactlyOneColourChosenAtRandom) {
    Switch(2);
    fake.ScriptRandom({Pick(GetParam())});
    game.mnuColors1_Click();
    EXPECT_EQ(Colours(), std::string(1, static_cast<char>('0' + GetParam())));
    EXPECT_EQ(Marks(), "-|" + Colours() + "|one");
}

INSTANTIATE_TEST_SUITE_P(EachColour, LastColourTest, ::testing::Values(1, 4, 7));

TEST_F(ColorsTest, TheWaitingFigureKeepsItsColourAndLaterOnesAvoidTheColourSwitchedOff) {
    fake.ScriptRandom({Pick(2), Pick(3), Pick(5), Pick(1)});
    fake.Tick(game);
    ASSERT_EQ(game.NextColor, 1);
    Switch(1);
    EXPECT_EQ(BoxPicture(game, fake), ".11./11..");

    std::vector<int> colors;
    for (float r : {0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 0.99f}) {
        fake.ScriptRandom({Pick(4), r});
        NextFalling();
        colors.push_back(game.CurColor);
    }
    EXPECT_EQ(colors, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(game.NextColor, 7);
}

TEST_F(ColorsTest, ChangesActInEveryStateAndRedrawNothing) {
    fake.ScriptRandom({Pick(2), Pick(3), Pick(5), Pick(1)});
    fake.Tick(game);
    Key(vk::P);
    fake.ClearLog();
    Switch(3);
    game.mnuColors1_Click();
    game.mnuColors7_Click();
    for (const std::string& line : fake.log) {
        EXPECT_EQ(line.rfind("picture", 0), std::string::npos) << line;
    }
    EXPECT_EQ(Colours(), "1234567");
    EXPECT_FALSE(fake.timerEnabled);
}

}  // namespace
}  // namespace blokka::testing
