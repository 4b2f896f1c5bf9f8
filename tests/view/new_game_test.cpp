// A new game: resets the game in play and nothing else, repaints all 208 cells with the
// background, clears the label and the pause, and restarts the timer, from every state.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// A game well under way, with every setting moved away from its start value.
class NewGameTest : public GameTest {
protected:
    void SetUp() override {
        StartWith(5, 2, 3, 6);
        game.mnuMouse_Click();
        game.Img_MouseMove(17);
        game.mnuColor4_Click();
        game.mnuFigures2_Click();
        game.mnuFiguresABC_Click();
        game.mnuESC2_Click();
        game.mnuSpeed500_Click();
        game.mnuSize24_Click();
        game.Score = 31999;
        SetBottom(game, {"##########", "##########"});
        game.DropFigure();
        fake.Tick(game);  // removes both rows: the label turns dark red
        ASSERT_EQ(fake.labelColor, kDarkRed);
        fake.Tick(game);
        game.CellArg = 77;
    }
};

TEST_F(NewGameTest, ResetsTheGameInPlayAndKeepsEverythingElse) {
    const GameState before = game;
    game.mnuNew_Click();

    GameState expected = before;
    expected.CellState.Fill(0);
    expected.CellColor.Fill(0);
    expected.CellDirty.Fill(0);
    expected.CurType = 0;
    expected.CurColor = 0;
    expected.Rotation = 0;
    expected.RepeatLeft = expected.RepeatMode;
    expected.GameOver = 0;
    expected.MouseCell = 0;
    expected.Score = 0;
    EXPECT_EQ(static_cast<const GameState&>(game), expected);
    EXPECT_NE(before.Pivot, 0);
    EXPECT_NE(before.RepeatLeft, before.RepeatMode);
}

TEST_F(NewGameTest, RepaintsEveryCellClearsTheLabelAndKeepsTheMarksButPause) {
    Key(vk::P);
    const auto marks = fake.marks;
    const int restarts = fake.timerRestarts;
    const int draws = fake.randomDraws;
    fake.ClearLog();

    game.mnuNew_Click();

    for (int k = 1; k <= kDisplayCells; ++k) {
        EXPECT_EQ(fake.cells[k].picture, 10) << k;
        EXPECT_EQ(fake.cells[k].paints, 1) << k;
        EXPECT_TRUE(fake.cells[k].visible) << k;
    }
    EXPECT_EQ(fake.labelCaption, "");
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_TRUE(fake.timerEnabled);
    EXPECT_EQ(fake.timerRestarts, restarts + 1);
    EXPECT_EQ(fake.timerInterval, 500);
    auto expectedMarks = marks;
    expectedMarks[static_cast<std::size_t>(MenuItem::mnuPause)] = false;
    EXPECT_EQ(fake.marks, expectedMarks);
    EXPECT_EQ(fake.randomDraws, draws);
}

TEST_F(NewGameTest, AfterAGameOverTheFigureThatDidNotFitComesFirst) {
    game.DropFigure();
    SetRows(game, 2, {"...####..."});
    fake.Tick(game);
    ASSERT_EQ(game.GameOver, 1);
    const Integer type = game.NextType;
    const Integer color = game.NextColor;

    game.mnuNew_Click();
    EXPECT_TRUE(fake.timerEnabled);
    fake.Tick(game);
    EXPECT_EQ(game.CurType, type);
    EXPECT_EQ(game.CurColor, color);
    EXPECT_EQ(game.GameOver, 0);
}

class NewGameBackgroundTest : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(NewGameBackgroundTest, PaintsBoardAndBoxWithTheBackgroundOfTheMode) {
    StartWith(1, 1, 2, 2);
    switch (GetParam()) {
        case 1:
            game.mnuBackColor1_Click();
            break;
        case 2:
            game.mnuBackColor2_Click();
            break;
        default:
            game.mnuBackColor3_Click();
            break;
    }
    game.mnuNew_Click();
    for (int k = 1; k <= kDisplayCells; ++k) {
        EXPECT_EQ(fake.cells[k].picture, BackgroundOf(GetParam())) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, NewGameBackgroundTest, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace blokka::testing
