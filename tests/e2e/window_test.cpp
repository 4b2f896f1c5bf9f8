// The window and the one-instance rule.

#include <gtest/gtest.h>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

TEST(Window, OpensTitledAndDarkAndOutlivesASecondInstanceButNotAKillOrTheCloseBox) {
    XSession x;
    Blokka first(x);  // found by its title
    EXPECT_EQ(first.client().width, 265);
    EXPECT_EQ(first.client().height, 370);
    first.Keys({"p"});  // a still board to look at
    const Board b = first.Read();
    // Dark empty cells, and perhaps the first figure when its tick came before the pause.
    for (int n = 1; n <= 208; ++n)
        EXPECT_TRUE(Board::Block(b.At(n)) || b.At(n) == Board::kDark) << n;
    const Image client = x.Grab(first.client());
    // The grey margins: left of the board, between board and box, below the board.
    for (const auto& [px, py] : {std::pair{0, 0}, {4, 100}, {187, 20}, {264, 369}, {100, 367}}) {
        EXPECT_EQ(client.At(px, py), kWindowGrey) << px << "," << py;
    }

    x.TakeMapCount();
    Process second({BLOKKA_BINARY});
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(x.TakeMapCount(), 0) << "the second instance showed a window";
    first.Keys({"p"});
    EXPECT_FALSE(first.Changed(b) == b) << "the first instance's game stopped";
    EXPECT_EQ(x.Mapped(false, kTitle).size(), 1u);

    first.process().Kill();
    EXPECT_TRUE(WaitUntil([&] { return x.Mapped(false, kTitle).empty(); }));
    Blokka next(x);
    x.RequestClose(next.window());
    EXPECT_TRUE(next.process().WaitExit());
}

TEST(Window, OfTwoInstancesStartedTogetherExactlyOneStays) {
    XSession x;
    Process a({BLOKKA_BINARY}), b({BLOKKA_BINARY});
    ASSERT_TRUE(WaitUntil([&] { return !a.Running() || !b.Running(); })) << "both keep running";
    EXPECT_TRUE(WaitUntil([&] { return x.Mapped(false, kTitle).size() == 1; }));
    EXPECT_NE(a.Running(), b.Running()) << "no instance stayed";
}

}  // namespace
}  // namespace blokka::e2e
