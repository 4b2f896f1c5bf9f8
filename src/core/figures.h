// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The seven figure types: where each comes in, its anchor, its picture in the next-figure box
// and its orientations as offsets from the anchor (10 * rows down + columns right).

#include <array>
#include <cstdint>

namespace blokka {

struct FigureType {
    std::array<std::int16_t, 4> spawnCells;  // written in this order when the figure comes in
    std::int16_t spawnPivot;
    std::array<std::int16_t, 4> boxCells;  // display cells 201..208 of the next-figure box
    std::int8_t orientationCount;
    std::array<std::array<std::int8_t, 4>, 4> orientations;  // the first orientationCount
};

inline constexpr int kFigureTypes = 7;

// Indexed by type 1..7; entry 0 is unused.
inline constexpr std::array<FigureType, 8> kFigures = {{
    {},
    // 1: four in a row           X P X X / . . . .
    {{4, 5, 6, 7}, 5, {201, 202, 203, 204}, 2, {{{-1, 0, 1, 2}, {-10, 0, 10, 20}}}},
    // 2:                         X . . . / X P X .
    {{4, 14, 15, 16},
     15,
     {201, 205, 206, 207},
     4,
     {{{-11, -1, 0, 1}, {-10, -9, 0, 10}, {-1, 0, 1, 11}, {-10, 0, 9, 10}}}},
    // 3:                         . . X . / X P X .
    {{6, 14, 15, 16},
     15,
     {203, 205, 206, 207},
     4,
     {{{-9, -1, 0, 1}, {-10, 0, 10, 11}, {-1, 0, 1, 9}, {-11, -10, 0, 10}}}},
    // 4: the square, shown in the left half of the box
    {{5, 6, 15, 16}, 5, {201, 202, 205, 206}, 1, {{{0, 1, 10, 11}}}},
    // 5:                         . P X . / X X . .
    {{5, 6, 14, 15}, 5, {202, 203, 205, 206}, 2, {{{0, 1, 9, 10}, {-11, -1, 0, 10}}}},
    // 6:                         . X . . / X P X .
    {{5, 14, 15, 16},
     15,
     {202, 205, 206, 207},
     4,
     {{{-10, -1, 0, 1}, {-10, 0, 1, 10}, {-1, 0, 1, 10}, {-10, -1, 0, 10}}}},
    // 7:                         X P . . / . X X .
    {{4, 5, 15, 16}, 5, {201, 202, 206, 207}, 2, {{{-1, 0, 10, 11}, {-10, -1, 0, 9}}}},
}};

// Every type comes in as its first orientation around its anchor: its four spawn cells, each
// a different one, are the anchor plus the offsets of orientation 0.
constexpr bool SpawnsInItsFirstOrientation(const FigureType& figure) {
    const auto& cells = figure.spawnCells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (cells[i] == cells[j]) return false;
        }
    }
    for (std::int16_t cell : cells) {
        bool found = false;
        for (int offset : figure.orientations[0])
            found = found || figure.spawnPivot + offset == cell;
        if (!found) return false;
    }
    return figure.orientationCount >= 1 && figure.orientationCount <= 4;
}
static_assert([] {
    for (int type = 1; type <= kFigureTypes; ++type) {
        if (!SpawnsInItsFirstOrientation(kFigures[static_cast<std::size_t>(type)])) return false;
    }
    return true;
}());

}  // namespace blokka
