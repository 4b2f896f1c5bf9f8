// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real program as a player meets it on a private X server: its window, its display cells
// read from screen pixels, its menus opened with a real click on the bar and walked by keyboard.

#include <cstdlib>
#include <optional>

#include "view/client_area.h"
#include "x11_client.h"

namespace blokka::e2e {

using namespace x11;

inline constexpr int kWidth = kClientWidth, kHeight = kClientHeight;
inline constexpr std::uint32_t kDarkInside = 0x313431;

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

// The keys that choose, once a click has opened "Игра", item `item` (from 0, separators left
// out) of bar menu `menu` (0 "Игра", 1 "Настройки") and item `sub` of its submenu.
inline Strings MenuKeys(int menu, int item, int sub = -1) {
    Strings keys{menu == 0 ? "Down" : "Right"};  // the click chose no item
    keys.insert(keys.end(), size_t(item), "Down");
    if (sub >= 0) keys.push_back("Right"), keys.insert(keys.end(), size_t(sub), "Down");
    return keys.push_back("Return"), keys;
}

// The program on a private X server, started by `command`, which may take `patience` to show.
struct Blokka {
    explicit Blokka(Strings command = CommandUnderTest(), std::chrono::seconds patience = 20s)
        : process(command) {
        auto shown = [&] {
            for (const Window mapped : x.TakeMapped()) window = mapped, frame = x.Place(mapped);
            client = {frame.x, frame.y + frame.height - kHeight, kWidth, kHeight};
            return window != 0 && (screen.emplace(x.display, frame), Pixel(14, 14) == kDarkInside);
        };
        if (!WaitUntil(shown, patience)) throw std::runtime_error("the game showed no board");
        x.Focus(window);
    }
    // A pixel of the client area as it is now; rows above 0 are the menu bar's.
    std::uint32_t Pixel(int px, int py) { return screen->Take(), At(px, py); }
    std::uint32_t At(int px, int py) const { return screen->At(px, py + frame.height - kHeight); }
    // The display cells at the start-up size, 0..199 the board and 200..207 the next-figure
    // box: '#' where the middle of a cell shows a block, '.' where it shows a dark empty one.
    std::string Cells() {
        std::string cells;
        screen->Take();
        for (int n = 0; n < 208; ++n) {
            const int px = n < 200 ? 14 + 18 * (n % 10) : 199 + 18 * (n % 4);
            cells += "#."[At(px, 14 + 18 * (n < 200 ? n / 10 : n / 4 - 50)) == kDarkInside];
        }
        return cells;
    }
    // Opens "Игра" with a click on its caption, then presses `keys` (see MenuKeys).
    void Choose(const Strings& keys) { x.Click(frame.x + 15, client.y - 10, 1), x.Keys(keys); }

    Client x{true};
    Process process;
    Window window = 0;
    Rect frame, client;
    std::optional<Grab> screen;
};

}  // namespace blokka::e2e
