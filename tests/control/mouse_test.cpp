// Mouse steering: the figure follows the pointer's column as far as it can, buttons turn and
// drop it, and nothing reacts while the game is paused, over or steering is off.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// A figure of type 6 just came in (anchor 15, column 5) and steering is on.
class MouseTest : public GameTest {
protected:
    void SetUp() override {
        StartWith(6, 3, 2, 5);
        game.mnuMouse_Click();
    }
    static constexpr Integer kLeft = 1;
    static constexpr Integer kRight = 2;
    static constexpr Integer kMiddle = 4;
};

TEST_F(MouseTest, TheFigureFollowsThePointerToItsColumn) {
    game.Img_MouseMove(199);  // row 20, column 9
    EXPECT_EQ(game.MouseCell, 199);
    EXPECT_EQ(game.Pivot, 19);
    EXPECT_EQ(BoardPicture(game, 1, 2), "........o.\n.......ooo");
    EXPECT_TRUE(ScreenShowsBoard(game, fake));

    game.Img_MouseMove(43);  // column 3
    EXPECT_EQ(game.Pivot, 13);
    game.Img_MouseMove(41);  // column 1: the anchor stops one column short of the wall
    EXPECT_EQ(game.Pivot, 12);
}

TEST_F(MouseTest, AFixedCellStopsTheFigureAndLaterMovesTryAgain) {
    game.CellState(19) = kFixed;
    game.CellColor(19) = 1;
    game.Img_MouseMove(199);
    EXPECT_EQ(game.Pivot, 17);

    game.CellState(19) = kEmpty;
    game.CellColor(19) = 0;
    game.Img_MouseMove(199);
    EXPECT_EQ(game.Pivot, 19);
}

TEST_F(MouseTest, TheBoxIsRecordedButSteersNothing) {
    game.Img_MouseMove(206);
    EXPECT_EQ(game.MouseCell, 206);
    EXPECT_EQ(game.Pivot, 15);

    game.DropFigure();
    fake.Tick(game);  // the next figure comes in where it always does
    EXPECT_EQ(game.CurType, 2);
    EXPECT_EQ(game.Pivot, 15);
}

TEST_F(MouseTest, EachNewFigureComesInUnderThePointer) {
    game.Img_MouseMove(28);  // column 8
    game.DropFigure();
    fake.Tick(game);
    EXPECT_EQ(game.CurType, 2);
    EXPECT_EQ(game.Pivot, 18);
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

TEST_F(MouseTest, RightTurnsLeftDropsMiddleAndTheBoxDoNothing) {
    game.Img_MouseDown(100, kMiddle);
    game.Img_MouseDown(203, kRight);
    game.Img_MouseDown(203, kLeft);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 15));

    game.Img_MouseDown(100, kRight);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 1, 15));
    game.Img_MouseDown(1, kLeft);
    EXPECT_EQ(game.CurType, 0);
    EXPECT_EQ(BoardPicture(game, 18, 20), "....#.....\n....##....\n....#.....");
}

TEST_F(MouseTest, WhilePausedNothingReactsAndMouseCellIsKept) {
    game.Img_MouseMove(16);
    Key(vk::P);
    const GameState before = game;
    game.Img_MouseMove(199);
    game.Img_MouseDown(100, kRight);
    game.Img_MouseDown(100, kLeft);
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_EQ(game.MouseCell, 16);
}

TEST_F(MouseTest, AfterTheGameIsOverNothingReacts) {
    SetRows(game, 3, {"#####....."});
    fake.Tick(game);
    fake.Tick(game);
    ASSERT_EQ(game.GameOver, 1);
    const GameState before = game;
    fake.ClearLog();
    game.Img_MouseMove(199);
    game.Img_MouseDown(100, kRight);
    game.Img_MouseDown(100, kLeft);
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(MouseTest, WithSteeringOffMovesAreRecordedAndSteerTheNextFigureOnceSwitchedOn) {
    game.mnuMouse_Click();
    EXPECT_FALSE(fake.Checked(MenuItem::mnuMouse));
    game.Img_MouseMove(30);  // column 10
    game.Img_MouseDown(100, kRight);
    game.Img_MouseDown(100, kLeft);
    EXPECT_EQ(game.MouseCell, 30);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 15));

    game.mnuMouse_Click();
    EXPECT_TRUE(fake.Checked(MenuItem::mnuMouse));
    EXPECT_EQ(game.Pivot, 15);  // the click itself moves nothing
    game.DropFigure();
    fake.Tick(game);
    EXPECT_EQ(game.Pivot, 19);  // type 2 cannot bring its anchor into column 10
}

}  // namespace
}  // namespace blokka::testing
