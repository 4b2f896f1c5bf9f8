// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Key codes are the virtual-key numbers.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// A figure of type 6 in colour 3 has just come in: anchor 15, cells 5, 14, 15, 16.
class KeyboardTest : public GameTest {
protected:
    void SetUp() override { Start(6, 3, 2, 5); }
};

// A key, and where a move key leaves the figure; the others (anchor 0) do nothing while paused.
struct KeyCase {
    int code, rotation = 0, pivot = 0;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key " << c.code << (c.pivot == 0 ? " does nothing" : " resumes and moves to ")
        << (c.pivot == 0 ? "" : std::to_string(c.pivot) + (c.rotation != 0 ? " turned" : ""));
}

class KeyMapTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyMapTest, WhilePausedOnlyAMoveKeyResumesAndActs) {
    const auto [code, rotation, pivot] = GetParam();
    Key(80);
    const GameState paused = game;
    fake.ForgetPaints();
    Key(code);
    if (pivot != 0) {
        EXPECT_TRUE(Falling() == FigureCells(6, rotation, pivot) && fake.timerOn && Holds());
    } else {
        EXPECT_EQ(State(), paused);
        EXPECT_TRUE(!fake.timerOn && fake.interval == 350 &&
                    std::ranges::count(fake.paints, 0) == 209);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, KeyMapTest, ::testing::ValuesIn(std::vector<KeyCase>{
    {37, 0, 14}, {65, 0, 14}, {39, 0, 16}, {68, 0, 16}, {38, 1, 15}, {87, 1, 15}, {40, 0, 25},
    {83, 0, 25}, {32}, {33}, {109}, {113}}), kByWhat);
// clang-format on

TEST_F(KeyboardTest, PAndPauseAndTheMenuItemTogglePauseAndAfterAGameOverNoKeyActs) {
    for (int code : {80, 19}) {
        Key(code);
        EXPECT_TRUE(!fake.timerOn && Holds());
        game.mnuPause_Click();
        EXPECT_TRUE(fake.timerOn && Holds());
    }
    EndTheGame();
    const GameState over = game;
    fake.ForgetPaints();
    for (int code : {80, 19, 37, 65, 39, 68, 38, 87, 40, 83, 32, 33, 107, 187, 34, 109, 189})
        Key(code);
    game.mnuPause_Click();
    EXPECT_EQ(State(), over);
    EXPECT_TRUE(!fake.timerOn && fake.interval == 350 && std::ranges::count(fake.paints, 0) == 209);
}

TEST_F(KeyboardTest, DownRestartsTheIntervalButOnARestingFigureFixesItAndLeavesTheTimer) {
    Key(40);
    EXPECT_EQ(fake.restarts, 2);
    SetBoard(20, {"###...####"});
    for (int i = 0; i < 17; ++i) Key(40);
    fake.restarts = 0;
    Key(83);
    EXPECT_EQ(Board(19, 20), Rows({"....3.....", "###333####"}));
    EXPECT_TRUE(fake.restarts == 0 && game.Score == 0);  // the full row waits for the tick
}

// Held from the start value 350 ms: six steps reach a bound, a seventh (or fourteenth) stays.
class SpeedKeyTest : public KeyboardTest,
                     public ::testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(SpeedKeyTest, StepsBy50AndStopsAtTheBoundWithTheMarkOnItsLevel) {
    const auto [code, presses, bound] = GetParam();
    for (int i = 1; i <= presses; ++i) {
        Key(code);
        EXPECT_EQ(fake.interval, std::clamp(350 + (bound < 350 ? -50 : 50) * i, 50, 1000));
        EXPECT_TRUE(Holds());
    }
}

INSTANTIATE_TEST_SUITE_P(FasterAndSlower, SpeedKeyTest,
                         ::testing::Values(std::array{33, 7, 50}, std::array{107, 7, 50},
                                           std::array{187, 7, 50}, std::array{34, 14, 1000},
                                           std::array{109, 14, 1000}, std::array{189, 14, 1000}),
                         [](const auto& i) {
                             return "key_" + std::to_string(i.param[0]) + "_stops_at_" +
                                    std::to_string(i.param[2]) + "_ms";
                         });

// After Escape, per action (rows) and state (running, paused, over): the timer, then the window.
constexpr const char* kEscapes[4][3] = {
    {"on", "off", "off"},
    {"off", "on", "off"},
    {"off minimised", "off minimised", "off minimised"},
    {"on closed ended", "off closed ended", "off closed ended"}};

class EscapeTest : public KeyboardTest, public ::testing::WithParamInterface<int> {};

TEST_P(EscapeTest, DoesWhatTheChosenActionSaysInEveryState) {
    const int action = GetParam() / 3, state = GetParam() % 3;
    (game.*Handlers("mnuESC").at(action).second)();
    if (state == 1) Key(80);
    if (state == 2) EndTheGame();
    Key(27);
    const std::string after = std::string(fake.timerOn ? "on" : "off") +
                              (fake.minimized ? " minimised" : "") +
                              (fake.closed ? " closed" : "") + (fake.ended ? " ended" : "");
    EXPECT_EQ(after, kEscapes[action][state]);
    EXPECT_TRUE(Holds());
}

constexpr const char* kActions[] = {"nothing", "pause", "minimise", "close"};
INSTANTIATE_TEST_SUITE_P(ActionsAndStates, EscapeTest, ::testing::Range(0, 12), [](const auto& i) {
    return std::string(kActions[i.param / 3]) + "_while_" + kStateNames[i.param % 3];
});

class MouseTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        game.mnuMouse_Click();
    }
};

