// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The menu items that carry a check mark or a click handler, by the names the game marks and
// handles them by. Where each stands in the menu bar and what it reads is the menu tree's.

#include <cstdint>

namespace blokka {

enum class MenuItem : std::uint8_t {
    None,
    mnuNew,
    mnuPause,
    mnuSize12,
    mnuSize18,
    mnuSize24,
    mnuSize30,
    mnuESC0,
    mnuESC1,
    mnuESC2,
    mnuESC3,
    mnuPageUp,
    mnuSpeed50,
    mnuSpeed100,
    mnuSpeed150,
    mnuSpeed200,
    mnuSpeed250,
    mnuSpeed300,
    mnuSpeed350,
    mnuSpeed400,
    mnuSpeed450,
    mnuSpeed500,
    mnuSpeed550,
    mnuSpeed600,
    mnuSpeed650,
    mnuSpeed700,
    mnuSpeed750,
    mnuSpeed800,
    mnuSpeed850,
    mnuSpeed900,
    mnuSpeed950,
    mnuSpeed1000,
    mnuPageDown,
    mnuBackColor1,
    mnuBackColor2,
    mnuBackColor3,
    mnuColors7,
    mnuColor1,
    mnuColor2,
    mnuColor3,
    mnuColor4,
    mnuColor5,
    mnuColor6,
    mnuColor7,
    mnuColors1,
    mnuFigures0,
    mnuFigures1,
    mnuFigures2,
    mnuFiguresABC,
    mnuMouse,
    Count
};

// The option groups whose items each stand for one value of a setting, and carry one mark
// between them, or switch one colour on and off.
enum class MenuGroup : std::uint8_t { None, Size, Escape, Speed, Back, Color, Repeat };

inline constexpr int kMenuItemCount = static_cast<int>(MenuItem::Count);

}  // namespace blokka
