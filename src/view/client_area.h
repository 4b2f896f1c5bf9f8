// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's client area as it opens, in pixels: it fits the layout of the start-up cell
// size, and the program never changes it.

namespace blokka {

inline constexpr int kClientWidth = 265;
inline constexpr int kClientHeight = 370;

}  // namespace blokka
