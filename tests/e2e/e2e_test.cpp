// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program on a real X server: its window and the one-instance rule between real
// processes, real keys and clicks that reach the game and its menus, and a game left to itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "blokka_session.h"

namespace blokka::e2e {
namespace {

TEST(Window, MapsTitledWithDarkCellsOnGreyRunsOnceAndEndsByItsCloseBox) {
    Blokka game;
    EXPECT_EQ(game.x.Title(game.window), "Блокка");
    // Grey 265 by 370 up to the menu bar; dark cells in a lighter frame, but for a figure or two.
    EXPECT_EQ(game.frame.width, kWidth);
    EXPECT_TRUE(game.Pixel(2, 0) == 0x808080 && game.At(2, kHeight - 1) == 0x808080);
    EXPECT_NE(game.At(2, -1), 0x808080u);
    EXPECT_EQ(game.At(5, 5), 0x393c39u);
    EXPECT_GE(std::ranges::count(game.Cells(), '.'), 200) << game.Cells();

    Process second({BinaryUnderTest()});
    EXPECT_TRUE(second.WaitExit() && second.ExitCode() == 0);
    EXPECT_TRUE(game.x.TakeMapped().empty()) << "the second start mapped a window";
    game.x.Close(game.window);
    EXPECT_TRUE(game.process.WaitExit() && game.process.ExitCode() == 0);
}

// The blocks on the board: how many, their leftmost and rightmost columns and lowest row.
struct Blocks {
    explicit Blocks(const std::string& cells) {
        for (int n = 0; n < 200; ++n) {
            if (cells[size_t(n)] != '#') continue;
            ++count, left = std::min(left, n % 10), right = std::max(right, n % 10), low = n / 10;
        }
    }
    int count = 0, left = 9, right = 0, low = 0;
};

TEST(Play, RealKeysMoveFreezeAndEmptyTheBoardAndAnUntouchedGameAtTheFastestSpeedEnds) {
    Blokka game;
    game.x.Keys(Strings(13, "Next"));  // a tick a second: a key's effect shows before the next
    ASSERT_TRUE(WaitUntil([&] { return Blocks(game.Cells()).count == 4; }));
    game.x.Keys({"p"});
    ASSERT_TRUE(game.StandsStill(1500ms)) << "P did not freeze the board";
    const std::string paused = game.Cells();
    game.x.Keys({"Left"});
    auto moved = [&] { return game.Cells() == paused.substr(1, 199) + '.' + paused.substr(200); };
    EXPECT_TRUE(WaitUntil(moved)) << paused;
    game.x.Keys({"F2"});
    EXPECT_TRUE(WaitUntil([&] { return game.Cells() == std::string(208, '.'); })) << "F2";
    // The stack reaches the top rows, and the box shows the next figure until the game is over.
    game.x.Keys(Strings(19, "Prior"));
    std::string end;
    auto over = [&] { return (end = game.Cells()).find('#') < 20 && end.ends_with("........"); };
    ASSERT_TRUE(WaitUntil(over, 60s));
    EXPECT_TRUE(game.StandsStill(1s, 2s)) << end;
}

TEST(Play, RealClicksReachTheMenusAndTheBoardAndEscapeEndsTheGameWhenChosenTo) {
    Blokka game;
    game.Choose(MenuKeys(1, 6));  // "Настройки", "Управлять мышкой"
    Blocks now("");
    auto seen = [&](auto ok) { return WaitUntil([&] { return ok(now = Blocks(game.Cells())); }); };
    do {  // a square does not turn: new games until another figure has entered
        game.x.Keys({"F2"});
        ASSERT_TRUE(seen([](const Blocks& b) { return b.count == 0; }));
        ASSERT_TRUE(seen([](const Blocks& b) { return b.count == 4; }));
    } while (now.right - now.left == 1);
    const int width = now.right - now.left, x = game.client.x + 14, y = game.client.y + 200;
    game.x.Click(x + 18 * 9, y);
    EXPECT_TRUE(seen([](const Blocks& b) { return b.right == 9; })) << "the pointer steers";
    game.x.Click(x + 18 * 4, y, 3);
    EXPECT_TRUE(seen([&](const Blocks& b) { return b.right - b.left != width; })) << "turns";
    game.x.Click(x + 18 * 4, y, 1);
    EXPECT_TRUE(seen([](const Blocks& b) { return b.low == 19; })) << "a left click drops";
    game.Choose(MenuKeys(1, 1, 3));  // "ESC", "Закрыть игру"
    game.x.Keys({"Escape"});
    EXPECT_TRUE(game.process.WaitExit() && game.process.ExitCode() == 0);
}

}  // namespace
}  // namespace blokka::e2e
