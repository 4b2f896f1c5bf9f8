// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's entry points: the page's script starts the game with them and hands it every
// event, as the desktop's main window does. Each runs its handler to the end, unless the game
// has ended, and then brings what changed onto the canvas.

#include <array>
#include <memory>
#include <string_view>

#include "core/game.h"
#include "window/icon_layout.h"
#include "window/web/page_imports.h"
#include "window/web/web_icon.h"
#include "window/web/web_keys.h"
#include "window/web/web_window_layer.h"

#define BLOKKA_ENTRY_POINT(name) extern "C" __attribute__((export_name(#name)))

namespace blokka {

namespace {

// Key modifiers as the script passes them.
constexpr int kShift = 1;

// Where the pointer is, as the script passes it: over a menu element it is the element's id.
constexpr int kOverCanvas = 0;

struct Page {
    Page(WebWindowLayer::Lock lock, const WebWindowLayer::Screen& screen) : layer(lock, screen) {
        layer.Attach(game);
    }

    // Runs a menu entry's handler, as a click on it does.
    void Choose(const MenuEntry* entry) {
        if (entry != nullptr && entry->click != nullptr) (game.*entry->click)();
    }

    WebWindowLayer layer;
    Game game{layer};
    // The KeyboardEvent.code of the key being pressed, written here by the script.
    std::array<char, 32> code{};
};

// A desktop's mouse button numbers for the browser's.
constexpr Integer GameButton(int button) {
    switch (button) {
        case 0:
            return 1;
        case 1:
            return 4;
        case 2:
            return 2;
        default:
            return 0;
    }
}

bool Live(const Page* page) { return page != nullptr && !page->layer.Ended(); }

void Finish(Page* page) {
    if (Live(page)) page->layer.Flush();
}

}  // namespace

}  // namespace blokka

using blokka::Page;

// Starts the game after the page asked for the one-copy lock: `lock` is a WebWindowLayer::Lock,
// the rest a WebWindowLayer::Screen. Returns nothing when the game ended during start-up, as a
// second copy does.
BLOKKA_ENTRY_POINT(blokka_start)
Page* blokka_start(int lock, double ratio, double width, double height, int deviceWidth,
                   int deviceHeight) {
    auto page = std::make_unique<Page>(
        static_cast<blokka::WebWindowLayer::Lock>(lock),
        blokka::WebWindowLayer::Screen{ratio, width, height, deviceWidth, deviceHeight});
    page->game.Form_Load();
    if (!blokka::Live(page.get())) return nullptr;
    for (int size : blokka::kWindowIconSizes) {
        const std::vector<std::uint32_t> icon = blokka::DrawWebIcon(size);
        page_icon(icon.data(), size);
    }
    page->layer.Flush();
    return page.release();
}

BLOKKA_ENTRY_POINT(blokka_key_code) char* blokka_key_code(Page* page) { return page->code.data(); }

BLOKKA_ENTRY_POINT(blokka_tick) void blokka_tick(Page* page) {
    if (blokka::Live(page) && page->layer.TimerEnabled()) page->game.tmrMain_Timer();
    blokka::Finish(page);
}

// A key pressed (or repeated) with `modifiers` (shift 1, control 2, alt 4, meta 8), its code
// already in blokka_key_code. Returns whether the browser's own use of the key is to be
// prevented: the browser keeps every key pressed with control, alt or meta.
BLOKKA_ENTRY_POINT(blokka_key) int blokka_key(Page* page, int keyCode, int modifiers) {
    if (!blokka::Live(page)) return 0;
    page->code.back() = '\0';
    const std::int16_t code = blokka::VirtualKeyCode(keyCode, page->code.data());
    blokka::WebMenuBar& menus = page->layer.Menus();
    const bool menuOpen = menus.IsOpen();
    if (const blokka::MenuEntry* item = modifiers == 0 ? menus.Shortcut(code) : nullptr) {
        page->Choose(item);
    } else if (menuOpen) {
        page->Choose(menus.OnKey(code));
    } else if (code != 0) {
        page->game.Form_KeyDown(code);
    }
    blokka::Finish(page);
    return (modifiers & ~blokka::kShift) == 0 && (menuOpen || blokka::BrowserActsOn(code));
}

// The pointer moved (0), was pressed (1) or released (2) with `button` (the browser's number)
// at (x, y) of the client area, over menu element `over`, over the canvas (0) or elsewhere (-1).
// Returns whether the browser's own use of a press is to be prevented.
BLOKKA_ENTRY_POINT(blokka_pointer)
int blokka_pointer(Page* page, int deed, int over, double x, double y, int button) {
    if (!blokka::Live(page)) return 0;
    blokka::WebMenuBar& menus = page->layer.Menus();
    const auto pointer = static_cast<blokka::WebMenuBar::Pointer>(deed);
    const bool taken = over > 0 || menus.IsOpen();
    if (taken) {
        // An open menu takes the pointer: a press elsewhere only closes it.
        if (pointer == blokka::WebMenuBar::Pointer::Move || button == 0) {
            page->Choose(menus.OnPointer(over, pointer));
        } else if (pointer == blokka::WebMenuBar::Pointer::Press) {
            menus.CloseAll();
        }
    } else if (over == blokka::kOverCanvas) {
        const int k = page->layer.CellAt(x, y);
        const blokka::Integer gameButton = blokka::GameButton(button);
        if (k != 0 && pointer == blokka::WebMenuBar::Pointer::Move) {
            page->game.Img_MouseMove(static_cast<blokka::Integer>(k));
        } else if (k != 0 && pointer == blokka::WebMenuBar::Pointer::Press && gameButton != 0) {
            page->game.Img_MouseDown(static_cast<blokka::Integer>(k), gameButton);
        }
    }
    blokka::Finish(page);
    return pointer == blokka::WebMenuBar::Pointer::Press && (taken || over == blokka::kOverCanvas);
}

// The client area or its device pixels changed: the rest is a WebWindowLayer::Screen.
BLOKKA_ENTRY_POINT(blokka_screen)
void blokka_screen(Page* page, double ratio, double width, double height, int deviceWidth,
                   int deviceHeight) {
    if (blokka::Live(page))
        page->layer.SetScreen({ratio, width, height, deviceWidth, deviceHeight});
    blokka::Finish(page);
}
