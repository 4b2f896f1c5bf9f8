// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace blokka {

// Makes the application's font the one the desktop uses for its dialogs and menus, where Qt's
// own choice can differ from it.
void usePlatformFonts();

}  // namespace blokka
