// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What each move does is moves_test.cpp's; the speed keys are speed_test.cpp's.

#include "game_fixture.h"

namespace blokka::testing {

using KeyboardTest = FirstFigureTest;

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
    Key(key::P);
    const GameState paused = game;
    fake.ForgetPaints();
    Key(code);
    if (pivot != 0) {
        EXPECT_EQ(Falling(), FigureCells(6, rotation, pivot));
        EXPECT_EQ(fake.Timer(), "on 350");
        EXPECT_TRUE(Holds());
    } else {
        EXPECT_EQ(State(), paused);
        EXPECT_EQ(fake.Timer(), "off 350");
        EXPECT_EQ(fake.Painted(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyMapTest,
                         ::testing::ValuesIn(std::vector<KeyCase>{{key::Left, 0, 14},
                                                                  {key::A, 0, 14},
                                                                  {key::Right, 0, 16},
                                                                  {key::D, 0, 16},
                                                                  {key::Up, 1, 15},
                                                                  {key::W, 1, 15},
                                                                  {key::Down, 0, 25},
                                                                  {key::S, 0, 25},
                                                                  {key::Space},
                                                                  {key::PageUp},
                                                                  {key::PadMinus},
                                                                  {key::F2}}),
                         kByWhat);

TEST_F(KeyboardTest, PAndPauseAndTheMenuItemTogglePauseAndAfterAGameOverNoKeyActs) {
    for (int code : {key::P, key::Pause}) {
        Key(code);
        EXPECT_EQ(fake.Timer(), "off 350") << "key " << code;
        game.mnuPause_Click();
        EXPECT_EQ(fake.Timer(), "on 350") << "key " << code;
    }
    EndTheGame();
    const GameState over = game;
    fake.ForgetPaints();
    for (int code = 0; code < 256; ++code) Key(code);
    game.mnuPause_Click();
    EXPECT_EQ(State(), over);
    EXPECT_EQ(fake.Timer(), "off 350");
    EXPECT_EQ(fake.Painted(), 0);
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
    if (state == 1) Key(key::P);
    if (state == 2) EndTheGame();
    Key(key::Escape);
    const std::string after = std::string(fake.timerOn ? "on" : "off") +
                              (fake.minimized ? " minimised" : "") +
                              (fake.closed ? " closed" : "") + (fake.ended ? " ended" : "");
    EXPECT_EQ(after, kEscapes[action][state]);
    EXPECT_TRUE(Holds());
}

constexpr const char* kActions[] = {"nothing", "pause", "minimise", "close"};
constexpr const char* kStates[] = {"running", "paused", "over"};
INSTANTIATE_TEST_SUITE_P(ActionsAndStates, EscapeTest, ::testing::Range(0, 12), [](const auto& i) {
    return std::string(kActions[i.param / 3]) + "_while_" + kStates[i.param % 3];
});

}  // namespace blokka::testing
