// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/platform_fonts.h"

namespace blokka {

// Qt takes the desktop's font from the platform theme or fontconfig already.
void usePlatformFonts() {}

}  // namespace blokka
