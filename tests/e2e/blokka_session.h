// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real program as a player meets it on a private display server, X11 or Wayland: its window,
// its display cells read from screen pixels, real keys and clicks, its menus.

#include <gtest/gtest.h>
#include <sched.h>

#include <cstdlib>
#include <memory>

#include "view/client_area.h"
#include "wayland_client.h"
#include "x11_client.h"

namespace blokka::e2e {

using namespace support;

inline constexpr int kWidth = kClientWidth, kHeight = kClientHeight;
inline constexpr std::uint32_t kDarkInside = 0x313431, kGrey = 0x808080;

// The program under test: this build's, or the one BLOKKA_UNDER_TEST names (an installed copy,
// or a Windows program, which runs under the Wine wrapper BLOKKA_WINE names or, by default, the
// one of the Windows build beside it).
inline Strings CommandUnderTest() {
    const char* chosen = std::getenv("BLOKKA_UNDER_TEST");
    const std::string program = chosen != nullptr && *chosen != '\0' ? chosen : BLOKKA_BINARY;
    if (!program.ends_with(".exe")) return {program};
    const char* wine = std::getenv("BLOKKA_WINE");
    return {wine != nullptr ? wine : program.substr(0, program.rfind('/') + 1) + "wine-run",
            program};
}

// Xvfb, or a headless sway at two pixels to a point, in a network namespace of its own. The game
// allows one instance per user through an abstract socket, which belongs to a network namespace:
// in a new one the program under test meets no other copy of the game. Where the build found
// namespaces allowed, the tests of the real program run side by side on that.
enum class Server { X11, Wayland };
inline std::unique_ptr<Desktop> StartDesktop(Server server) {
    if (unshare(CLONE_NEWNET) != 0 && BLOKKA_SIDE_BY_SIDE) throw std::runtime_error("no namespace");
    if (server == Server::X11) return std::make_unique<x11::Client>(true);
    return std::make_unique<wayland::Client>(2);
}

// The tests that run on either.
struct OnEither : ::testing::TestWithParam<Server> {
    void SetUp() override {
        if (GetParam() == Server::Wayland &&
            std::system("unshare -U --map-user=1000 --map-group=1000 true") != 0)
            GTEST_SKIP() << "Wayland tests skipped: no user namespace for sway, which refuses root";
    }
};
inline const auto kServers = ::testing::Values(Server::X11, Server::Wayland);
inline std::string ServerName(const ::testing::TestParamInfo<Server>& info) {
    return info.param == Server::X11 ? "X11" : "Wayland";
}

// The program on a private display server, started by `command`, which may take `patience` to
// show.
struct Blokka {
    explicit Blokka(Server server, Strings command = CommandUnderTest(),
                    std::chrono::seconds patience = 20s)
        : wayland(server == Server::Wayland), desk(StartDesktop(server)), process(command) {
        auto shown = [&] {
            desk->TakeShown(), frame = desk->place;
            client = {frame.x, frame.y + frame.height - kHeight, kWidth, kHeight};
            return frame.width >= kWidth && frame.height > kHeight && Cells()[0] == '.';
        };
        if (!WaitUntil(shown, patience)) throw std::runtime_error("the game showed no board");
    }
    // A pixel of the client area in the picture last taken; rows above 0 are the menu bar's.
    std::uint32_t At(int px, int py) const {
        return picture.At(px * picture.scale, (py + frame.height - kHeight) * picture.scale);
    }
    // The display cells at the start-up size, 0..199 the board and 200..207 the next-figure
    // box: '#' where the middle of a cell shows a block, '.' where it shows a dark empty one.
    std::string Cells() {
        std::string cells;
        picture = desk->Take(frame);
        for (int n = 0; n < 208; ++n) {
            const int px = n < 200 ? 14 + 18 * (n % 10) : 199 + 18 * (n % 4);
            cells += "#."[At(px, 14 + 18 * (n < 200 ? n / 10 : n / 4 - 50)) == kDarkInside];
        }
        return cells;
    }
    // Item `item` of bar menu `menu` (0 "Игра", 1 "Настройки") and item `sub` of its submenu
    // unless -1, counted from 0 as keys reach them: greyed items and separators left out, and
    // past the last round to the first. A click opens the bar menu and keys walk it. On X11 the
    // server and Qt keep clicks and keys in order, so that a session's input may be queued at
    // once; a Wayland menu takes keys only once it shows, so there they wait for it to cover the
    // client area's grey margin, and the next input waits for it to go.
    void Choose(int menu, int item, int sub = -1) {
        Strings keys{menu == 0 ? "Down" : "Right"};  // the click chose no item
        keys.insert(keys.end(), size_t(item), "Down");
        if (sub >= 0) keys.push_back("Right"), keys.insert(keys.end(), size_t(sub), "Down");
        keys.push_back("Return");
        auto open = [&] {
            return desk->Take({client.x + 20, client.y + 2, 1, 1}).At(0, 0) != kGrey;
        };
        desk->Click(frame.x + 15, client.y - 10, 1);
        if (wayland && !WaitUntil(open)) throw std::runtime_error("no menu opened");
        desk->Keys(keys);
        if (wayland) WaitUntil([&] { return !open(); });
    }

    bool wayland;
    std::unique_ptr<Desktop> desk;
    Process process;
    Rect frame, client;
    Picture picture;
};

}  // namespace blokka::e2e
