// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the icon's cells lie: a red Z of four bevelled cells on the dark grid of empty cells, a
// quarter of the icon a cell. Every platform draws its icon from this.

#include <array>

#include "view/stock_pictures.h"

namespace blokka {

// The sizes offered to the window system for title bars, task switchers and tabs. Every other
// size, a dense screen's doubled ones included, is drawn on request at its own size.
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48};

inline constexpr int kIconGrid = 4;  // cells per side
inline constexpr int kIconRedPicture = 1;

struct IconCell {
    int column, row;
};

// The Z: two cells in the upper row, two in the lower row one column to the right. It is three
// cells wide; half a cell of grid on either side centres it.
inline constexpr std::array kIconZ = std::to_array<IconCell>({{0, 1}, {1, 1}, {1, 2}, {2, 2}});

constexpr int IconCellEdge(int size) { return size / kIconGrid; }
constexpr int IconShift(int size) { return IconCellEdge(size) / 2; }

// The stock picture of grid cell (column, row), counted from the shifted grid's origin.
constexpr int IconPicture(int column, int row) {
    for (const IconCell& c : kIconZ) {
        if (c.column == column && c.row == row) return kIconRedPicture;
    }
    return kDarkPicture;
}

}  // namespace blokka
