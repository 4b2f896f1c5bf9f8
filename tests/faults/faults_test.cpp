// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// BLOKKA_FAULT_SCALE=long abuses far longer (`make faults`), BLOKKA_FAULT_SEED replays a storm.
#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <fstream>
#include <random>
#include <ranges>

// Qt before Xlib, whose macros take some of Qt's names.
#include "window/stock_image.h"

#include "blokka_session.h"

namespace blokka::e2e {
namespace {

const char* const kScale = std::getenv("BLOKKA_FAULT_SCALE");
const bool kLong = kScale != nullptr && std::string_view(kScale) == "long";

using Faults = OnEither;

TEST_P(Faults, OfTwoStartsRightAfterAHardKillExactlyOneRunsWithOneWindowEveryTime) {
    const auto desk = StartDesktop(GetParam());
    for (int i = 0, maps = 0; i < (kLong ? 200 : 20); ++i, maps = 0) {  // survivors die by SIGKILL
        Process one(CommandUnderTest()), other(CommandUnderTest());
        ASSERT_TRUE(WaitUntil([&] { return !one.Running() || !other.Running(); })) << i;
        EXPECT_TRUE(WaitUntil([&] { return (maps += desk->TakeShown()) > 0; })) << i;
        EXPECT_EQ(maps + desk->TakeShown(), 1) << i;
        ASSERT_NE(one.Running(), other.Running()) << i;
        EXPECT_EQ((one.Running() ? other : one).WaitExit(), 0) << i;
    }
}

// Once the game is paused, whatever state the abuse left it in, every display cell in the client
// area must show a stock picture as the canvas scales it for cell size `s` on the screen's pixels,
// if not at once: on Wayland, two to a point, an 18-point cell shows the picture pixel for pixel.
void ExpectAliveAndWhole(Blokka& game, int s) {
    game.desk->Keys({"Down", "p"});  // a move key resumes a paused game, and P pauses a running one
    std::string torn;
    auto whole = [&] {
        const Picture& picture = game.picture = game.desk->Take(game.frame);
        const int r = picture.scale, device = s * r;
        const QImage screen =
            QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                   picture.height, QImage::Format_RGB32)
                .copy(0, (game.frame.height - kHeight) * r, kWidth * r, kHeight * r)
                .convertToFormat(QImage::Format_RGB888);
        torn.clear();
        for (int n = 0; n < 208; ++n) {
            const QPoint at = r * (n < 200 ? QPoint(5 + s * (n % 10), 5 + s * (n / 10))
                                           : QPoint(10 + s * (10 + n % 4), 5 + s * (n / 4 - 50)));
            const QRect cell = QRect(at, QSize(device, device)) & screen.rect();
            // Scaled as by default: to the size given, by nearest neighbour.
            auto shows = [&](int i) {
                return stockImage(i).scaled(device, device).copy(cell.translated(-at)) ==
                       screen.copy(cell);
            };
            if (!cell.isEmpty() && std::ranges::none_of(std::views::iota(1, 11), shows))
                torn.append(" ").append(std::to_string(n + 1));
        }
        return torn.empty();
    };
    EXPECT_TRUE(WaitUntil(whole)) << "size " << s << ", cells without a stock picture:" << torn;
    EXPECT_TRUE(game.process.Running());
}

// A random real key, or pointer move (half with a click) anywhere from the board to the desktop,
// or now and then a menu choice that ends nothing: new game, pause, mouse steering, an item of
// "Скорость", "Цвет фона", "Цвета", "Появление".
void RandomInput(Blokka& game, std::mt19937& random) {
    auto pick = [&](int below) { return std::uniform_int_distribution(0, below - 1)(random); };
    if (const int kind = pick(150); kind == 0) {
        const int menu = pick(3) == 0 ? 0 : 1;
        const int item = menu == 0 ? pick(2) : pick(4) == 0 ? 6 : 2 + pick(4);
        game.Choose(menu, item, item > 1 && item < 6 ? pick(21) : -1);
    } else if (kind < 100) {  // a key by any X key code, named as on a US keyboard
        static xkb_keymap* const us = xkb_keymap_new_from_names(xkb_context_new({}), nullptr, {});
        const xkb_keysym_t* symbols = nullptr;
        char name[64];
        if (xkb_keymap_key_get_syms_by_level(us, unsigned(8 + pick(248)), 0, 0, &symbols) > 0 &&
            xkb_keysym_get_name(symbols[0], name, sizeof name) > 0)
            game.desk->Keys({name});
    } else {  // the pointer anywhere from the client area's top left to the desktop beside it
        game.desk->Click(game.client.x + pick(kWidth + 400), game.client.y + pick(600),
                         unsigned(std::max(0, pick(6) - 2)));
    }
}

TEST_P(Faults, AStormOfRandomRealInputAtEveryCellSizeLeavesTheGameWhole) {
    const char* const chosen = std::getenv("BLOKKA_FAULT_SEED");
    const unsigned seed = chosen ? unsigned(std::stoul(chosen)) : std::random_device{}();
    SCOPED_TRACE("BLOKKA_FAULT_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    Blokka game(GetParam());
    for (const int size : {12, 18, 24, 30}) {
        game.Choose(1, 0, size / 6 - 2);  // "Размер"
        const auto end = std::chrono::steady_clock::now() + (kLong ? 60s : 3s);
        for (; std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(1ms))
            RandomInput(game, random);  // about as fast as the program takes them
        ASSERT_NO_FATAL_FAILURE(ExpectAliveAndWhole(game, size));
    }
}

// Play, pause, random input with mouse steering and a size change, every menu item, and the
// end through the Escape key, so that the program exits by itself and its leaks are counted.
// A memory error, or a block definitely lost that no suppression puts down to a library, fails.
TEST(Memcheck, ASessionOfPlayPauseInputAndEveryMenuItemEndsWithoutMemoryErrorsOrLeaks) {
    const std::string log = "/tmp/blokka-memcheck-" + std::to_string(getpid()) + ".log";
    Blokka game(
        Server::X11,
        {"valgrind", "--leak-check=full", "--errors-for-leak-kinds=definite", "--error-exitcode=99",
         "--child-silent-after-fork=yes", "--suppressions=" BLOKKA_VALGRIND_SUPPRESSIONS,
         "--log-file=" + log, CommandUnderTest().back()},
        300s);
    // All in one go: X events queue in order and Qt hands keys to an open menu, so the program,
    // some thirty times slower here, takes each input in turn however late.
    game.desk->Keys({"Left", "Up", "Right", "Down", "space", "p", "p", "Escape", "Escape"});
    game.Choose(1, 6);     // "Управлять мышкой"
    game.Choose(1, 0, 0);  // "12х12"
    std::mt19937 random(1);
    for (int i = 0; i < 300; ++i) RandomInput(game, random);
    // Every item, and last of all "ESC" with "Закрыть игру".
    for (const int item : {0, 1}) game.Choose(0, item);
    for (const auto& [item, subs] :
         {std::pair{0, 4}, {2, 20}, {3, 3}, {4, 9}, {5, 4}, {6, 0}, {1, 4}})
        for (int sub = subs > 0 ? 0 : -1; sub < subs; ++sub) game.Choose(1, item, sub);
    game.desk->Keys({"Escape"});
    const int code = game.process.WaitExit(600s);
    const std::string report{std::istreambuf_iterator<char>(std::ifstream(log).rdbuf()), {}};
    EXPECT_EQ(code, 0) << report;  // valgrind's own code for an error or a leak, 99
    std::remove(log.c_str());
}

INSTANTIATE_TEST_SUITE_P(On, Faults, kServers, ServerName);

}  // namespace
}  // namespace blokka::e2e
