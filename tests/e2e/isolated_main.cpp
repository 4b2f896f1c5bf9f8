// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game allows one instance per user through an abstract socket, which belongs to a network
// namespace: in one of its own the program under test meets no other copy of the game.
#include <gtest/gtest.h>
#include <sched.h>

int main(int argc, char** argv) {
    // Where the build found namespaces allowed it lets the X tests run side by side.
    if (unshare(CLONE_NEWNET) != 0 && BLOKKA_SIDE_BY_SIDE) return std::puts("no namespace"), 1;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
