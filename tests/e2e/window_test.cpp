// The window and the one-instance rule.

#include <gtest/gtest.h>

#include "blokka_driver.h"

namespace blokka::e2e {
namespace {

TEST(Window, OpensTitledAndDarkRunsOnceEvenWhenStartedTwiceAtOnceAndEndsByKillOrCloseBox) {
    XSession x;
    Blokka first(x);  // found by its title
    EXPECT_EQ(first.client().width, 265);
    EXPECT_EQ(first.client().height, 370);
    const Board b = first.After({"p"});  // a still board to look at
    // Dark empty cells, and perhaps the first figure when its tick came before the pause.
    for (int n = 1; n <= 208; ++n)
        EXPECT_TRUE(Board::Block(b.At(n)) || b.At(n) == Board::kDark) << n;

    x.TakeMapCount();
    Process second({BinaryUnderTest()});
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(x.TakeMapCount(), 0) << "the second instance showed a window";
    x.Keys({"p"});
    EXPECT_FALSE(first.Changed(b) == b) << "the first instance's game stopped";

    first.process().Kill();
    EXPECT_TRUE(WaitUntil([&] { return x.Mapped(false, kTitle).empty(); }));
    Blokka next(x);
    x.RequestClose(x.Mapped(false, kTitle).at(0).first);
    EXPECT_TRUE(next.process().WaitExit());

    Process one({BinaryUnderTest()}), other({BinaryUnderTest()});
    ASSERT_TRUE(WaitUntil([&] { return !one.Running() || !other.Running(); })) << "both run";
    EXPECT_TRUE(WaitUntil([&] { return x.Mapped(false, kTitle).size() == 1; }));
    EXPECT_NE(one.Running(), other.Running()) << "of two started together none stayed";
}

}  // namespace
}  // namespace blokka::e2e
