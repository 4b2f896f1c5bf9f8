// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-instance rule between real processes is among the fault tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ranges>
#include <vector>

#include "blokka_session.h"

namespace blokka::e2e {
namespace {

using Window = OnEither;

struct Blocks {  // how many on the board, their outermost columns and rows
    explicit Blocks(const std::string& cells) {
        for (int n = 0, c = 0; n < 200; c = ++n % 10)
            if (cells[size_t(n)] == '#')
                ++count, top = std::min(top, n / 10), low = n / 10, left = std::min(left, c),
                         right = std::max(right, c);
    }
    int count = 0, left = 9, right = 0, top = 19, low = 0;
};

// A player's session, from the window as it shows (its dark board painted; every cell's pixels
// are checked among the fault tests) to its end. What the game makes of each key and click the
// game's own tests show; here real input has to reach it through the display server and the
// window, and the window's timer drives it. The keys come as the platform reports them: on
// Windows the system's own virtual-key codes, on X11 in the Ukrainian layout, where A and P carry
// Ф and З and act by their place, as the window's own tests show every key does in every layout.
// The close box is close(), which the window's own tests call, or Alt+F4 on Windows.
TEST_P(Window, MapsTitledAndGreyUnderItsMenuBarTakesRealKeysAndClicksAndLeftToItselfRunsToItsEnd) {
    Blokka game(GetParam());
    Desktop& desk = *game.desk;
    EXPECT_EQ(desk.title, "Блокка");
    EXPECT_EQ(game.frame.width, kWidth);
    EXPECT_EQ(game.At(2, 0), kGrey);  // the client area's top left and bottom left
    EXPECT_EQ(game.At(2, kHeight - 1), kGrey);
    EXPECT_NE(game.At(2, -1), kGrey);
    if (GetParam() == Server::Wayland) {  // its desktop entry's name, Fusion's menu bar of 19
        EXPECT_EQ(desk.app, "org.blokka.Blokka");
        EXPECT_EQ(game.frame.height, kHeight + 19);
    }
    if (GetParam() == Server::X11 && CommandUnderTest().size() == 1) {  // not under Wine
        ASSERT_EQ(std::system("setxkbmap -layout ua,us"), 0);
    }
    auto seen = [&](auto ok, std::chrono::seconds deadline = 20s) {
        return WaitUntil([&] { return ok(Blocks(game.Cells())); }, deadline);
    };
    desk.Keys(Strings(13, "Next"));  // a tick a second: gravity is slower than any input here
    ASSERT_TRUE(seen([](const Blocks& b) { return b.count == 4; }));
    // Paused, the drop does nothing; A, taken after it, resumes and moves the figure.
    const Blocks first(game.Cells());
    desk.Keys({"p", "space", "a"});
    EXPECT_TRUE(seen([&](const Blocks& b) { return b.left == first.left - 1 && b.low < 10; }));
    desk.Keys({"space"});  // a drop, where the ticks bring the figure a row a second
    EXPECT_TRUE(seen([](const Blocks& b) { return b.low == 19; }, 4s)) << "no drop";
    game.Choose(1, 6);  // "Настройки", "Управлять мышкой"
    const int x = game.client.x + 14, y = game.client.y + 200;
    // The pointer moves until the figure follows, a pixel aside each time: a first move may
    // still meet the menu on its way out.
    int aside = 0;
    auto steered = [&](const Blocks& b) {
        return b.right == 9 || (desk.Click(x + 18 * 9 - aside++ % 2, y), false);
    };
    EXPECT_TRUE(seen(steered)) << "the pointer steers";
    desk.Click(x + 18 * 4, y, 1);  // a drop by the pointer: no block is left up high
    EXPECT_TRUE(seen([](const Blocks& b) { return b.top >= 10; }, 4s)) << "no click drop";
    // The stack reaches the top rows, and the box shows the next figure until the game is over.
    desk.Keys(Strings(19, "Prior"));
    std::string end;
    auto over = [&] { return (end = game.Cells()).find('#') < 20 && end.ends_with("........"); };
    EXPECT_TRUE(WaitUntil(over, 60s));
    // "ESC", "Закрыть игру"; "Свернуть" could not be seen, as neither Xvfb nor sway minimises.
    game.Choose(1, 1, 3);
    desk.Keys({"Escape"});
    EXPECT_EQ(game.process.WaitExit(), 0);
}

// What only the Windows program has, under Wine. A menu's items are inked as dark as the bar's
// captions: with "Настройки" open, its submenu "Размер" is read where it differs from what showed
// before it opened. Of its ink (neutral pixels with every channel below 200), its frame's grey
// lines among it, over a sixth is dark (every channel at most 0x60), where text drawn thin and
// grey has a twentieth. Its marked and highlighted items are blue, not ink.
TEST(Windows, AMenusItemsAreInkedAsDarkAsTheMenuBarsCaptions) {
    Blokka game(Server::X11);
    const Rect area{game.frame.x, game.frame.y, kWidth + 200, game.frame.height};
    const int bar = game.frame.height - kHeight, w = area.width;
    std::vector<std::uint32_t> before, after;
    auto take = [&](std::vector<std::uint32_t>& into) {
        const Picture shot = game.desk->Take(area);
        into.assign(shot.pixels.begin(), shot.pixels.end());
    };
    game.desk->Keys({"p"});  // paused, the board stays as it is
    game.desk->Click(game.frame.x + 15, game.client.y - 10, 1), game.desk->Keys({"Right"});
    const size_t below = size_t((bar + 2) * w + 60);  // a pixel the first popup covers
    ASSERT_TRUE(WaitUntil([&] { return take(before), (before[below] & 0xffffff) != kGrey; }));
    game.desk->Keys({"Right"});
    auto changed = [&](int i) { return i / w >= bar && after[size_t(i)] != before[size_t(i)]; };
    auto all = std::views::iota(0, int(before.size()));
    ASSERT_TRUE(WaitUntil([&] { return take(after), std::ranges::count_if(all, changed) > 4000; }));
    int ink = 0, dark = 0;
    for (const int i : all | std::views::filter(changed)) {
        const int r = after[size_t(i)] >> 16 & 255, g = after[size_t(i)] >> 8 & 255;
        const int b = after[size_t(i)] & 255, top = std::max({r, g, b});
        if (top < 200 && std::abs(r - b) < 16) ++ink, dark += top <= 0x60;
    }
    EXPECT_GT(double(dark) / std::max(ink, 1), 1.0 / 6);
}

// Alt+F4 is the system's own way to close a window: the game takes every key, but not that one.
TEST(Windows, AltF4EndsTheProgram) {
    Blokka game(Server::X11);
    auto& x = static_cast<x11::Client&>(*game.desk);  // only X11 holds keys
    x.Key(x.Code("Alt_L"), true), x.Keys({"F4"}), x.Key(x.Code("Alt_L"), false);
    XFlush(x.display);
    EXPECT_EQ(game.process.WaitExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(On, Window, kServers, ServerName);

}  // namespace
}  // namespace blokka::e2e
