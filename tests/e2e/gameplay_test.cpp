// Games played with the keyboard, and a game left to itself.

#include <gtest/gtest.h>

#include <set>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

std::vector<int> SpeedMarks(Blokka& game) {
    const PopupMenu speeds = game.Open(menu::kOptions, {menu::kSpeed});
    game.CloseMenus();
    return speeds.CheckedItems();
}

TEST(Keys, StartPauseMoveAfterMenusDropAndStartAgain) {
    XSession x;
    Blokka game(x);
    // The slowest speed, a tick a second: a key's effect shows well before the next tick.
    game.Keys(std::vector<std::string>(13, "Next"));
    game.Keys({"F2"});
    ASSERT_TRUE(game.ReadWhen([](const Board& b) { return b.AllEmpty(); }))
        << "F2 did not clear the board and the box";
    const Cells entered = game.WaitForNewFigure();
    ASSERT_EQ(entered.size(), 4u) << game.Read().Picture();
    EXPECT_GE(MinColumn(entered), 4);
    EXPECT_LE(MinColumn(entered), 7);
    Board b = game.Read();
    for (int tick = 0; tick < 2; ++tick) {
        const Board next = game.Changed(b);
        EXPECT_EQ(next.Blocks(), Shifted(b.Blocks(), 1, 0)) << next.Picture();
        b = next;
    }

    game.Keys({"p"});
    Board paused = game.Settled();
    EXPECT_FALSE(game.ReadWhen([&](const Board& now) { return !(now == paused); }, 3s))
        << "the board changed during the pause";
    game.Keys({"p"});
    b = game.Changed(paused);
    EXPECT_EQ(b.Blocks(), Shifted(paused.Blocks(), 1, 0)) << "P did not resume" << b.Picture();

    // Left on a paused game moves at once, and the game runs on.
    game.Keys({"p"});
    paused = game.Settled();
    game.Keys({"Left"});
    b = game.Changed(paused);
    EXPECT_EQ(b.Blocks(), Shifted(paused.Blocks(), 0, -1)) << b.Picture();
    const Board fell = game.Changed(b);
    EXPECT_EQ(fell.Blocks(), Shifted(b.Blocks(), 1, 0)) << "Left did not resume" << fell.Picture();

    // The keyboard returns to the game after a menu is closed by a click and by Escape.
    for (const bool byClick : {true, false}) {
        game.Keys({"p"});
        paused = game.Settled();
        game.Open(byClick ? menu::kGame : menu::kOptions);
        if (byClick) {
            game.ClickMenuBar(menu::kGame);
            ASSERT_TRUE(WaitUntil([&] { return x.Popups().empty(); })) << "a click left it open";
        } else {
            game.CloseMenus();
        }
        game.Keys({byClick ? "Right" : "Left"});
        b = game.Changed(paused);
        EXPECT_EQ(b.Blocks(), Shifted(paused.Blocks(), 0, byClick ? 1 : -1))
            << (byClick ? "after a click" : "after Escape") << b.Picture();
    }

    const Cells falling = b.Blocks();
    game.Keys({"space"});
    const auto landed =
        game.ReadWhen([](const Board& now) { return !now.Blocks(181, 200).empty(); });
    ASSERT_TRUE(landed) << "Space did not drop the figure";
    const Cells floor = landed->Blocks(141, 200);
    EXPECT_EQ(Shape(floor), Shape(falling)) << landed->Picture();
    EXPECT_EQ(MinColumn(floor), MinColumn(falling));
    EXPECT_EQ(RowOf(floor.back()), 20);

    game.Keys({"F2"});
    EXPECT_TRUE(game.ReadWhen([](const Board& now) { return now.AllEmpty(); }));
    EXPECT_EQ(game.WaitForNewFigure().size(), 4u);
}

TEST(Keys, PageUpAndDownMoveTheSpeedMarkAndAnUntouchedGameEndsWithAFullStackAndAnEmptyBox) {
    XSession x;
    Blokka game(x);
    EXPECT_EQ(SpeedMarks(game), std::vector{menu::SpeedItem(14)}) << "the start-up speed";
    game.Keys(std::vector<std::string>(7, "Prior"));
    EXPECT_EQ(SpeedMarks(game), std::vector{menu::SpeedItem(20)}) << "past the fastest";
    game.Keys({"Next"});
    EXPECT_EQ(SpeedMarks(game), std::vector{menu::SpeedItem(19)});
    game.Keys({"Prior"});

    // The end: blocks on the board, an empty box, and then nothing changes any more (40 ticks).
    std::optional<Board> over;
    const bool still = WaitUntil(
        [&] {
            over = game.ReadWhen(
                [](const Board& b) { return !b.Blocks().empty() && b.AllEmpty(201, 208); });
            return over && !game.ReadWhen([&](const Board& b) { return !(b == *over); }, 2s);
        },
        120s);
    ASSERT_TRUE(still && over) << game.Read().Picture();
    EXPECT_TRUE(game.process().Running());
    // Unmoved figures stay in the columns they entered in and land on each other: every row
    // from the top two down to the floor holds a block.
    std::set<int> rows;
    for (const int n : over->Blocks()) {
        EXPECT_GE(ColumnOf(n), 4) << over->Picture();
        EXPECT_LE(ColumnOf(n), 7) << over->Picture();
        rows.insert(RowOf(n));
    }
    for (int row = 2; row <= 20; ++row) EXPECT_TRUE(rows.count(row)) << row << over->Picture();
}

}  // namespace
}  // namespace blokka::e2e
