// A whole session of the real program under valgrind's memcheck: play, pause, random input,
// every menu item, and the end through the Escape key, so that the program exits by itself and its
// leaks are counted. Any memory error, or a block definitely lost that the suppressions do not put
// down to a library, fails the run.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

// Before Xlib, whose None macro would replace the menu item of that name.
#include "settings/menu_tree.h"

#include "blokka_driver.h"
#include "storm_input.h"

namespace blokka::e2e {
namespace {

// Under memcheck the program runs dozens of times slower: every wait is long.
constexpr std::chrono::milliseconds kPatience = 120s;

// The number of items, separators left out, of the popup `path` leads to from bar menu `menu`.
size_t ItemCount(int menu, const std::vector<int>& path) {
    auto items = [](size_t parent) {
        std::vector<size_t> found;
        for (size_t i = parent + 1;
             i < kMenuTree.size() && kMenuTree[i].depth > kMenuTree[parent].depth; ++i)
            if (kMenuTree[i].depth == kMenuTree[parent].depth + 1 &&
                kMenuTree[i].kind != MenuKind::Separator)
                found.push_back(i);
        return found;
    };
    size_t at = 0;
    for (int bar = menu; bar > 0; --bar) do
            ++at;
        while (kMenuTree[at].depth != 0);
    for (const int step : path) at = items(at).at(size_t(step));
    return items(at).size();
}

TEST(Memcheck, ASessionOfPlayPausesAndEveryMenuItemEndsWithoutMemoryErrorsOrLeaks) {
    const std::string log = (std::filesystem::temp_directory_path() /
                             ("blokka-memcheck-" + std::to_string(getpid()) + ".log"))
                                .string();
    XSession x;
    Blokka game(
        x,
        {"valgrind", "--tool=memcheck", "--leak-check=full", "--errors-for-leak-kinds=definite",
         "--error-exitcode=99", "--child-silent-after-fork=yes",
         "--suppressions=" BLOKKA_VALGRIND_SUPPRESSIONS, "--log-file=" + log, BinaryUnderTest()},
        kPatience);
    // Every step waits for its effect on the board, so none is lost to the program's slowness.
    auto play = [&](const Strings& keys) {
        const Board before = game.Read();
        x.Keys(keys);
        game.Changed(before, kPatience);
    };
    play({});  // a tick
    play({"Left", "Up", "Right", "Down"});
    play({"space"});
    play({"p", "p"});
    play({"Escape", "Escape"});  // pause and resume, as the game starts

    // A popup may be read before the slowed program has painted all of it: it is read again
    // until it shows every item it has.
    auto open = [&](Menu menu, const std::vector<int>& path) {
        while (game.process().Running()) {
            const PopupMenu popup = game.Open(menu, {path.begin(), path.end() - 1});
            if (popup.items.size() == ItemCount(menu, {path.begin(), path.end() - 1})) return popup;
            game.CloseMenus();
        }
        throw std::runtime_error("the program ended during the session");
    };
    auto click = [&](Menu menu, const std::vector<int>& path) {
        x.Click(open(menu, path).Centre(path.back()), 1);
        WaitUntil([&] { return x.Mapped(true).empty(); }, kPatience);
        game.ParkPointer();
    };
    auto choose = [&](Menu menu, int item, int first, int end) {
        for (int k = first; k < end; ++k) click(menu, {item, k});
    };
    // The hints of "Скорость" do nothing and leave the menu open.
    auto clickHint = [&](int hint) {
        x.Click(open(kOptions, {2, hint}).Centre(hint), 1);
        game.CloseMenus();
    };
    // Random keys and clicks in and around the window, with mouse steering on and off and a
    // change of cell size on the way.
    std::mt19937 random(1);
    const Rect c = game.client();
    for (int batch = 0; batch < 30; ++batch) {
        x.Xdotool(StormBatch(random, 30, [&] {
            return Point{c.x + Pick(random, c.width + 100), c.y + Pick(random, c.height + 50)};
        }));
        if (batch == 10) click(kOptions, {6});     // "Управлять мышкой"
        if (batch == 20) click(kOptions, {0, 0});  // "12х12"
    }
    click(kGame, {0});  // "Заново", which also ends a pause or a lost game the storm left
    click(kGame, {1});  // "Пауза"
    play({"p"});
    for (const int size : {0, 2, 3, 1}) click(kOptions, {0, size});  // back to 18x18
    clickHint(0);
    choose(kOptions, 2, 1, 21);  // "Скорость"
    clickHint(21);
    choose(kOptions, 3, 0, 3);  // "Цвет фона", back to dark
    choose(kOptions, 4, 0, 9);  // "Цвета"
    choose(kOptions, 5, 0, 4);  // "Появление"
    click(kOptions, {6});       // "Управлять мышкой"
    x.MovePointer(game.CellCentre(45));
    x.Click(game.CellCentre(45), 3);
    x.Click(game.CellCentre(45), 1);
    game.ParkPointer();
    choose(kOptions, 1, 0, 4);  // "ESC", "Закрыть игру" last
    x.Keys({"Escape"});

    const bool ended = game.process().WaitExit(2 * kPatience);
    std::stringstream report;
    report << std::ifstream(log).rdbuf();
    ASSERT_TRUE(ended) << "the program did not end on Escape\n" << report.str();
    EXPECT_EQ(game.process().ExitCode(), 0) << report.str();
    EXPECT_NE(report.str().find("ERROR SUMMARY: 0 errors"), std::string::npos) << report.str();
    std::filesystem::remove(log);
}

}  // namespace
}  // namespace blokka::e2e
