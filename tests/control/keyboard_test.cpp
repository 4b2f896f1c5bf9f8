// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What each move does is moves_test.cpp's; the speed keys are speed_test.cpp's.

#include "game_fixture.h"

namespace blokka::testing {

using KeyboardTest = FirstFigureTest;

// Paused by the menu item, a key that resumes the game, and where the figure is then.
struct KeyCase {
    int code, rotation, pivot;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key_" << c.code << "_leaves_the_figure_at_" << c.pivot << (c.rotation ? "_turned" : "");
}
const std::vector<KeyCase> kResuming = {{key::P, 0, 15},  {key::Pause, 0, 15}, {key::Left, 0, 14},
                                        {key::A, 0, 14},  {key::Right, 0, 16}, {key::D, 0, 16},
                                        {key::Up, 1, 15}, {key::W, 1, 15},     {key::Down, 0, 25},
                                        {key::S, 0, 25}};

class KeyMapTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyMapTest, WhilePausedPPauseAndTheMoveKeysResumeAndAMoveKeyThenActs) {
    const auto [code, rotation, pivot] = GetParam();
    game.mnuPause_Click();
    Key(code);
    EXPECT_EQ(Falling(), FigureCells(6, rotation, pivot));
    EXPECT_EQ(fake.Timer(), "on 350");
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyMapTest, ::testing::ValuesIn(kResuming),
                         ::testing::PrintToStringParamName());

// Escape does what its action says (EscapeTest).
TEST_F(KeyboardTest, WhilePausedNoOtherKeyActsAndAfterAGameOverNoKeyNorThePauseItem) {
    for (bool over : {false, true}) {
        SCOPED_TRACE(over ? "over" : "paused");
        game.mnuPause_Click();  // pauses, or resumes for the game to end
        if (over) EndTheGame();
        const GameState before = game;
        fake.ForgetPaints();
        for (int code = 0; code < 256; ++code)
            if (over || (code != key::Escape &&
                         std::none_of(std::begin(kResuming), std::end(kResuming),
                                      [&](const KeyCase& k) { return k.code == code; })))
                Key(code);
        if (over) game.mnuPause_Click();
        EXPECT_EQ(State(), before);
        EXPECT_EQ(fake.Timer(), "off 350");
        EXPECT_EQ(fake.Painted(), 0);
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
    if (state == 1) Key(key::P);
    if (state == 2) EndTheGame();
    Key(key::Escape);
    const std::string after = std::string(fake.timerOn ? "on" : "off") +
                              (fake.minimized ? " minimised" : "") +
                              (fake.closed ? " closed" : "") + (fake.ended ? " ended" : "");
    EXPECT_EQ(after, kEscapes[action][state]);
}

constexpr const char* kActions[] = {"nothing", "pause", "minimise", "close"};
constexpr const char* kStates[] = {"running", "paused", "over"};
INSTANTIATE_TEST_SUITE_P(ActionsAndStates, EscapeTest, ::testing::Range(0, 12), [](const auto& i) {
    return std::string(kActions[i.param / 3]) + "_while_" + kStates[i.param % 3];
});

}  // namespace blokka::testing
