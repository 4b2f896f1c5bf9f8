// The keyboard: the key map while running, paused and over; pause and its mark; the down key's
// timer rule; the speed keys; and the Escape action in every state.

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

    void Pause() { Key(vk::P); }

    void EndTheGame() {
        SetRows(game, 3, {"#####....."});
        for (int i = 0; i < 30 && game.GameOver == 0; ++i) {
            fake.ScriptRandom({Pick(4), Pick(1)});
            fake.Tick(game);
        }
        ASSERT_EQ(game.GameOver, 1);
    }
};

enum class Effect { Left, Right, Turn, Down, Drop };

struct KeyCase {
    Integer code;
    Effect effect;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "key " << c.code; }

class KeyMapTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void ExpectEffect() {
        switch (GetParam().effect) {
            case Effect::Left:
                EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 14));
                break;
            case Effect::Right:
                EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 16));
                break;
            case Effect::Turn:
                EXPECT_EQ(FallingCells(game), FigureCells(6, 1, 15));
                break;
            case Effect::Down:
                EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 25));
                break;
            case Effect::Drop:
                EXPECT_EQ(game.CurType, 0);
                EXPECT_EQ(BoardPicture(game, 19, 20), "....#.....\n...###....");
                break;
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
    Pause();
    const GameState before = game;
    Key(GetParam().code);
    if (GetParam().effect == Effect::Drop) {
        EXPECT_EQ(static_cast<const GameState&>(game), before);
        EXPECT_FALSE(fake.timerEnabled);
        EXPECT_TRUE(fake.Checked(MenuItem::mnuPause));
        return;
    }
    EXPECT_TRUE(fake.timerEnabled);
    EXPECT_FALSE(fake.Checked(MenuItem::mnuPause));
    ExpectEffect();
}

TEST_P(KeyMapTest, DoesNothingAfterTheGameIsOver) {
    EndTheGame();
    const GameState before = game;
    fake.ClearLog();
    Key(GetParam().code);
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    ::testing::Values(KeyCase{vk::Left, Effect::Left}, KeyCase{vk::A, Effect::Left},
                      KeyCase{vk::Right, Effect::Right}, KeyCase{vk::D, Effect::Right},
                      KeyCase{vk::Up, Effect::Turn}, KeyCase{vk::W, Effect::Turn},
                      KeyCase{vk::Down, Effect::Down}, KeyCase{vk::S, Effect::Down},
                      KeyCase{vk::Space, Effect::Drop}));

TEST_F(KeyboardTest, PAndPauseToggleThePauseAndItsMark) {
    for (Integer code : {vk::P, vk::Pause}) {
        Key(code);
        EXPECT_FALSE(fake.timerEnabled);
        EXPECT_TRUE(fake.Checked(MenuItem::mnuPause));
        Key(code);
        EXPECT_TRUE(fake.timerEnabled);
        EXPECT_FALSE(fake.Checked(MenuItem::mnuPause));
    }
    game.mnuPause_Click();
    EXPECT_FALSE(fake.timerEnabled);
    EXPECT_TRUE(fake.Checked(MenuItem::mnuPause));
}

TEST_F(KeyboardTest, KeysOutsideTheMapDoNothingWhileRunning) {
    const GameState before = game;
    fake.ClearLog();
    for (Integer code : {Integer{13}, Integer{88}, Integer{0}, vk::F2, Integer{16}}) Key(code);
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(KeyboardTest, WhilePausedOrOverTheOtherKeysDoNothing) {
    const Integer others[] = {vk::Space, vk::PageUp, vk::PageDown, vk::NumpadPlus, vk::NumpadMinus,
                              vk::Plus,  vk::Minus,  Integer{88},  Integer{13},    vk::F2};
    Pause();
    GameState before = game;
    fake.ClearLog();
    for (Integer code : others) Key(code);
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());

    Pause();  // P again resumes
    EndTheGame();
    before = game;
    fake.ClearLog();
    for (Integer code : others) Key(code);
    Key(vk::P);
    Key(vk::Pause);
    game.mnuPause_Click();
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.timerEnabled);
    EXPECT_EQ(fake.timerInterval, 350);
}