TEST_F(MouseTest, TheFigureFollowsThePointerAsFarAsItCanAndEachNewOneComesInUnderIt) {
    game.Img_MouseMove(199);  // column 9
    EXPECT_EQ(Board(1, 2), Rows({"........o.", ".......ooo"}));
    game.Img_MouseMove(41);  // column 1: the anchor stops one column short of the wall
    EXPECT_EQ(game.Pivot, 12);
    SetCell(17, true);
    game.Img_MouseMove(200);
    EXPECT_EQ(game.Pivot, 15);  // stopped by the fixed cell
    SetCell(17, false);
    game.Img_MouseMove(200);  // every later move tries again
    EXPECT_EQ(game.Pivot, 19);
    game.Img_MouseMove(28);  // column 8
    Key(32);
    fake.Tick();
    EXPECT_EQ(game.Pivot, 18);  // the next figure comes in under the pointer
    game.Img_MouseMove(206);    // the box records the pointer but steers nothing
    Key(32);
    fake.Tick();
    EXPECT_EQ(game.Pivot, kFigures[game.CurType].spawnPivot);
    EXPECT_TRUE(Holds());
}

TEST_F(MouseTest, OnTheBoardTheRightButtonTurnsAndTheLeftDropsButTheMiddleOrTheBoxDoNothing) {
    for (auto [cell, button] : {std::pair{100, 4}, {203, 2}, {203, 1}})
        game.Img_MouseDown(cell, button);
    EXPECT_EQ(Falling(), FigureCells(6, 0, 15));
    game.Img_MouseDown(100, 2);
    EXPECT_EQ(Falling(), FigureCells(6, 1, 15));
    game.Img_MouseDown(1, 1);
    EXPECT_EQ(Board(18, 20), Rows({"....3.....", "....33....", "....3....."}));
}

TEST_F(MouseTest, NothingReactsWhilePausedOrOverOrWithSteeringOffButTheCellIsRecorded) {
    game.Img_MouseMove(16);
    for (int state = 0; state < 3; ++state) {
        if (state == 0) game.mnuMouse_Click();  // steering off: only MouseCell changes
        if (state > 0) Key(80);                 // pauses, then resumes for the game to end
        if (state == 2) EndTheGame();
        GameState expected = game;
        expected.MouseCell = Integer(state == 0 ? 30 : game.MouseCell);
        game.Img_MouseMove(30);
        game.Img_MouseDown(100, 2);
        game.Img_MouseDown(100, 1);
        EXPECT_EQ(State(), expected) << state;
        if (state == 0) game.mnuMouse_Click();  // back on: the click itself moves nothing
        EXPECT_TRUE(Holds()) << state;
    }
}

}  // namespace
}  // namespace blokka::testing
