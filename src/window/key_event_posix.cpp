// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>

#include "window/key_map.h"

namespace blokka {

// X11 and Wayland report key symbols, not virtual keys: the key table translates Qt's key, or
// the key's place where its symbol tells nothing. Both report the place as the X11 key code.
std::int16_t keyEventCode(const QKeyEvent& event) {
    return virtualKeyCode(event.key(), event.modifiers(), event.nativeScanCode());
}

}  // namespace blokka
