// The mouse, the background menu, and ending the program from the keyboard.

#include <gtest/gtest.h>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

// The cell of row 15 in `column`: well below a figure near the top.
int Row15(int column) { return 140 + column; }

TEST(Mouse, SteersTurnsAndDropsThenTheLightBackgroundAndTheEscapeKeyThatClosesTheGame) {
    XSession x;
    Blokka game(x);
    game.Keys(std::vector<std::string>(13, "Next"));  // a tick a second
    game.Choose(menu::kOptions, {menu::kMouse});
    game.Keys({"F2"});
    const auto empty = game.ReadWhen([](const Board& b) { return b.AllEmpty(); });
    ASSERT_TRUE(empty);

    // The square does not turn; drop it with a left click and take the next figure.
    const Cells square = {1, 2, 11, 12};
    Board landed = *empty;
    Cells figure;
    for (int tries = 0; tries < 12 && (figure.empty() || Shape(figure) == square); ++tries) {
        const auto entered = game.ReadWhen([&](const Board& b) {
            const Cells f = NewBlocks(b, landed);
            return f.size() == 4 && RowOf(f.front()) == 1 && b.Blocks(201, 208).size() == 4;
        });
        ASSERT_TRUE(entered);
        figure = NewBlocks(*entered, landed);
        if (Shape(figure) != square) break;
        const Point under = game.CellCentre(Row15(MinColumn(figure)));
        x.Click(under, 1);
        const auto down = game.ReadWhen([&](const Board& b) {
            const Cells f = NewBlocks(b, landed);
            return f.size() == 4 && RowOf(f.front()) > 2;
        });
        ASSERT_TRUE(down) << "a left click did not drop the square";
        landed = *down;
    }
    ASSERT_NE(Shape(figure), square) << "only squares came";

    // Every other figure enters with its anchor one column right of its left edge.
    const int anchor = MinColumn(figure) + 1;
    for (const int column : {8, 2}) {
        const Point p = game.CellCentre(Row15(column));
        x.MovePointer(p);
        const auto steered = game.ReadWhen([&](const Board& b) {
            return MinColumn(NewBlocks(b, landed)) == MinColumn(figure) + column - anchor;
        });
        ASSERT_TRUE(steered) << "the figure did not follow the pointer to column " << column;
        EXPECT_EQ(Shape(NewBlocks(*steered, landed)), Shape(figure));
    }
    const Cells before = NewBlocks(game.Settled(), landed);
    const Point there = game.CellCentre(Row15(2));
    x.Click(there, 3);
    const Cells turned = NewBlocks(game.Settled(), landed);
    ASSERT_EQ(turned.size(), 4u);
    EXPECT_NE(Shape(turned), Shape(before)) << "a right click did not turn the figure";
    x.Click(there, 1);
    const auto dropped = game.ReadWhen([&](const Board& b) {
        const Cells f = NewBlocks(b, landed);
        return f.size() == 4 && RowOf(f.back()) == 20;
    });
    ASSERT_TRUE(dropped) << "a left click did not drop the figure";
    EXPECT_EQ(Shape(NewBlocks(*dropped, landed)), Shape(turned));

    game.ParkPointer();
    game.Keys({"p"});
    const Board dark = game.Settled();
    game.Choose(menu::kOptions, {menu::kBackground, menu::kBackgroundLight});
    const auto light =
        game.ReadWhen([](const Board& b) { return b.Shows(1, kLightInside, kLightFrame); });
    ASSERT_TRUE(light) << "the background did not change";
    for (int n = 1; n <= 208; ++n) {
        EXPECT_EQ(light->At(n), dark.At(n)) << n;
        EXPECT_TRUE(light->At(n) > 0 || light->Shows(n, kLightInside, kLightFrame)) << n;
    }

    game.Choose(menu::kOptions, {menu::kEsc, menu::kEscClose});
    EXPECT_TRUE(game.process().Running());
    game.Keys({"Escape"});
    EXPECT_TRUE(game.process().WaitExit());
}

}  // namespace
}  // namespace blokka::e2e
