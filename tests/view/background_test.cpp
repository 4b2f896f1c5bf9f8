// Background modes repaint every empty board and box cell at once in every state, leaving the
// coloured cells and the waiting figure as they are; and the drawing pass paints exactly the
// marked cells from the model at the time of the pass.

#include <ostream>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

void ClickBackground(Game& game, int mode) {
    switch (mode) {
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
}

struct BackgroundCase {
    int state;  // 0 running, 1 paused, 2 over
    int mode;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << "mode " << c.mode << " in state " << c.state;
}

class BackgroundTest : public GameTest, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(BackgroundTest, RepaintsEmptyCellsAndKeepsColoursTheBoxAndTheState) {
    const BackgroundCase& c = GetParam();
    StartWith(4, 6, 7, 2);
    SetBottom(game, {"..3....5.."});
    ShowBoard();
    if (c.state == 1) Key(vk::P);
    if (c.state == 2) {
        SetRows(game, 3, {"....##...."});
        fake.Tick(game);
        ASSERT_EQ(game.GameOver, 1);
    }
    const GameState before = game;
    const bool running = fake.timerEnabled;
    const std::string box = c.state == 2 ? "..../...." : "22../.22.";
    ASSERT_EQ(BoxPicture(game, fake), box);

    ClickBackground(game, c.mode);

    EXPECT_EQ(game.BackMode, c.mode);
    GameState expected = before;
    expected.BackMode = static_cast<Byte>(c.mode);
    EXPECT_EQ(static_cast<const GameState&>(game), expected);
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
    EXPECT_EQ(BoxPicture(game, fake), box);
    EXPECT_EQ(fake.timerEnabled, running);
    const MenuItem items[] = {MenuItem::mnuBackColor1, MenuItem::mnuBackColor2,
                              MenuItem::mnuBackColor3};
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(fake.Checked(items[k - 1]), k == c.mode) << k;
}

INSTANTIATE_TEST_SUITE_P(StatesAndModes, BackgroundTest,
                         ::testing::Values(BackgroundCase{0, 2}, BackgroundCase{0, 1},
                                           BackgroundCase{0, 3}, BackgroundCase{1, 2},
                                           BackgroundCase{1, 1}, BackgroundCase{2, 2},
                                           BackgroundCase{2, 1}));

using BackgroundStartTest = GameTest;

TEST_F(BackgroundStartTest, BeforeTheFirstFigureEveryCellTakesTheNewBackground) {
    Start();
    game.mnuBackColor2_Click();
    for (int k = 1; k <= kDisplayCells; ++k) EXPECT_EQ(fake.cells[k].picture, 9) << k;
    EXPECT_EQ(game.NextType, 0);
    fake.ScriptRandom({Pick(1), Pick(4), Pick(2), Pick(3)});
    fake.Tick(game);
    EXPECT_EQ(BoxPicture(game, fake), "3.../333.");
}

using DrawingTest = GameTest;

TEST_F(DrawingTest, PaintsEachMarkedCellOnceFromTheModelAtThePass) {
    Start();
    game.CurColor = 5;
    game.CellArg = 50;
    game.SetFigureCell();
    game.ClearCell();
    game.SetFigureCell();    // marked three times
    game.CellDirty(60) = 1;  // marked while dark, painted after the mode changed
    game.BackMode = 1;
    fake.ClearLog();

    game.DrawDirtyCells();

    EXPECT_EQ(PaintedCells(fake), (std::vector<int>{50, 60}));
    EXPECT_EQ(fake.cells[50].paints, 1);
    EXPECT_EQ(fake.cells[50].picture, 5);
    EXPECT_EQ(fake.cells[60].picture, 8);
    EXPECT_TRUE(fake.cells[50].visible && fake.cells[60].visible);

    fake.ClearLog();
    game.DrawDirtyCells();
    EXPECT_TRUE(fake.log.empty());
}

}  // namespace
}  // namespace blokka::testing
