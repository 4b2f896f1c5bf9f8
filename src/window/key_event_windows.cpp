// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>

#include "window/key_map.h"

namespace blokka {

namespace {

// Virtual-key codes are bytes; 0 and 255 name no key.
constexpr quint32 kLastVirtualKey = 254;

}  // namespace

// Windows gives every key event the virtual-key code the game reads, whatever the layout: the
// keypad, Pause and the Russian letters need no table. An event made by a program rather than
// the keyboard carries none and is translated from Qt's key like everywhere else.
std::int16_t keyEventCode(const QKeyEvent& event) {
    const quint32 native = event.nativeVirtualKey();
    if (native != 0 && native <= kLastVirtualKey) return static_cast<std::int16_t>(native);
    return virtualKeyCode(event.key(), event.modifiers());
}

}  // namespace blokka
