// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What only the Windows program has, under Wine.
#include <gtest/gtest.h>

#include "blokka_session.h"

namespace blokka::e2e {
namespace {

// Alt+F4 is the system's own way to close a window: the game takes every key, but not that one.
TEST(Windows, AltF4EndsTheProgram) {
    Blokka game(Server::X11);
    auto& x = static_cast<x11::Client&>(*game.desk);  // only X11 holds keys
    x.Key(x.Code("Alt_L"), true), x.Keys({"F4"}), x.Key(x.Code("Alt_L"), false);
    XFlush(x.display);
    ASSERT_TRUE(game.process.WaitExit());
    EXPECT_EQ(game.process.ExitCode(), 0);
}

}  // namespace
}  // namespace blokka::e2e
