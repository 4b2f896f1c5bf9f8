// The Escape and speed menus: one stored value each, exactly one mark that matches it, in every
// state of the game.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

struct EscItem {
    void (Game::*click)();
    MenuItem item;
    int action;
};

constexpr EscItem kEscItems[] = {{&Game::mnuESC0_Click, MenuItem::mnuESC0, 0},
                                 {&Game::mnuESC1_Click, MenuItem::mnuESC1, 1},
                                 {&Game::mnuESC2_Click, MenuItem::mnuESC2, 2},
                                 {&Game::mnuESC3_Click, MenuItem::mnuESC3, 3}};

using EscapeMenuTest = GameTest;

TEST_F(EscapeMenuTest, EachItemStoresItsActionAndCarriesTheOnlyMark) {
    StartWith(2, 2, 2, 2);
    for (const EscItem& chosen : kEscItems) {
        for (int twice = 0; twice < 2; ++twice) {
            const GameState before = game;
            (game.*chosen.click)();
            EXPECT_EQ(game.EscAction, chosen.action);
            GameState expected = before;
            expected.EscAction = static_cast<Byte>(chosen.action);
            EXPECT_EQ(static_cast<const GameState&>(game), expected);
            for (const EscItem& other : kEscItems) {
                EXPECT_EQ(fake.Checked(other.item), other.action == chosen.action)
                    << "after choosing " << chosen.action;
            }
        }
    }
    EXPECT_FALSE(fake.closed);
    EXPECT_TRUE(fake.timerEnabled);
}

struct SpeedItem {
    int interval;
    MenuItem item;
    void (Game::*click)();
};

constexpr SpeedItem kSpeedItems[] = {
    {50, MenuItem::mnuSpeed50, &Game::mnuSpeed50_Click},
    {100, MenuItem::mnuSpeed100, &Game::mnuSpeed100_Click},
    {150, MenuItem::mnuSpeed150, &Game::mnuSpeed150_Click},
    {200, MenuItem::mnuSpeed200, &Game::mnuSpeed200_Click},
    {250, MenuItem::mnuSpeed250, &Game::mnuSpeed250_Click},
    {300, MenuItem::mnuSpeed300, &Game::mnuSpeed300_Click},
    {350, MenuItem::mnuSpeed350, &Game::mnuSpeed350_Click},
    {400, MenuItem::mnuSpeed400, &Game::mnuSpeed400_Click},
    {450, MenuItem::mnuSpeed450, &Game::mnuSpeed450_Click},
    {500, MenuItem::mnuSpeed500, &Game::mnuSpeed500_Click},
    {550, MenuItem::mnuSpeed550, &Game::mnuSpeed550_Click},
    {600, MenuItem::mnuSpeed600, &Game::mnuSpeed600_Click},
    {650, MenuItem::mnuSpeed650, &Game::mnuSpeed650_Click},
    {700, MenuItem::mnuSpeed700, &Game::mnuSpeed700_Click},
    {750, MenuItem::mnuSpeed750, &Game::mnuSpeed750_Click},
    {800, MenuItem::mnuSpeed800, &Game::mnuSpeed800_Click},
    {850, MenuItem::mnuSpeed850, &Game::mnuSpeed850_Click},
    {900, MenuItem::mnuSpeed900, &Game::mnuSpeed900_Click},
    {950, MenuItem::mnuSpeed950, &Game::mnuSpeed950_Click},
    {1000, MenuItem::mnuSpeed1000, &Game::mnuSpeed1000_Click},
};

class SpeedItemTest : public GameTest, public ::testing::WithParamInterface<SpeedItem> {
protected:
    void ExpectOnlyMark(int interval) {
        for (const SpeedItem& other : kSpeedItems) {
            EXPECT_EQ(fake.Checked(other.item), other.interval == interval) << other.interval;
        }
    }
};

void PrintTo(const SpeedItem& s, std::ostream* os) { *os << s.interval << " ms"; }

TEST_P(SpeedItemTest, SetsTheIntervalAndTheOnlyMarkWithoutStartingOrStoppingTheTimer) {
    const SpeedItem& s = GetParam();
    StartWith(2, 2, 2, 2);
    (game.*s.click)();
    EXPECT_EQ(fake.timerInterval, s.interval);
    ExpectOnlyMark(s.interval);
    EXPECT_TRUE(fake.timerEnabled);

    Key(vk::P);
    game.mnuSpeed1000_Click();
    (game.*s.click)();
    EXPECT_EQ(fake.timerInterval, s.interval);
    ExpectOnlyMark(s.interval);
    EXPECT_FALSE(fake.timerEnabled);
    EXPECT_TRUE(fake.Checked(MenuItem::mnuPause));

    game.mnuNew_Click();
    EXPECT_EQ(fake.timerInterval, s.interval);
    ExpectOnlyMark(s.interval);
}

INSTANTIATE_TEST_SUITE_P(AllTwenty, SpeedItemTest, ::testing::ValuesIn(kSpeedItems));

}  // namespace
}  // namespace blokka::testing