TEST_F(KeyboardTest, DownOnAFallingFigureRestartsTheInterval) {
    const int restarts = fake.timerRestarts;
    Key(vk::Down);
    EXPECT_EQ(game.Pivot, 25);
    EXPECT_EQ(fake.timerRestarts, restarts + 1);
    EXPECT_TRUE(fake.timerEnabled);
}

TEST_F(KeyboardTest, DownOnARestingFigureFixesItAndLeavesTheTimerAndTheRowAlone) {
    SetBottom(game, {"###...####"});
    for (int i = 0; i < 18; ++i) Key(vk::Down);
    ASSERT_EQ(game.Pivot, 195);  // resting in the gap of the bottom row
    const int restarts = fake.timerRestarts;
    fake.ClearLog();

    Key(vk::S);

    EXPECT_EQ(game.CurType, 0);
    EXPECT_EQ(BoardPicture(game, 19, 20), "....#.....\n##########");
    EXPECT_EQ(fake.timerRestarts, restarts);
    EXPECT_EQ(LogCount(fake, "timer off"), 0);
    EXPECT_EQ(game.Score, 0);

    fake.Tick(game);
    EXPECT_EQ(BoardPicture(game, 20, 20), "....#.....");
    EXPECT_EQ(game.Score, 1);
}

TEST_F(KeyboardTest, FourFasterStepsReach150AndSevenSlowerOnes700) {
    Key(vk::PageUp);
    Key(vk::NumpadPlus);
    Key(vk::Plus);
    Key(vk::PageUp);
    EXPECT_EQ(fake.timerInterval, 150);
    EXPECT_TRUE(fake.Checked(MenuItem::mnuSpeed150));
    EXPECT_FALSE(fake.Checked(MenuItem::mnuSpeed350));

    game.mnuSpeed350_Click();
    for (Integer code : {vk::PageDown, vk::NumpadMinus, vk::Minus, vk::PageDown, vk::PageDown,
                         vk::PageDown, vk::PageDown}) {
        Key(code);
    }
    EXPECT_EQ(fake.timerInterval, 700);
    EXPECT_EQ(CheckedItems(fake).size(), 13u);
    EXPECT_TRUE(fake.Checked(MenuItem::mnuSpeed700));
}

TEST_F(KeyboardTest, SpeedStepsStopAt50And1000AndRefreshTheMark) {
    game.mnuSpeed50_Click();
    fake.ClearLog();
    Key(vk::PageUp);
    EXPECT_EQ(fake.timerInterval, 50);
    EXPECT_TRUE(fake.Checked(MenuItem::mnuSpeed50));
    EXPECT_EQ(LogCount(fake, "check mnuSpeed50"), 1);

    game.mnuSpeed1000_Click();
    fake.ClearLog();
    Key(vk::Minus);
    EXPECT_EQ(fake.timerInterval, 1000);
    EXPECT_TRUE(fake.Checked(MenuItem::mnuSpeed1000));
    EXPECT_EQ(LogCount(fake, "check mnuSpeed1000"), 1);
}

struct EscCase {
    int action;    // EscAction 0..3
    int state;     // 0 running, 1 paused, 2 over
    bool running;  // the timer afterwards (closing ends the program instead)
    bool pauseMark;
    bool minimized;
    bool closed;
};

void PrintTo(const EscCase& c, std::ostream* os) {
    *os << "action " << c.action << " in state "
        << (c.state == 0   ? "running"
            : c.state == 1 ? "paused"
                           : "over");
}

class EscapeTest : public KeyboardTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscapeTest, DoesWhatTheChosenActionSaysInEveryState) {
    const EscCase& c = GetParam();
    switch (c.action) {
        case 0:
            game.mnuESC0_Click();
            break;
        case 1:
            game.mnuESC1_Click();
            break;
        case 2:
            game.mnuESC2_Click();
            break;
        default:
            game.mnuESC3_Click();
            break;
    }
    if (c.state == 1) Pause();
    if (c.state == 2) EndTheGame();
    const std::vector<int> cells = FallingCells(game);

    Key(vk::Escape);

    if (!c.closed) {
        EXPECT_EQ(fake.timerEnabled, c.running);
    }
    EXPECT_EQ(fake.Checked(MenuItem::mnuPause), c.pauseMark);
    EXPECT_EQ(fake.minimizeCount, c.minimized ? 1 : 0);
    EXPECT_EQ(fake.closed, c.closed);
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
