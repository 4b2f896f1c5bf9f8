// The keyboard: the key map while running, paused and over; pause and its mark; the down key's
// timer rule; the speed keys and their bounds; and the Escape action in every state.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// A figure of type 6 in colour 3 just came in: anchor 15, cells 5, 14, 15, 16.
class KeyboardTest : public GameTest {
protected:
    void SetUp() override {
        StartWith(6, 3, 2, 5);
        fake.unloadTarget = &game;
    }
};

struct KeyCase {
    Integer code;
    int rotation, pivot;  // where the figure ends while running; pivot 0: dropped and fixed
    bool move;            // resumes a pause and acts
};

class KeyMapTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    const KeyCase& c = GetParam();
    void ExpectEffect() {
        GameState moved;
        PlaceFigure(moved, 6, c.rotation, c.pivot == 0 ? 15 : c.pivot);
        EXPECT_EQ(c.pivot == 0 ? Picture(game, 19, 20) : Picture(game, 1, 4),
                  c.pivot == 0 ? "....3.....\n...333...." : Picture(moved, 1, 4));
        EXPECT_TRUE(fake.timerEnabled && !fake.Checked(MenuItem::mnuPause));
        EXPECT_TRUE(Holds(game, fake));
    }
};

TEST_P(KeyMapTest, ActsWhileRunning) {
    Key(c.code);
    ExpectEffect();
}

TEST_P(KeyMapTest, ResumesAPauseAndActsOnlyForMoveKeys) {
    Key(vk::P);
    const GameState before = game;
    fake.ClearLog();
    Key(c.code);
    if (c.move) return ExpectEffect();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(fake.timerInterval, 350);
}

TEST_P(KeyMapTest, DoesNothingAfterTheGameIsOver) {
    EndTheGame();
    const GameState before = game;
    fake.ClearLog();
    Key(c.code);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(fake.timerInterval, 350);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    ::testing::Values(KeyCase{vk::Left, 0, 14, true}, KeyCase{vk::A, 0, 14, true},
                      KeyCase{vk::Right, 0, 16, true}, KeyCase{vk::D, 0, 16, true},
                      KeyCase{vk::Up, 1, 15, true}, KeyCase{vk::W, 1, 15, true},
                      KeyCase{vk::Down, 0, 25, true}, KeyCase{vk::S, 0, 25, true},
                      KeyCase{vk::Space, 0, 0, false}, KeyCase{vk::PageUp, 0, 15, false},
                      KeyCase{vk::NumpadMinus, 0, 15, false}, KeyCase{13, 0, 15, false},
                      KeyCase{88, 0, 15, false}, KeyCase{vk::F2, 0, 15, false}));

TEST_F(KeyboardTest, PPauseAndTheMenuItemToggleThePauseAndItsMarkButNotAfterTheGameIsOver) {
    for (Integer code : {vk::P, vk::Pause}) {
        Key(code);
        EXPECT_TRUE(!fake.timerEnabled && fake.Checked(MenuItem::mnuPause));
        Key(code);
        EXPECT_TRUE(fake.timerEnabled && !fake.Checked(MenuItem::mnuPause));
    }
    game.mnuPause_Click();
    EXPECT_TRUE(!fake.timerEnabled && fake.Checked(MenuItem::mnuPause));
    Key(vk::P);
    EndTheGame();
    fake.ClearLog();
    Key(vk::P);
    Key(vk::Pause);
    game.mnuPause_Click();
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(KeyboardTest, DownRestartsTheIntervalButOnARestingFigureFixesItAndLeavesTheTimer) {
    Key(vk::Down);
    EXPECT_EQ(fake.timerRestarts, 2);
    SetBottom(game, {"###...####"});
    for (int i = 0; i < 17; ++i) Key(vk::Down);
    ASSERT_EQ(game.Pivot, 195);  // resting in the gap of the bottom row
    fake.ClearLog();
    Key(vk::S);
    EXPECT_EQ(game.CurType, 0);
    EXPECT_EQ(Picture(game, 19, 20), "....3.....\n###333####");
    EXPECT_EQ(fake.LogCount("timer off"), 0);
    EXPECT_EQ(game.Score, 0);  // the full row waits for the tick
}

TEST_F(KeyboardTest, SpeedKeysStepBy50AndStopAt50And1000RefreshingTheMark) {
    for (Integer code : {vk::PageUp, vk::NumpadPlus, vk::Plus, vk::PageUp}) Key(code);
    EXPECT_EQ(fake.timerInterval, 150);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed150");
    for (Integer code : {vk::PageDown, vk::NumpadMinus, vk::Minus, vk::PageDown}) Key(code);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed350");
    game.mnuSpeed50_Click();
    fake.ClearLog();
    Key(vk::PageUp);
    EXPECT_EQ(fake.timerInterval, 50);
    EXPECT_EQ(fake.LogCount("check mnuSpeed50"), 1);
    game.mnuSpeed1000_Click();
    fake.ClearLog();
    Key(vk::Minus);
    EXPECT_EQ(fake.timerInterval, 1000);
    EXPECT_EQ(fake.LogCount("check mnuSpeed1000"), 1);
}

struct EscCase {
    int action;         // EscAction 0..3
    int state;          // 0 running, 1 paused, 2 over
    const char* after;  // the timer, the pause mark, then what happened to the window
};

class EscapeTest : public KeyboardTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscapeTest, DoesWhatTheChosenActionSaysInEveryState) {
    const EscCase& c = GetParam();
    (game.*Handlers("mnuESC").at(c.action).second)();
    if (c.state == 1) Key(vk::P);
    if (c.state == 2) EndTheGame();
    const std::vector<int> cells = FallingCells(game);
    fake.ClearLog();
    Key(vk::Escape);
    std::string after = fake.timerEnabled ? "on " : "off ";
    after += fake.Checked(MenuItem::mnuPause) ? "paused" : "-";
    for (const char* line : {"minimize", "close", "end"}) {
        if (fake.LogCount(line) == 1) after += std::string(" ") + line;
    }
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(FallingCells(game), cells);
}

INSTANTIATE_TEST_SUITE_P(
    ActionsAndStates, EscapeTest,
    ::testing::Values(EscCase{0, 0, "on -"}, EscCase{0, 1, "off paused"}, EscCase{0, 2, "off -"},
                      EscCase{1, 0, "off paused"}, EscCase{1, 1, "on -"}, EscCase{1, 2, "off -"},
                      EscCase{2, 0, "off paused minimize"}, EscCase{2, 1, "off paused minimize"},
                      EscCase{2, 2, "off - minimize"}, EscCase{3, 0, "on - close end"},
                      EscCase{3, 1, "off paused close end"}, EscCase{3, 2, "off - close end"}));

}  // namespace
}  // namespace blokka::testing
