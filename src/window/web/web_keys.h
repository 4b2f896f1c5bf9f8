// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Translation of the browser's key events into the virtual-key codes the game's key handler
// reads.

#include <cstdint>
#include <string_view>

namespace blokka {

// The virtual-key code of a key event with `keyCode` and `code` (KeyboardEvent's fields), or 0
// for a key that has none. Chromium's keyCode is that code for every key and layout; where a
// browser gives none, or numbers a key of the main keyboard otherwise (Firefox's ; = - and
// Meta), the key's place, `code`, tells it.
std::int16_t VirtualKeyCode(int keyCode, std::string_view code);

// Whether the browser would act on the key itself (scroll, open its own windows, stop loading)
// when the game has it.
bool BrowserActsOn(std::int16_t code);

}  // namespace blokka
