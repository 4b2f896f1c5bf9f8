// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The key codes the key handler understands: the virtual-key numbers of the usual desktop
// keyboard, which the window layer translates every key press into.

#include <cstdint>

namespace blokka::vk {

inline constexpr std::int16_t Pause = 19;
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t Space = 32;
inline constexpr std::int16_t PageUp = 33;
inline constexpr std::int16_t PageDown = 34;
inline constexpr std::int16_t Left = 37;
inline constexpr std::int16_t Up = 38;
inline constexpr std::int16_t Right = 39;
inline constexpr std::int16_t Down = 40;
inline constexpr std::int16_t A = 65;
inline constexpr std::int16_t D = 68;
inline constexpr std::int16_t P = 80;
inline constexpr std::int16_t S = 83;
inline constexpr std::int16_t W = 87;
inline constexpr std::int16_t NumpadPlus = 107;
inline constexpr std::int16_t NumpadMinus = 109;
inline constexpr std::int16_t F2 = 113;
inline constexpr std::int16_t Plus = 187;   // the plus (equals) key of the main keyboard
inline constexpr std::int16_t Minus = 189;  // the minus key of the main keyboard

}  // namespace blokka::vk
