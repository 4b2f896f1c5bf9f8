// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Translation of Qt key events into the virtual-key codes the game's key handler reads.

#include <QtCore/qnamespace.h>

#include <cstdint>

class QKeyEvent;

namespace blokka {

// The virtual-key code of `key` pressed with `modifiers` at X11 key code `keyCode`, or 0 for a key
// that has none. The keypad modifier tells the keypad's plus and minus from the main keyboard's;
// every other modifier is ignored, as the game ignores the shift state. Latin letters, digits,
// named keys and the punctuation of the US layout give their own code; any other symbol on the
// main keyboard (a Cyrillic or Greek letter, a letter with an accent) gives the code of its
// place, which `keyCode` names (0 for none).
std::int16_t virtualKeyCode(int key, Qt::KeyboardModifiers modifiers, std::uint32_t keyCode = 0);

// The virtual-key code of a key event. Windows reports it with the event, for every key and
// layout; elsewhere it is translated from Qt's key and the key's place by virtualKeyCode().
std::int16_t keyEventCode(const QKeyEvent& event);

}  // namespace blokka
