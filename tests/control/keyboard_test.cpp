// The keyboard: the key map while running, paused and over; pause and its mark; the down key's
// timer rule; the speed keys and their bounds; and the Escape action in every state.

#include <ostream>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// A figure of type 6 just came in: anchor 15, cells 5, 14, 15, 16.
class KeyboardTest : public GameTest {
protected:
    void SetUp() override {
        StartWith(6, 3, 2, 5);
        fake.unloadTarget = &game;
    }
};

struct KeyCase {
    Integer code;
    int rotation, pivot;  // where the figure ends; pivot 0: dropped to the floor and fixed
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "key " << c.code; }

class KeyMapTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void ExpectEffect() {
        const KeyCase& c = GetParam();
        if (c.pivot == 0) {
            EXPECT_EQ(game.CurType, 0);
            EXPECT_EQ(Picture(game, 19, 20), "....3.....\n...333....");
        } else {
            EXPECT_EQ(FallingCells(game), FigureCells(6, c.rotation, c.pivot));
        }
        EXPECT_TRUE(ScreenShowsBoard(game, fake));
    }
};

TEST_P(KeyMapTest, ActsWhileRunning) {
    Key(GetParam().code);
    ExpectEffect();
    EXPECT_TRUE(fake.timerEnabled);
}

TEST_P(KeyMapTest, ResumesAPauseAndActsOnlyForMoveKeys) {
    Key(vk::P);
    const GameState before = game;
    Key(GetParam().code);
    if (GetParam().pivot == 0) {
        EXPECT_EQ(State(), before);
        EXPECT_TRUE(!fake.timerEnabled && fake.Checked(MenuItem::mnuPause));
        return;
    }
    EXPECT_TRUE(fake.timerEnabled && !fake.Checked(MenuItem::mnuPause));
    ExpectEffect();
}

TEST_P(KeyMapTest, DoesNothingAfterTheGameIsOver) {
    EndTheGame();
    const GameState before = game;
    fake.ClearLog();
    Key(GetParam().code);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(fake.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyMapTest,
                         ::testing::Values(KeyCase{vk::Left, 0, 14}, KeyCase{vk::A, 0, 14},
                                           KeyCase{vk::Right, 0, 16}, KeyCase{vk::D, 0, 16},
                                           KeyCase{vk::Up, 1, 15}, KeyCase{vk::W, 1, 15},
                                           KeyCase{vk::Down, 0, 25}, KeyCase{vk::S, 0, 25},
                                           KeyCase{vk::Space, 0, 0}));

TEST_F(KeyboardTest, PPauseAndTheMenuItemToggleThePauseAndItsMark) {
    for (Integer code : {vk::P, vk::Pause}) {
        Key(code);
        EXPECT_TRUE(!fake.timerEnabled && fake.Checked(MenuItem::mnuPause));
        Key(code);
        EXPECT_TRUE(fake.timerEnabled && !fake.Checked(MenuItem::mnuPause));
    }
    game.mnuPause_Click();
    EXPECT_TRUE(!fake.timerEnabled && fake.Checked(MenuItem::mnuPause));
}

TEST_F(KeyboardTest, KeysOutsideTheMapDoNothingAndWhilePausedOrOverNeitherDoTheOthers) {
    const Integer others[] = {vk::Space, vk::PageUp, vk::PageDown, vk::NumpadPlus, vk::NumpadMinus,
                              vk::Plus,  vk::Minus,  Integer{88},  Integer{13},    vk::F2};
    for (int state = 0; state < 3; ++state) {
        if (state == 1) Key(vk::P);
        if (state == 2) {
            Key(vk::P);
            EndTheGame();
        }
        const GameState before = game;
        fake.ClearLog();
        for (Integer code : others) {
            if (state > 0 || code == 88 || code == 13 || code == vk::F2) Key(code);
        }
        if (state == 2) {
            Key(vk::P);
            Key(vk::Pause);
            game.mnuPause_Click();
        }
        EXPECT_EQ(State(), before) << "state " << state;
        EXPECT_TRUE(fake.log.empty()) << "state " << state;
        EXPECT_EQ(fake.timerInterval, 350);
    }
}

TEST_F(KeyboardTest, DownRestartsTheIntervalButOnARestingFigureFixesItAndLeavesTheTimer) {
    Key(vk::Down);
    EXPECT_EQ(game.Pivot, 25);
    EXPECT_EQ(fake.timerRestarts, 2);
    SetBottom(game, {"###...####"});
    for (int i = 0; i < 17; ++i) Key(vk::Down);
    ASSERT_EQ(game.Pivot, 195);  // resting in the gap of the bottom row
    fake.ClearLog();

    Key(vk::S);

    EXPECT_EQ(game.CurType, 0);
    EXPECT_EQ(Picture(game, 19, 20), "....3.....\n###333####");
    EXPECT_EQ(fake.LogCount("timer off"), 0);
    EXPECT_EQ(game.Score, 0);
    fake.Tick(game);
    EXPECT_EQ(Picture(game, 20, 20), "....3.....");
}

TEST_F(KeyboardTest, SpeedKeysStepBy50AndStopAt50And1000RefreshingTheMark) {
    for (Integer code : {vk::PageUp, vk::NumpadPlus, vk::Plus, vk::PageUp}) Key(code);
    EXPECT_EQ(fake.timerInterval, 150);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed150");
    for (Integer code : {vk::PageDown, vk::NumpadMinus, vk::Minus, vk::PageDown}) Key(code);
    EXPECT_EQ(fake.timerInterval, 350);
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
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed1000");
}

struct EscCase {
    int action;  // EscAction 0..3
    int state;   // 0 running, 1 paused, 2 over
    bool running, pauseMark, minimized, closed;
};

void PrintTo(const EscCase& c, std::ostream* os) {
    *os << "action " << c.action << " in state " << c.state;
}

class EscapeTest : public KeyboardTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscapeTest, DoesWhatTheChosenActionSaysInEveryState) {
    const EscCase& c = GetParam();
    (game.*Handlers("mnuESC").at(c.action).second)();
    if (c.state == 1) Key(vk::P);
    if (c.state == 2) EndTheGame();
    const std::vector<int> cells = FallingCells(game);

    Key(vk::Escape);

    if (!c.closed) {
        EXPECT_EQ(fake.timerEnabled, c.running);
    }
    EXPECT_EQ(fake.Checked(MenuItem::mnuPause), c.pauseMark);
    EXPECT_EQ(fake.LogCount("minimize"), c.minimized ? 1 : 0);
    EXPECT_EQ(fake.LogCount("close"), c.closed ? 1 : 0);
    EXPECT_EQ(fake.ended, c.closed);
    EXPECT_EQ(FallingCells(game), cells);
}

INSTANTIATE_TEST_SUITE_P(
    ActionsAndStates, EscapeTest,
    ::testing::Values(
        EscCase{0, 0, true, false, false, false}, EscCase{0, 1, false, true, false, false},
        EscCase{0, 2, false, false, false, false}, EscCase{1, 0, false, true, false, false},
        EscCase{1, 1, true, false, false, false}, EscCase{1, 2, false, false, false, false},
        EscCase{2, 0, false, true, true, false}, EscCase{2, 1, false, true, true, false},
        EscCase{2, 2, false, false, true, false}, EscCase{3, 0, false, false, false, true},
        EscCase{3, 1, false, true, false, true}, EscCase{3, 2, false, false, false, true}));

}  // namespace
}  // namespace blokka::testing
