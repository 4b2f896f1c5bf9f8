// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace blokka {

// Int(n * r) + 1 for a uniform r in [0, 1): a whole number 1..n with equal chance. The clamp
// keeps a source that rounds up to exactly 1 from picking n + 1.
constexpr int RandomWhole(float r, int n) {
    const int value = static_cast<int>(static_cast<float>(n) * r) + 1;
    return value > n ? n : (value < 1 ? 1 : value);
}

}  // namespace blokka
