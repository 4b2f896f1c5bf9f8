// The appearance menu: pairs and threes counted from the click, "random" ending a run, types in
// turn wrapping from 7 to 1, and a new game in pair mode starting a full pair.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// Type 4 falls and type 6 waits in the box; later random types come from the script.
class AppearanceTest : public GameTest {
protected:
    void SetUp() override { StartWith(4, 1, 6, 2); }

    std::vector<int> Falling(int count) {
        std::vector<int> types;
        for (int i = 0; i < count; ++i) types.push_back(NextFalling());
        return types;
    }

    std::string Marks() const {
        std::string marks;
        for (MenuItem item : {MenuItem::mnuFigures0, MenuItem::mnuFigures1, MenuItem::mnuFigures2,
                              MenuItem::mnuFiguresABC}) {
            marks += fake.Checked(item) ? 'x' : '.';
        }
        return marks;
    }
};

TEST_F(AppearanceTest, StartsRandomWithTurnsOff) { EXPECT_EQ(Marks(), "x..."); }

TEST_F(AppearanceTest, PairsCountFromTheClickThenComeInFullPairs) {
    game.mnuFigures1_Click();
    EXPECT_EQ(Marks(), ".x..");
    // A repeated type draws only its colour; a new one its type and then its colour.
    const float c = Pick(1);
    fake.ScriptRandom({c, Pick(3), c, c, Pick(7), c, c, Pick(2), c});
    EXPECT_EQ(Falling(6), (std::vector<int>{6, 6, 3, 3, 7, 7}));
}

TEST_F(AppearanceTest, ThreesStartWithTwoThenComeInFullThrees) {
    game.mnuFigures2_Click();
    EXPECT_EQ(Marks(), "..x.");
    const float c = Pick(1);
    fake.ScriptRandom({c, Pick(2), c, c, c, Pick(5), c, c, c, c, Pick(1), c});
    EXPECT_EQ(Falling(8), (std::vector<int>{6, 6, 2, 2, 2, 5, 5, 5}));
}

TEST_F(AppearanceTest, RandomEndsARunButTheWaitingTypeStays) {
    game.mnuFigures2_Click();
    NextFalling();  // 6 comes in; 6 waits once more
    ASSERT_EQ(game.NextType, 6);
    game.mnuFigures0_Click();
    EXPECT_EQ(Marks(), "x...");
    EXPECT_EQ(game.NextType, 6);
    fake.ScriptRandom({Pick(3), Pick(1), Pick(5), Pick(1)});
    EXPECT_EQ(Falling(3), (std::vector<int>{6, 3, 5}));
}

TEST_F(AppearanceTest, InTurnAfterASevenComesAOne) {
    game.NextType = 7;
    game.mnuFiguresABC_Click();
    EXPECT_EQ(Marks(), "x..x");
    EXPECT_EQ(Falling(4), (std::vector<int>{7, 1, 2, 3}));
}

TEST_F(AppearanceTest, TurnModeClickedTwiceIsOffAgain) {
    game.mnuFiguresABC_Click();
    game.mnuFiguresABC_Click();
    EXPECT_EQ(game.InTurn, 0);
    EXPECT_EQ(Marks(), "x...");
}

TEST_F(AppearanceTest, ANewGameInPairModeStartsAFullPair) {
    game.mnuFigures1_Click();
    fake.ScriptRandom({Pick(1), Pick(3), Pick(1)});
    NextFalling();  // 6 comes in, 6 waits as its pair
    NextFalling();  // 6 again, 3 waits as the first of a pair
    ASSERT_EQ(game.NextType, 3);
    ASSERT_EQ(game.RepeatLeft, 1);
    game.RepeatLeft = 0;  // as if the pair had been used up already

    game.mnuNew_Click();
    EXPECT_EQ(game.RepeatLeft, 1);
    fake.ScriptRandom({Pick(1), Pick(5), Pick(1)});
    EXPECT_EQ(Falling(3), (std::vector<int>{3, 3, 5}));
}

}  // namespace
}  // namespace blokka::testing
