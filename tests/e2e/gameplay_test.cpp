// Games played with the keyboard, and a game left to itself.

#include <gtest/gtest.h>

#include <set>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

TEST(Keys, StartPauseMoveAfterMenusDropAndStartAgain) {
    XSession x;
    Blokka game(x);
    // The slowest speed, a tick a second: a key's effect shows well before the next tick.
    game.Keys(Strings(13, "Next"));
    game.Keys({"F2"});
    ASSERT_TRUE(game.ReadWhen([](const Board& b) { return b.AllEmpty(); })) << "F2 kept blocks";
    const Cells entered = game.WaitForNewFigure();  // one tick after the empty board
    ASSERT_EQ(entered.size(), 4u);
    EXPECT_GE(MinColumn(entered), 4);
    EXPECT_LE(MinColumn(entered), 7);
    // `step` turns the figure of reading `before` into that of the next reading.
    Board b = game.Read();
    auto expectStep = [&](const Strings& keys, int rows, int columns, const char* what) {
        const Board before = b;
        game.Keys(keys);
        b = game.Changed(before);
        EXPECT_EQ(b.Blocks(), Shifted(before.Blocks(), rows, columns)) << what;
    };
    expectStep({}, 1, 0, "the first tick");
    expectStep({}, 1, 0, "the second tick");
    game.Keys({"p"});
    b = game.Settled();
    EXPECT_TRUE(game.Changed(b, 3s) == b) << "the board changed during the pause";
    expectStep({"p"}, 1, 0, "P resumes");
    game.Keys({"p"});
    b = game.Settled();
    expectStep({"Left"}, 0, -1, "Left moves a paused figure at once");
    expectStep({}, 1, 0, "Left resumes");

    // The keyboard returns to the game after a menu is closed by a click and by Escape.
    game.Keys({"p"});
    b = game.Settled();
    game.Open(menu::kGame);
    game.ClickMenuBar(menu::kGame);
    ASSERT_TRUE(WaitUntil([&] { return x.Mapped(true).empty(); })) << "a click left it open";
    expectStep({"Right"}, 0, 1, "after a click");
    game.Keys({"p"});
    b = game.Settled();
    game.Open(menu::kOptions);
    game.CloseMenus();
    expectStep({"Left"}, 0, -1, "after Escape");

    const Cells falling = b.Blocks();
    game.Keys({"space"});
    const auto landed =
        game.ReadWhen([](const Board& now) { return !now.Blocks(181, 200).empty(); });
    ASSERT_TRUE(landed) << "Space did not drop the figure";
    const Cells floor = landed->Blocks(141, 200);
    EXPECT_EQ(Shape(floor), Shape(falling));
    EXPECT_EQ(MinColumn(floor), MinColumn(falling));
    EXPECT_EQ(RowOf(floor.back()), 20);
    game.Keys({"F2"});
    EXPECT_TRUE(game.ReadWhen([](const Board& now) { return now.AllEmpty(); }));
    EXPECT_EQ(game.WaitForNewFigure().size(), 4u);
}

TEST(Keys, PageUpAndDownMoveTheSpeedMarkAndAnUntouchedGameEndsWithAFullStackAndAnEmptyBox) {
    XSession x;
    Blokka game(x);
    auto expectMark = [&](int level) {
        const PopupMenu speeds = game.Open(menu::kOptions, {menu::kSpeed});
        game.CloseMenus();
        EXPECT_EQ(speeds.CheckedItems(), std::vector{menu::SpeedItem(level)}) << level;
    };
    expectMark(14);
    game.Keys(Strings(7, "Prior"));  // one past the fastest
    expectMark(20);
    game.Keys({"Next"});
    expectMark(19);
    game.Keys({"Prior"});

    // The end: blocks, an empty box, and then no change any more (at least 40 ticks).
    std::optional<Board> over;
    ASSERT_TRUE(WaitUntil(
        [&] {
            over =
                game.ReadWhen([](const Board& b) { return b.AllEmpty(201, 208) && !b.AllEmpty(); });
            return over && game.Changed(*over, 2s) == *over;
        },
        120s));
    EXPECT_TRUE(game.process().Running());
    // Unmoved figures land on each other: every row from the top two to the floor holds blocks.
    std::set<int> rows;
    for (const int n : over->Blocks()) rows.insert(RowOf(n));
    for (int row = 2; row <= 20; ++row) EXPECT_TRUE(rows.count(row)) << row;
}

}  // namespace
}  // namespace blokka::e2e
