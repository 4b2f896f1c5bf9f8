// The option menus: Escape and speed items store one value and carry the only mark of their
// group in every state; colours keep at least one on; appearance modes order the types.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using MenusTest = GameTest;

TEST_F(MenusTest, EscapeAndSpeedItemsStoreTheirValueAndCarryTheOnlyMarkRunningOrPaused) {
    StartWith(2, 2, 2, 2);
    const auto speeds = Handlers("mnuSpeed");
    ASSERT_EQ(speeds.size(), 20u);
    for (int paused = 0; paused < 2; ++paused) {
        if (paused == 1) Key(vk::P);
        for (auto [action, click] : Handlers("mnuESC")) {
            GameState expected = game;
            expected.EscAction = static_cast<Byte>(action);
            (game.*click)();
            EXPECT_EQ(State(), expected);
            EXPECT_EQ(Marks(fake, "mnuESC"), "mnuESC" + std::to_string(action));
        }
        for (int i = 0; i < 20; ++i) {
            const auto [interval, click] = speeds[(i * 7 + 3) % 20];  // in a scrambled order
            (game.*click)();
            EXPECT_EQ(fake.timerInterval, interval);
            EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed" + std::to_string(interval));
            EXPECT_EQ(fake.timerEnabled, paused == 0);
        }
    }
}

class ColorsTest : public GameTest {
protected:
    void SetUp() override { game.Form_Load(); }
    void Switch(int k) { (game.*Handlers("mnuColor").at(k - 1).second)(); }
    // The colours on, between the marks of "Разные" and "Один"; colour items marked as they are on.
    std::string Colours() const {
        std::string on, marked;
        for (int k = 1; k <= 7; ++k) on += game.ColorOn(k) == 1 ? std::to_string(k) : "";
        for (char c : Marks(fake, "mnuColor")) marked += std::isdigit(c) ? std::string(1, c) : "";
        EXPECT_EQ(marked, on);
        return (fake.Checked(MenuItem::mnuColors7) ? "all|" : "-|") + on +
               (fake.Checked(MenuItem::mnuColors1) ? "|one" : "|-");
    }
};

TEST_F(ColorsTest, SwitchesMarkColoursAndSummariesAndAtLeastOneColourStaysOn) {
    EXPECT_EQ(Colours(), "all|1234567|-");
    Switch(1);
    EXPECT_EQ(Colours(), "-|234567|-");
    for (int k : {2, 3, 4, 5, 6}) Switch(k);
    EXPECT_EQ(Colours(), "-|7|one");
    Switch(3);
    EXPECT_EQ(Colours(), "-|37|-");
    game.mnuColors7_Click();
    EXPECT_EQ(Colours(), "all|1234567|-");
    EXPECT_EQ(fake.randomDraws, 0);
    // "Один", or switching off the last colour, leaves one on, chosen at random
    for (int chosen : {1, 4, 7}) {
        game.mnuColors7_Click();
        fake.Script({chosen});
        game.mnuColors1_Click();
        EXPECT_EQ(Colours(), "-|" + std::to_string(chosen) + "|one");
        fake.Script({8 - chosen});
        Switch(chosen);
        EXPECT_EQ(Colours(), "-|" + std::to_string(8 - chosen) + "|one");
    }
}

TEST_F(ColorsTest, TheWaitingFigureKeepsItsColourAndLaterOnesComeOnlyFromTheColoursOn) {
    fake.Script({2, 3, 5, 1});
    fake.Tick(game);
    Key(vk::P);
    fake.ClearLog();
    for (int k : {1, 3, 4, 6, 7}) Switch(k);  // acts while paused and redraws nothing
    EXPECT_TRUE(PaintedCells(fake).empty());
    EXPECT_EQ(BoxPicture(game, fake), ".11./11..");
    Key(vk::P);
    std::vector<int> colors;
    for (float r : {0.0f, 0.49f, 0.5f, 0.99f}) {
        fake.Script({1});
        fake.randomScript.push_back(r);
        NextFalling();
        colors.push_back(game.CurColor);
    }
    EXPECT_EQ(colors, (std::vector<int>{1, 2, 2, 5}));
    EXPECT_EQ(game.NextColor, 5);
}

// Type 4 falls, 6 waits; rows: clicks, random choices (of seven) for types and colours, the types
// that come in, and the marks (the marked repeat item's number, "ABC" for "По очереди").
struct Appearance {
    std::vector<void (Game::*)()> clicks;
    std::vector<int> choices, types;
    std::string marks;
};
void PrintTo(const Appearance& a, std::ostream* os) { *os << a.marks << " " << a.types[2]; }

class AppearanceTest : public GameTest, public ::testing::WithParamInterface<Appearance> {};

TEST_P(AppearanceTest, GivesTheTypesInTheOrderOfTheMode) {
    const Appearance& a = GetParam();
    StartWith(4, 1, 6, 2);
    for (auto click : a.clicks) (game.*click)();
    for (int choice : a.choices) fake.Script({choice});
    std::vector<int> types;
    for (std::size_t i = 0; i < a.types.size(); ++i) types.push_back(NextFalling());
    EXPECT_EQ(types, a.types);
    const bool inTurn = fake.Checked(MenuItem::mnuFiguresABC);
    EXPECT_EQ(Marks(fake, "mnuFigures").substr(10) + (inTurn ? " ABC" : ""), a.marks);
}

constexpr auto kRandom = &Game::mnuFigures0_Click, kPairs = &Game::mnuFigures1_Click,
               kThrees = &Game::mnuFigures2_Click, kInTurn = &Game::mnuFiguresABC_Click;
INSTANTIATE_TEST_SUITE_P(
    Modes, AppearanceTest,
    ::testing::Values(  // pairs and threes count from the click: the waiting 6 comes twice
        Appearance{{}, {3, 1, 5, 1}, {6, 3, 5}, "0"},
        Appearance{{kPairs}, {1, 3, 1, 1, 7, 1, 1, 2, 1}, {6, 6, 3, 3, 7, 7}, "1"},
        Appearance{{kThrees}, {1, 2, 1, 1, 1, 5, 1, 1, 1, 1, 1}, {6, 6, 2, 2, 2, 5, 5, 5}, "2"},
        Appearance{{kThrees, kRandom}, {3, 1, 5, 1}, {6, 3, 5}, "0"},
        Appearance{{kPairs, kRandom}, {3, 1, 5, 1}, {6, 3, 5}, "0"},  // the 6 comes once
        Appearance{{kInTurn}, {}, {6, 7, 1, 2}, "0 ABC"},
        Appearance{{kPairs, kInTurn}, {}, {6, 6, 7, 7, 1, 1}, "1 ABC"},
        Appearance{{kThrees, kInTurn}, {}, {6, 6, 7, 7, 7, 1}, "2 ABC"},
        Appearance{{kInTurn, kInTurn}, {3, 1, 5, 1}, {6, 3, 5}, "0"}));

}  // namespace
}  // namespace blokka::testing
