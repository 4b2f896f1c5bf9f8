// The board view: the layout for each cell size, a new game that resets the game in play and
// nothing else, and background modes that repaint every empty cell at once in every state.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using LayoutTest = GameTest;

TEST_F(LayoutTest, EachSizePlacesBoardBoxAndLabelOnItsGridAndTakesTheOnlyMark) {
    StartWith(3, 5, 7, 2);
    const GameState before = game;
    fake.ClearLog();
    for (int i = 0; i < 4; ++i) {
        const auto [s, click] = Handlers("mnuSize").at(i);
        (game.*click)();
        for (int n = 1; n <= kDisplayCells; ++n) {
            const int box = n - kBoxFirst;
            const CellBounds expected =
                n <= kBoardCells
                    ? CellBounds{5 + s * (ColumnOf(n) - 1), 5 + s * (RowOf(n) - 1), s, s}
                    : CellBounds{10 + s * (10 + box % 4), 5 + s * (box / 4), s, s};
            EXPECT_EQ(fake.bounds[n], expected) << n << " at size " << s;
            EXPECT_TRUE(fake.visible[n]) << n;
        }
        EXPECT_EQ(fake.log.back(), "label at " + std::to_string(10 * s + 10) + "," +
                                       std::to_string(20 * s - 8));  // 190,352 at size 18
        EXPECT_EQ(Marks(fake, "mnuSize"), "mnuSize" + std::to_string(s));
    }
    GameState expected = before;  // nothing but the size changes: no repaint, no timer restart
    expected.CellSize = 30;
    EXPECT_EQ(State(), expected);
    EXPECT_TRUE(PaintedCells(fake).empty());
    EXPECT_EQ(fake.LogCount("timer on"), 0);
}

// A game well under way, with every setting moved away from its start value.
class NewGameTest : public GameTest {
protected:
    void SetUp() override {
        StartWith(5, 2, 3, 6);
        for (auto click :
             {&Game::mnuMouse_Click, &Game::mnuColor4_Click, &Game::mnuFigures2_Click,
              &Game::mnuFiguresABC_Click, &Game::mnuESC2_Click, &Game::mnuSpeed500_Click,
              &Game::mnuSize24_Click, &Game::mnuBackColor2_Click}) {
            (game.*click)();
        }
        game.Img_MouseMove(17);
        game.Score = 31999;
        SetBottom(game, {"##########", "##########"});
        game.DropFigure();
        fake.Tick(game);  // removes both rows: the label turns dark red
        fake.Tick(game);
        game.CellArg = 77;
        Key(vk::P);
    }
};

TEST_F(NewGameTest, ResetsTheGameInPlayAndKeepsEverythingElse) {
    GameState expected = game;
    ASSERT_NE(expected.RepeatLeft, expected.RepeatMode);
    auto marks = fake.marks;
    const int draws = fake.randomDraws;
    fake.ClearLog();

    game.mnuNew_Click();

    expected.CellState.Fill(0);
    expected.CellColor.Fill(0);
    expected.CellDirty.Fill(0);
    expected.CurType = expected.CurColor = expected.Rotation = 0;
    expected.RepeatLeft = expected.RepeatMode;
    expected.GameOver = expected.MouseCell = expected.Score = 0;
    EXPECT_EQ(State(), expected);  // Pivot and the next figure stay
    for (int k = 1; k <= kDisplayCells; ++k) {
        EXPECT_TRUE(fake.picture[k] == 9 && fake.paints[k] == 1) << k;
    }
    EXPECT_EQ(fake.caption, "");
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_TRUE(fake.timerEnabled);
    EXPECT_EQ(fake.timerInterval, 500);
    marks[static_cast<int>(MenuItem::mnuPause)] = false;
    EXPECT_EQ(fake.marks, marks);
    EXPECT_EQ(fake.randomDraws, draws);
}

class BackgroundTest : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(BackgroundTest, RepaintsEmptyCellsInEveryStateKeepingColoursTheBoxAndTheTimer) {
    const int state = GetParam() / 10, mode = GetParam() % 10;  // 0 running, 1 paused, 2 over
    StartWith(4, 6, 7, 2);
    SetBottom(game, {"..3....5.."});
    ShowBoard();
    if (state == 1) Key(vk::P);
    if (state == 2) EndTheGame();
    const std::string box = BoxPicture(game, fake);
    EXPECT_EQ(box, state == 2 ? "..../...." : "22../.22.");
    GameState expected = game;
    expected.BackMode = static_cast<Byte>(mode);
    const bool running = fake.timerEnabled;

    (game.*Handlers("mnuBackColor").at(mode - 1).second)();

    EXPECT_EQ(State(), expected);
    EXPECT_TRUE(Holds(game, fake));
    EXPECT_EQ(BoxPicture(game, fake), box);
    EXPECT_EQ(fake.timerEnabled, running);
    EXPECT_EQ(Marks(fake, "mnuBackColor"), "mnuBackColor" + std::to_string(mode));
    const int next = game.NextType;  // after a game over, the figure that did not fit
    game.mnuNew_Click();
    for (int k = 1; k <= kDisplayCells; ++k) EXPECT_EQ(fake.picture[k], 7 + mode) << k;
    fake.Tick(game);
    EXPECT_EQ(game.CurType, next);
}

INSTANTIATE_TEST_SUITE_P(StatesTimesTenPlusModes, BackgroundTest,
                         ::testing::Values(2, 1, 3, 12, 11, 22, 21));

}  // namespace
}  // namespace blokka::testing
