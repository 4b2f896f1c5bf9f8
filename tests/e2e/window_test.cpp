// The window and the one-instance rule.

#include <algorithm>

#include "blokka_test.h"

namespace blokka::e2e {
namespace {

bool ShowsDarkEmptyCell(const Board& b, int n) {
    const auto& edge = b.Edge(n);
    return b.Inside(n) == kDarkInside &&
           std::find(edge.begin(), edge.end(), kDarkFrame) != edge.end() &&
           std::all_of(edge.begin(), edge.end(),
                       [](std::uint32_t p) { return p == kDarkFrame || p == kDarkInside; });
}

TEST_F(DisplayTest, TheWindowOpensTitledWithItsClientAreaBelowTheMenuBarShowingTheDarkBoard) {
    Blokka game(x);
    EXPECT_GT(game.menuBarHeight(), 0);
    EXPECT_EQ(game.client().width, kClientWidth);
    EXPECT_EQ(game.client().height, kClientHeight);

    game.Keys({"p"});  // a still board to look at
    const Board b = game.Read();
    for (int n = 1; n <= 208; ++n) {
        if (b.At(n) > 0) continue;  // the figure, if the first tick came before the pause
        EXPECT_TRUE(ShowsDarkEmptyCell(b, n)) << "cell " << n << b.Picture();
    }
    const Image client = x.Grab(game.client());
    // The grey margins: left of the board, between board and box, below the board.
    for (const auto& [px, py] : {std::pair{0, 0}, {4, 100}, {187, 20}, {264, 369}, {100, 367}}) {
        EXPECT_EQ(client.At(px, py), kWindowGrey) << px << "," << py;
    }
}

TEST_F(GameTest, TheMenusOpenWithTheirItemsAndTheStartUpCheckMarks) {
    struct Expected {
        int menu;
        std::vector<int> path;
        size_t items;
        std::vector<int> checked;
    };
    const Expected menus[] = {
        {menu::kGame, {}, 2, {}},
        {menu::kOptions, {}, 7, {}},
        {menu::kOptions, {menu::kSize}, 4, {1}},                          // "18x18"
        {menu::kOptions, {menu::kEsc}, 4, {1}},                           // "Пауза"
        {menu::kOptions, {menu::kSpeed}, 22, {menu::SpeedItem(14)}},      // "14"
        {menu::kOptions, {menu::kBackground}, 3, {2}},                    // "Тёмный"
        {menu::kOptions, {menu::kColours}, 9, {0, 1, 2, 3, 4, 5, 6, 7}},  // all but "Один"
        {menu::kOptions, {menu::kFigures}, 4, {0}},                       // "Случайные"
    };
    for (const Expected& e : menus) {
        const PopupMenu popup = game->Open(e.menu, e.path);
        game->CloseMenus();
        const std::string where = "menu " + std::to_string(e.menu) + " item " +
                                  (e.path.empty() ? "-" : std::to_string(e.path.front()));
        EXPECT_EQ(popup.items.size(), e.items) << where;
        EXPECT_EQ(popup.CheckedItems(), e.checked) << where;
    }
}

TEST_F(DisplayTest, ASecondInstanceEndsWithoutAWindowAndTheFirstPlaysOn) {
    Blokka first(x);
    x.TakeMapCount();
    Process second({BLOKKA_BINARY}, x.display());
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(x.TakeMapCount(), 0);
    EXPECT_TRUE(first.process().Running());
    EXPECT_EQ(x.WindowsTitled(kTitle).size(), 1u);
    const Board before = first.Read();
    EXPECT_TRUE(first.ReadWhen([&](const Board& b) { return !(b == before); }))
        << "the first instance's game stopped";
}

TEST_F(DisplayTest, AfterTheRunningInstanceIsKilledANewStartSucceeds) {
    auto first = std::make_unique<Blokka>(x);
    first->process().Kill();
    EXPECT_TRUE(WaitUntil([&] { return x.WindowsTitled(kTitle).empty(); }));
    first.reset();
    Blokka second(x);
    EXPECT_TRUE(second.process().Running());
}

TEST_F(DisplayTest, OfTwoInstancesStartedTogetherExactlyOneStays) {
    Process a({BLOKKA_BINARY}, x.display());
    Process b({BLOKKA_BINARY}, x.display());
    ASSERT_TRUE(WaitUntil([&] { return !a.Running() || !b.Running(); }))
        << "both instances keep running";
    Process& survivor = a.Running() ? a : b;
    EXPECT_TRUE(WaitUntil([&] { return x.WindowsTitled(kTitle, survivor.pid()).size() == 1; }));
    EXPECT_TRUE(survivor.Running()) << "no instance stayed";
    EXPECT_EQ(x.WindowsTitled(kTitle).size(), 1u);
}

TEST_F(DisplayTest, ClosingTheWindowEndsTheProgram) {
    Blokka game(x);
    x.RequestClose(game.window());
    EXPECT_TRUE(game.process().WaitExit());
}

}  // namespace
}  // namespace blokka::e2e
