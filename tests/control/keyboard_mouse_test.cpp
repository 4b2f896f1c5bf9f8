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
                    std::count(fake.paints.begin(), fake.paints.end(), 0) == 209);
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
    for (int code = 0; code < 256; ++code) Key(code);
    game.mnuPause_Click();
    EXPECT_EQ(State(), over);
    EXPECT_TRUE(!fake.timerOn && fake.interval == 350 &&
                std::count(fake.paints.begin(), fake.paints.end(), 0) == 209);
}

// From 350 ms six steps reach the fastest interval and thirteen the slowest; more stay there.
TEST_F(KeyboardTest, SpeedKeysStepBy50AndStopAtTheBoundWithTheMarkOnItsLevel) {
    for (auto [code, step] :
         {std::pair{33, -50}, {107, -50}, {187, -50}, {34, 50}, {109, 50}, {189, 50}}) {
        game.mnuSpeed350_Click();
        for (int i = 1; i <= 14; ++i) {
            Key(code);
            EXPECT_TRUE(fake.interval == std::clamp(350 + step * i, 50, 1000) && Holds())
                << "key " << code << " pressed " << i << " times";
        }
    }
}

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

using MouseTest = KeyboardTest;

TEST_F(MouseTest, TheFigureFollowsThePointerAsFarAsItCanAndEachNewOneComesInUnderIt) {
    game.mnuMouse_Click();
    game.Img_MouseMove(199);  // column 9
    EXPECT_EQ(Board(1, 2), Rows({"........o.", ".......ooo"}));
    game.Img_MouseMove(41);  // column 1: the anchor stops one column short of the wall
    EXPECT_EQ(game.Pivot, 12);
    game.CellState(17) = kFixed;
    game.Img_MouseMove(200);
    EXPECT_EQ(game.Pivot, 15);  // stopped by the fixed cell
    game.CellState(17) = kEmpty;
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
    game.mnuMouse_Click();
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
    for (int state = 0; state < 3; ++state) {  // steering off, then on and paused, then over
        if (state > 0) Key(80);                // pauses, then resumes for the game to end
        if (state == 2) EndTheGame();
        GameState expected = game;
        expected.MouseCell = Integer(state == 0 ? 30 : game.MouseCell);
        game.Img_MouseMove(30);
        game.Img_MouseDown(100, 2);
        game.Img_MouseDown(100, 1);
        EXPECT_EQ(State(), expected) << state;
        if (state == 0) game.mnuMouse_Click();  // on: the click itself moves nothing
        EXPECT_TRUE(Holds()) << state;
    }
}

}  // namespace
}  // namespace blokka::testing
