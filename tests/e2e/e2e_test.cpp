// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-instance rule between real processes is among the fault tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "blokka_session.h"

namespace blokka::e2e {
namespace {

// Shown means its dark board is painted; every cell's pixels are checked among the fault tests.
TEST(Window, MapsTitledAndGrey265By370UnderItsMenuBarAndEndsByItsCloseBox) {
    Blokka game;
    EXPECT_EQ(game.x.Title(game.window), "Блокка");
    EXPECT_EQ(game.frame.width, kWidth);
    EXPECT_TRUE(game.Pixel(2, 0) == 0x808080 && game.At(2, kHeight - 1) == 0x808080);
    EXPECT_NE(game.At(2, -1), 0x808080u);
    game.x.Close(game.window);
    EXPECT_TRUE(game.process.WaitExit() && game.process.ExitCode() == 0);
}

struct Blocks {  // how many on the board, their outermost columns and their lowest row
    explicit Blocks(const std::string& cells) {
        for (int n = 0, c = 0; n < 200; c = ++n % 10)
            if (cells[size_t(n)] == '#')
                ++count, low = n / 10, left = std::min(left, c), right = std::max(right, c);
    }
    int count = 0, left = 9, right = 0, low = 0;
};

TEST(Play, RealKeysPauseAndEmptyTheBoardAndAnUntouchedGameAtTheFastestSpeedEnds) {
    Blokka game;
    game.x.Keys(Strings(13, "Next"));  // a tick a second: the figure is long on its way down
    ASSERT_TRUE(WaitUntil([&] { return Blocks(game.Cells()).count == 4; }));
    // Paused, the drop does nothing; Left, taken after it, resumes and moves the figure.
    const int left = Blocks(game.Cells()).left;
    game.x.Keys({"p", "space", "Left"});
    Blocks moved(std::string(200, '.'));
    ASSERT_TRUE(WaitUntil([&] { return (moved = Blocks(game.Cells())).left < left; }));
    EXPECT_TRUE(moved.count == 4 && moved.left == left - 1 && moved.low < 10) << "P did not pause";
    // Dropped, the figure lies on the floor, where a new game's first one takes long to come.
    game.x.Keys({"space"});
    ASSERT_TRUE(WaitUntil([&] { return Blocks(game.Cells()).low == 19; }));
    game.x.Keys({"F2"});
    EXPECT_TRUE(WaitUntil([&] { return Blocks(game.Cells()).low < 19; })) << "F2";
    // The stack reaches the top rows, and the box shows the next figure until the game is over.
    game.x.Keys(Strings(19, "Prior"));
    std::string end;
    auto over = [&] { return (end = game.Cells()).find('#') < 20 && end.ends_with("........"); };
    EXPECT_TRUE(WaitUntil(over, 60s));
}

TEST(Play, RealClicksReachTheMenusAndTheBoardAndEscapeEndsTheGameWhenChosenTo) {
    Blokka game;
    game.Choose(MenuKeys(1, 6));  // "Настройки", "Управлять мышкой"
    auto seen = [&](auto ok) { return WaitUntil([&] { return ok(Blocks(game.Cells())); }); };
    ASSERT_TRUE(seen([](const Blocks& b) { return b.count == 4; }));
    const int x = game.client.x + 14, y = game.client.y + 200;
    game.x.Click(x + 18 * 9, y);
    EXPECT_TRUE(seen([](const Blocks& b) { return b.right == 9; })) << "the pointer steers";
    game.x.Click(x + 18 * 4, y, 1);
    EXPECT_TRUE(seen([](const Blocks& b) { return b.low == 19; })) << "a left click drops";
    game.Choose(MenuKeys(1, 1, 3));  // "ESC", "Закрыть игру"
    game.x.Keys({"Escape"});
    EXPECT_TRUE(game.process.WaitExit() && game.process.ExitCode() == 0);
}

}  // namespace
}  // namespace blokka::e2e
