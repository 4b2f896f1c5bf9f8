// Keyboard and mouse: the key map running, paused and over; pause; the down key's timer rule; the
// speed keys' bounds; the Escape action in every state; and mouse steering.

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
void PrintTo(const KeyCase& c, std::ostream* os) { *os << "key " << c.code; }

class KeyMapTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    const KeyCase& c = GetParam();
    void ExpectEffect() {
        if (c.pivot != 0) {
            EXPECT_EQ(FallingCells(game), FigureCells(6, c.rotation, c.pivot));
        } else {
            EXPECT_EQ(Picture(game, 19, 20), "....3.....\n...333....");
        }
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

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    ::testing::Values(KeyCase{vk::Left, 0, 14, true}, KeyCase{vk::A, 0, 14, true},
                      KeyCase{vk::Right, 0, 16, true}, KeyCase{vk::D, 0, 16, true},
                      KeyCase{vk::Up, 1, 15, true}, KeyCase{vk::W, 1, 15, true},
                      KeyCase{vk::Down, 0, 25, true}, KeyCase{vk::S, 0, 25, true},
                      KeyCase{vk::Space, 0, 0, false}, KeyCase{vk::PageUp, 0, 15, false},
                      KeyCase{vk::NumpadMinus, 0, 15, false}, KeyCase{13, 0, 15, false},
                      KeyCase{88, 0, 15, false}, KeyCase{vk::F2, 0, 15, false}));

TEST_F(KeyboardTest, PPauseAndTheMenuItemToggleThePauseAndNoKeyActsAfterTheGameIsOver) {
    Key(vk::P);
    Key(vk::Pause);  // resumes
    game.mnuPause_Click();
    EXPECT_TRUE(!fake.timerEnabled && fake.Checked(MenuItem::mnuPause));
    Key(vk::Pause);
    EXPECT_TRUE(fake.timerEnabled && !fake.Checked(MenuItem::mnuPause));
    EndTheGame();
    const GameState over = game;
    fake.ClearLog();
    for (Integer code : {vk::P, vk::Pause, vk::Left, vk::A, vk::Right, vk::D, vk::Up, vk::W,
                         vk::Down, vk::S, vk::Space, vk::PageUp, vk::Plus, vk::Minus}) {
        Key(code);
    }
    game.mnuPause_Click();
    EXPECT_EQ(State(), over);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(fake.timerInterval, 350);
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

TEST_F(KeyboardTest, SpeedKeysStepBy50AndStopAt50And1000MovingTheMark) {
    for (Integer code : {vk::PageUp, vk::NumpadPlus, vk::Plus, vk::PageUp}) Key(code);
    EXPECT_EQ(fake.timerInterval, 150);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed150");
    for (Integer code : {vk::PageDown, vk::NumpadMinus, vk::Minus, vk::PageDown}) Key(code);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed350");
    game.mnuSpeed50_Click();
    Key(vk::PageUp);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed50");
    game.mnuSpeed1000_Click();
    Key(vk::Minus);
    EXPECT_EQ(fake.timerInterval, 1000);
    EXPECT_EQ(Marks(fake, "mnuSpeed"), "mnuSpeed1000");
}

// What Escape leaves for each action (rows) in each state (running, paused, over): the timer,
// the pause mark, then what happened to the window.
constexpr const char* kEscapes[4][3] = {
    {"on -", "off paused", "off -"},
    {"off paused", "on -", "off -"},
    {"off paused minimize", "off paused minimize", "off - minimize"},
    {"on - close end", "off paused close end", "off - close end"}};

class EscapeTest : public KeyboardTest, public ::testing::WithParamInterface<int> {};

TEST_P(EscapeTest, DoesWhatTheChosenActionSaysInEveryState) {
    const int action = GetParam() / 3, state = GetParam() % 3;
    (game.*Handlers("mnuESC").at(action).second)();
    if (state == 1) Key(vk::P);
    if (state == 2) EndTheGame();
    fake.ClearLog();
    Key(vk::Escape);
    std::string after = fake.timerEnabled ? "on " : "off ";
    after += fake.Checked(MenuItem::mnuPause) ? "paused" : "-";
    for (const char* line : {"minimize", "close", "end"}) {
        if (fake.LogCount(line) == 1) after += std::string(" ") + line;
    }
    EXPECT_EQ(after, kEscapes[action][state]);
}

INSTANTIATE_TEST_SUITE_P(ActionsAndStates, EscapeTest, ::testing::Range(0, 12));

// As for the keyboard, with steering on.
class MouseTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        game.mnuMouse_Click();
    }
};

TEST_F(MouseTest, TheFigureFollowsThePointerAsFarAsItCanAndEachNewOneComesInUnderIt) {
    game.Img_MouseMove(199);  // row 20, column 9
    EXPECT_EQ(Picture(game, 1, 2), "........o.\n.......ooo");
    game.Img_MouseMove(43);  // column 3
    EXPECT_EQ(game.Pivot, 13);
    game.Img_MouseMove(41);  // column 1: the anchor stops one column short of the wall
    EXPECT_EQ(game.Pivot, 12);
    game.CellState(19) = game.CellColor(19) = kFixed;
    game.Img_MouseMove(199);
    EXPECT_EQ(game.Pivot, 17);
    game.CellState(19) = game.CellColor(19) = 0;
    game.Img_MouseMove(199);  // a later move tries again
    EXPECT_EQ(game.Pivot, 19);
    game.Img_MouseMove(28);  // column 8
    game.DropFigure();
    fake.Tick(game);
    EXPECT_EQ(game.Pivot, 18);  // the next figure comes in under the pointer
    game.Img_MouseMove(206);    // the box steers nothing
    game.DropFigure();
    fake.Tick(game);
    EXPECT_EQ(game.Pivot, kFigures[game.CurType].spawnPivot);
}

TEST_F(MouseTest, RightTurnsLeftDropsAndTheMiddleButtonOrTheBoxDoNothing) {
    game.Img_MouseDown(100, 4);
    game.Img_MouseDown(203, 2);
    game.Img_MouseDown(203, 1);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 15));
    game.Img_MouseDown(100, 2);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 1, 15));
    game.Img_MouseDown(1, 1);
    EXPECT_EQ(Picture(game, 18, 20), "....3.....\n....33....\n....3.....");
}

TEST_F(MouseTest, NothingReactsWhilePausedOrOverOrWithSteeringOffButTheCellIsRecorded) {
    game.Img_MouseMove(16);
    for (int state = 0; state < 3; ++state) {
        if (state == 0) game.mnuMouse_Click();  // steering off: only MouseCell changes
        if (state > 0) Key(vk::P);              // pauses, then resumes for the game to end
        if (state == 2) EndTheGame();
        GameState expected = game;
        expected.MouseCell = 30;
        fake.ClearLog();
        game.Img_MouseMove(30);
        game.Img_MouseDown(100, 2);
        game.Img_MouseDown(100, 1);
        EXPECT_EQ(State(), expected) << state;
        EXPECT_TRUE(fake.log.empty());
        if (state == 0) {
            EXPECT_FALSE(fake.Checked(MenuItem::mnuMouse));
            game.mnuMouse_Click();  // back on: the click itself moves nothing
            EXPECT_TRUE(fake.Checked(MenuItem::mnuMouse) && game.Pivot == 16);
        }
    }
}

}  // namespace
}  // namespace blokka::testing
