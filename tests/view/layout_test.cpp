// The layout of the 208 display cells and the score label for each cell size, and a size change
// that moves cells without touching the game.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

struct SizeCase {
    int size;
    void (Game::*click)();
    MenuItem item;
    CellBounds lastBoardCell;  // Img(200)
    CellBounds lastBoxCell;    // Img(208)
    int labelLeft, labelTop;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << "size " << c.size; }

class LayoutTest : public GameTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(LayoutTest, PlacesBoardBoxAndLabelOnTheGridOfTheSize) {
    const SizeCase& c = GetParam();
    Start();
    (game.*c.click)();
    const int s = c.size;
    EXPECT_EQ(game.CellSize, s);
    for (int n = 1; n <= kBoardCells; ++n) {
        const CellBounds expected{5 + s * (ColumnOf(n) - 1), 5 + s * (RowOf(n) - 1), s, s};
        EXPECT_EQ(fake.cells[n].bounds, expected) << n;
        EXPECT_TRUE(fake.cells[n].visible) << n;
    }
    for (int k = kBoxFirst; k <= kDisplayCells; ++k) {
        const int i = (k - kBoxFirst) % 4;
        const int j = (k - kBoxFirst) / 4;
        const CellBounds expected{10 + s * (10 + i), 5 + s * j, s, s};
        EXPECT_EQ(fake.cells[k].bounds, expected) << k;
        EXPECT_TRUE(fake.cells[k].visible) << k;
    }
    EXPECT_EQ(fake.cells[200].bounds, c.lastBoardCell);
    EXPECT_EQ(fake.cells[208].bounds, c.lastBoxCell);
    EXPECT_EQ(fake.labelLeft, c.labelLeft);
    EXPECT_EQ(fake.labelTop, c.labelTop);

    int sizeMarks = 0;
    for (MenuItem item :
         {MenuItem::mnuSize12, MenuItem::mnuSize18, MenuItem::mnuSize24, MenuItem::mnuSize30}) {
        sizeMarks += fake.Checked(item) ? 1 : 0;
    }
    EXPECT_EQ(sizeMarks, 1);
    EXPECT_TRUE(fake.Checked(c.item));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest,
                         ::testing::Values(SizeCase{12,
                                                    &Game::mnuSize12_Click,
                                                    MenuItem::mnuSize12,
                                                    {113, 233, 12, 12},
                                                    {166, 17, 12, 12},
                                                    130,
                                                    232},
                                           SizeCase{18,
                                                    &Game::mnuSize18_Click,
                                                    MenuItem::mnuSize18,
                                                    {167, 347, 18, 18},
                                                    {244, 23, 18, 18},
                                                    190,
                                                    352},
                                           SizeCase{24,
                                                    &Game::mnuSize24_Click,
                                                    MenuItem::mnuSize24,
                                                    {221, 461, 24, 24},
                                                    {322, 29, 24, 24},
                                                    250,
                                                    472},
                                           SizeCase{30,
                                                    &Game::mnuSize30_Click,
                                                    MenuItem::mnuSize30,
                                                    {275, 575, 30, 30},
                                                    {400, 35, 30, 30},
                                                    310,
                                                    592}));

using SizeChangeTest = GameTest;

TEST_F(SizeChangeTest, LeavesTheGameThePicturesAndTheTimerAsTheyWere) {
    StartWith(3, 5, 7, 2);
    fake.Tick(game);
    for (int state = 0; state < 2; ++state) {
        if (state == 1) Key(vk::P);
        GameState before = game;
        std::vector<int> pictures;
        for (int k = 1; k <= kDisplayCells; ++k) pictures.push_back(fake.cells[k].picture);
        const bool running = fake.timerEnabled;
        const int restarts = fake.timerRestarts;
        fake.ClearLog();

        game.mnuSize30_Click();
        game.mnuSize12_Click();

        before.CellSize = 12;
        EXPECT_EQ(static_cast<const GameState&>(game), before);
        for (int k = 1; k <= kDisplayCells; ++k) {
            EXPECT_EQ(fake.cells[k].picture, pictures[static_cast<std::size_t>(k - 1)]) << k;
            EXPECT_EQ(fake.cells[k].paints, 0) << k;
        }
        EXPECT_EQ(fake.timerEnabled, running);
        EXPECT_EQ(fake.timerRestarts, restarts);
    }
}

}  // namespace
}  // namespace blokka::testing
