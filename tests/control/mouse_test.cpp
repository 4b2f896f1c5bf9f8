// Mouse steering: the figure follows the pointer's column as far as it can, buttons turn and
// drop it, and nothing reacts while the game is paused, over or steering is off.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

// A figure of type 6 just came in (anchor 15, column 5), type 2 waits, and steering is on.
class MouseTest : public GameTest {
protected:
    void SetUp() override {
        StartWith(6, 3, 2, 5);
        game.mnuMouse_Click();
    }
    static constexpr Integer kLeft = 1, kRight = 2, kMiddle = 4;
};

TEST_F(MouseTest, TheFigureFollowsThePointerToItsColumnUntilACellOrTheWallStopsIt) {
    game.Img_MouseMove(199);  // row 20, column 9
    EXPECT_EQ(Picture(game, 1, 2), "........o.\n.......ooo");
    EXPECT_TRUE(Holds(game, fake));
    game.Img_MouseMove(41);  // column 1: the anchor stops one column short of the wall
    EXPECT_EQ(game.Pivot, 12);
    game.CellState(19) = game.CellColor(19) = kFixed;
    game.Img_MouseMove(199);
    EXPECT_EQ(game.Pivot, 17);
    game.CellState(19) = game.CellColor(19) = 0;
    game.Img_MouseMove(199);  // a later move tries again
    EXPECT_EQ(game.Pivot, 19);
}

TEST_F(MouseTest, EachNewFigureComesInUnderThePointerButTheBoxSteersNothing) {
    game.Img_MouseMove(28);  // column 8
    game.DropFigure();
    fake.Tick(game);
    EXPECT_EQ(game.Pivot, 18);
    EXPECT_TRUE(Holds(game, fake));
    game.Img_MouseMove(206);
    EXPECT_EQ(game.MouseCell, 206);
    game.DropFigure();
    fake.Tick(game);
    EXPECT_EQ(game.Pivot, kFigures[game.CurType].spawnPivot);
}

TEST_F(MouseTest, RightTurnsLeftDropsAndTheMiddleButtonOrTheBoxDoNothing) {
    game.Img_MouseDown(100, kMiddle);
    game.Img_MouseDown(203, kRight);
    game.Img_MouseDown(203, kLeft);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 0, 15));
    game.Img_MouseDown(100, kRight);
    EXPECT_EQ(FallingCells(game), FigureCells(6, 1, 15));
    game.Img_MouseDown(1, kLeft);
    EXPECT_EQ(Picture(game, 18, 20), "....3.....\n....33....\n....3.....");
}

TEST_F(MouseTest, NothingReactsWhilePausedOrOverAndMouseCellIsKept) {
    game.Img_MouseMove(16);
    for (int state = 1; state <= 2; ++state) {
        Key(vk::P);  // pauses, then resumes for the game to end
        if (state == 2) EndTheGame();
        const GameState before = game;
        fake.ClearLog();
        game.Img_MouseMove(199);
        game.Img_MouseDown(100, kRight);
        game.Img_MouseDown(100, kLeft);
        EXPECT_EQ(State(), before);
        EXPECT_TRUE(fake.log.empty());
    }
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
