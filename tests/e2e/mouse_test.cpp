// The mouse, the background menu, and ending the program from the keyboard.

#include <gtest/gtest.h>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

TEST(Mouse, SteersTurnsAndDropsThenTheLightBackgroundAndTheEscapeKeyThatClosesTheGame) {
    XSession x;
    Blokka game(x);
    game.Keys(Strings(13, "Next"));  // a tick a second
    game.Choose(menu::kOptions, {menu::kMouse});
    game.Keys({"F2"});
    auto landed = game.ReadWhen([](const Board& b) { return b.AllEmpty(); });
    ASSERT_TRUE(landed);
    // A square does not turn: drop it and take the next figure.
    const Cells square = {1, 2, 11, 12};
    Cells figure;
    auto falling = [&](const Board& b) { return figure = NewBlocks(b, *landed); };
    for (int tries = 0; tries < 12 && (figure.empty() || Shape(figure) == square); ++tries) {
        ASSERT_TRUE(game.ReadWhen([&](const Board& b) {
            return falling(b).size() == 4 && RowOf(figure[0]) == 1 &&
                   b.Blocks(201, 208).size() == 4;
        }));
        if (Shape(figure) != square) break;
        game.Keys({"space"});
        landed = game.ReadWhen([&](const Board& b) { return RowOf(falling(b).at(0)) > 2; });
    }
    ASSERT_NE(Shape(figure), square) << "only squares came";

    // The pointer steers the anchor, one column right of the left edge of an entering figure
    // (all but the square), into its own column.
    const Cells entered = figure;
    for (const int column : {8, 2}) {
        x.MovePointer(game.CellCentre(140 + column));
        EXPECT_TRUE(game.ReadWhen([&](const Board& b) {
            return Shape(falling(b)) == Shape(entered) && MinColumn(figure) == column - 1;
        })) << "column "
            << column;
    }
    x.Click(game.CellCentre(142), 3);
    const Cells turned = falling(game.Settled());
    EXPECT_NE(Shape(turned), Shape(entered)) << "a right click did not turn the figure";
    x.Click(game.CellCentre(142), 1);
    EXPECT_TRUE(game.ReadWhen([&](const Board& b) {
        return falling(b).size() == 4 && RowOf(figure.back()) == 20 &&
               Shape(figure) == Shape(turned);
    })) << "a left click did not drop the figure";

    game.ParkPointer();
    game.Keys({"p"});
    const Board dark = game.Settled();
    game.Choose(menu::kOptions, {menu::kBackground, menu::kBackgroundLight});
    const auto light = game.ReadWhen([](const Board& b) { return b.At(1) == Board::kLight; });
    ASSERT_TRUE(light) << "the background did not change";
    for (int n = 1; n <= 208; ++n) {
        EXPECT_EQ(light->At(n), Board::Block(dark.At(n)) ? dark.At(n) : Board::kLight) << n;
    }

    game.Choose(menu::kOptions, {menu::kEsc, menu::kEscClose});
    EXPECT_TRUE(game.process().Running());
    game.Keys({"Escape"});
    EXPECT_TRUE(game.process().WaitExit());
}

}  // namespace
}  // namespace blokka::e2e
