// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's icon: a red Z of four bevelled cells on the dark grid of empty cells.

#include <QIcon>
#include <QImage>

#include "window/icon_layout.h"

namespace blokka {

// The sizes of the desktop's icon theme, as the package installs them.
inline constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256};

// The icon drawn at `size` by `size` pixels.
QImage drawAppIcon(int size);

QIcon makeAppIcon();

}  // namespace blokka
