// Games played with the keyboard and the mouse, and a game left to itself.

#include <gtest/gtest.h>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

TEST(Play, KeysStartPauseMoveAfterMenusDropAndStartAgain) {
    XSession x;
    Blokka game(x);
    x.Keys(Strings(13, "Next"));  // a tick a second: a key's effect shows well before the next
    // F2 empties the board and the box, and a tick later a figure enters rows 1-2.
    auto entered = [](const Board& b) {
        const Cells top = b.Blocks(1, 20);
        return top.size() == 4 && top[0] <= 10 && !b.AllEmpty(201, 208);
    };
    x.Keys({"F2"});
    ASSERT_TRUE(game.ReadWhen([](const Board& b) { return b.AllEmpty(); })) << "F2 kept blocks";
    ASSERT_TRUE(game.ReadWhen(entered));
    Board b = game.Read();
    // After `keys` the next reading shows the figure moved by rows and columns.
    auto expectStep = [&](const Strings& keys, int rows, int columns, const char* what) {
        const Board before = b;
        x.Keys(keys);
        b = game.Changed(before);
        EXPECT_EQ(b.Blocks(), Shifted(before.Blocks(), rows, columns)) << what;
    };
    expectStep({}, 1, 0, "a tick");
    b = game.After({"p"});
    EXPECT_TRUE(game.Changed(b, 3s) == b) << "the board changed during the pause";
    expectStep({"p"}, 1, 0, "P resumes");
    b = game.After({"p"});
    expectStep({"Left"}, 0, -1, "Left moves a paused figure at once");
    expectStep({}, 1, 0, "Left resumes");
    b = game.After({"p"});
    game.Open(kGame);
    game.ClickMenuBar(kGame);
    ASSERT_TRUE(WaitUntil([&] { return x.Mapped(true).empty(); })) << "a click left it open";
    expectStep({"Right"}, 0, 1, "after a menu closed by a click");
    b = game.After({"p"});
    game.Open(kOptions);
    game.CloseMenus();
    expectStep({"Left"}, 0, -1, "after a menu closed by Escape");

    const Cells falling = b.Blocks();
    x.Keys({"space"});
    game.Changed(b);  // at once, not tick by tick
    b = game.After();
    EXPECT_EQ(b.Blocks(101, 200), Shifted(falling, 20 - RowOf(falling.back()), 0)) << "Space";
    x.Keys({"F2"});
    EXPECT_TRUE(game.ReadWhen([](const Board& now) { return now.AllEmpty(); }));
    EXPECT_TRUE(game.ReadWhen(entered));
}

TEST(Play, PageUpAndDownMoveTheSpeedMarkAndAnUntouchedGameEndsWithAFullStackAndAnEmptyBox) {
    XSession x;
    Blokka game(x);
    auto expectMark = [&](int level) {
        const PopupMenu speeds = game.Open(kOptions, {2});  // "[PAGE UP] [+]", "20", ... "1"
        game.CloseMenus();
        EXPECT_EQ(speeds.CheckedItems(), std::vector{21 - level}) << level;
    };
    expectMark(14);
    x.Keys(Strings(7, "Prior"));  // one past the fastest
    expectMark(20);
    x.Keys({"Next"});
    expectMark(19);
    // The end: blocks, an empty box, and then no change any more (for 20 ticks).
    auto over = [&](const Board& b) {
        return b.AllEmpty(201, 208) && !b.AllEmpty() && game.Changed(b, 2s) == b;
    };
    const auto end = game.ReadWhen(over, 120s);
    ASSERT_TRUE(end);
    EXPECT_TRUE(game.process().Running());
    // Unmoved figures land on each other: every row from the top two to the floor holds blocks.
    for (int row = 2; row <= 20; ++row) EXPECT_FALSE(end->AllEmpty(10 * row - 9, 10 * row)) << row;
}

TEST(Play, MouseSteersTurnsAndDropsThenTheLightBackgroundAndTheEscapeKeyThatClosesTheGame) {
    XSession x;
    Blokka game(x);
    x.Keys(Strings(13, "Next"));
    game.Choose(kOptions, {6});  // "Управлять мышкой"
    x.Keys({"F2"});
    Board landed = game.ReadWhen([](const Board& b) { return b.AllEmpty(); }).value();
    // A square does not turn: drop the squares and take the first other figure.
    const Cells square = {1, 2, 11, 12};
    Cells figure;
    auto falling = [&](const Board& b) { return figure = NewBlocks(b, landed); };
    auto entered = [&](const Board& b) {
        return falling(b).size() == 4 && RowOf(figure[0]) == 1 && !b.AllEmpty(201, 208);
    };
    for (int tries = 0; game.ReadWhen(entered) && Shape(figure) == square && tries < 12; ++tries) {
        x.Keys({"space"});
        landed = game.ReadWhen([&](const Board& b) { return RowOf(falling(b).at(0)) > 2; }).value();
    }
    ASSERT_TRUE(figure.size() == 4 && Shape(figure) != square);

    // The pointer's column takes the anchor, one column right of an entering figure's left edge.
    const Cells shape = Shape(figure);
    for (const int column : {8, 2}) {
        x.MovePointer(game.CellCentre(140 + column));
        EXPECT_TRUE(game.ReadWhen([&](const Board& b) {
            return Shape(falling(b)) == shape && MinColumn(figure) == column - 1;
        })) << column;
    }
    // The board once a click in column 2 has shown its effects, at once, not tick by tick.
    auto click = [&](int button) {
        x.Click(game.CellCentre(142), button);
        game.Changed(game.Read());
        return game.After();
    };
    const Cells turned = Shape(falling(click(3)));
    EXPECT_NE(turned, shape) << "a right click did not turn the figure";
    Cells down = falling(click(1));
    std::erase_if(down, [](int n) { return n <= 20; });  // the next figure may have entered
    EXPECT_TRUE(Shape(down) == turned && RowOf(down.back()) == 20) << "a left click dropped";

    game.ParkPointer();
    const Board dark = game.After({"p"});
    game.Choose(kOptions, {3, 1});  // "Цвет фона", "Светлый"
    const auto light = game.ReadWhen([](const Board& b) { return b.At(200) == Board::kLight; });
    ASSERT_TRUE(light) << "the background did not change";
    for (int n = 1; n <= 208; ++n)
        EXPECT_EQ(light->At(n), Board::Block(dark.At(n)) ? dark.At(n) : Board::kLight) << n;
    game.Choose(kOptions, {1, 3});  // "ESC", "Закрыть игру"
    EXPECT_TRUE(game.process().Running());
    x.Keys({"Escape"});
    EXPECT_TRUE(game.process().WaitExit());
}

}  // namespace
}  // namespace blokka::e2e
