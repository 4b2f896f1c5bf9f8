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
    EXPECT_EQ(game.Pixel(2, 0), 0x808080u);  // the client area's top left and bottom left
    EXPECT_EQ(game.At(2, kHeight - 1), 0x808080u);
    EXPECT_NE(game.At(2, -1), 0x808080u);
    game.x.Close(game.window);
    ASSERT_TRUE(game.process.WaitExit());
    EXPECT_EQ(game.process.ExitCode(), 0);
}

struct Blocks {  // how many on the board, their outermost columns and rows
    explicit Blocks(const std::string& cells) {
        for (int n = 0, c = 0; n < 200; c = ++n % 10)
            if (cells[size_t(n)] == '#')
                ++count, top = std::min(top, n / 10), low = n / 10, left = std::min(left, c),
                         right = std::max(right, c);
    }
    int count = 0, left = 9, right = 0, top = 19, low = 0;
};

// What the game makes of each key and click the game's own tests show; here real input has to
// reach it through the X server and the window, and the window's timer drives it. The keys come
// as the platform reports them: on Windows the system's own virtual-key codes.
TEST(Play, RealKeysAndClicksReachTheGameAndItsMenusAndAGameLeftToItselfRunsToItsEnd) {
    Blokka game;
    auto seen = [&](auto ok) { return WaitUntil([&] { return ok(Blocks(game.Cells())); }); };
    game.x.Keys(Strings(13, "Next"));  // a tick a second: gravity is slower than any input here
    ASSERT_TRUE(seen([](const Blocks& b) { return b.count == 4; }));
    // Paused, the drop does nothing; Left, taken after it, resumes and moves the figure.
    const Blocks first(game.Cells());
    game.x.Keys({"p", "space", "Left"});
    EXPECT_TRUE(seen([&](const Blocks& b) { return b.left == first.left - 1 && b.low < 10; }));
    // A turn, here clear of the top row, gives the figure the width it had as its height.
    const Blocks was(game.Cells());
    game.x.Keys({"Down", "Down", "Down", "Up"});
    EXPECT_TRUE(seen([&](const Blocks& b) { return b.right - b.left == was.low - was.top; }));
    game.x.Keys({"space"});  // a drop, where the ticks bring the figure a row a second
    EXPECT_TRUE(WaitUntil([&] { return Blocks(game.Cells()).low == 19; }, 4s)) << "no drop";
    game.Choose(MenuKeys(1, 6));  // "Настройки", "Управлять мышкой"
    const int x = game.client.x + 14, y = game.client.y + 200;
    game.x.Click(x + 18 * 9, y);
    EXPECT_TRUE(seen([](const Blocks& b) { return b.right == 9; })) << "the pointer steers";
    game.x.Click(x + 18 * 4, y, 1);  // a drop by the pointer: no block is left up high
    EXPECT_TRUE(WaitUntil([&] { return Blocks(game.Cells()).top >= 10; }, 4s)) << "no click drop";
    // A new game empties the board; its first figure comes a whole tick later.
    game.x.Keys({"F2"});
    ASSERT_TRUE(WaitUntil([&] { return game.Cells() == std::string(208, '.'); })) << "F2";
    const auto cleared = std::chrono::steady_clock::now();
    ASSERT_TRUE(seen([](const Blocks& b) { return b.count == 4; }));
    EXPECT_GT(std::chrono::steady_clock::now() - cleared, 500ms) << "the figure came at once";
    // The stack reaches the top rows, and the box shows the next figure until the game is over.
    game.x.Keys(Strings(19, "Prior"));
    std::string end;
    auto over = [&] { return (end = game.Cells()).find('#') < 20 && end.ends_with("........"); };
    EXPECT_TRUE(WaitUntil(over, 60s));
    game.Choose(MenuKeys(1, 1, 3));  // "ESC", "Закрыть игру"
    game.x.Keys({"Escape"});
    ASSERT_TRUE(game.process.WaitExit());
    EXPECT_EQ(game.process.ExitCode(), 0);
}

}  // namespace
}  // namespace blokka::e2e
