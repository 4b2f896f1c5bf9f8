// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game record: every variable of a game in one place, owned by the main window.

#include <array>
#include <cassert>
#include <cstdint>

namespace blokka {

using Integer = std::int16_t;  // the record's whole numbers
using Byte = std::uint8_t;     // its flags and small counters

// A fixed array indexed from 1, written A(i) as the game's rules are.
template <typename T, int N>
class OneBased {
public:
    constexpr T& operator()(int i) {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    constexpr const T& operator()(int i) const {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    constexpr void Fill(T value) { items_.fill(value); }
    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }
    static constexpr int size() { return N; }
    friend constexpr bool operator==(const OneBased&, const OneBased&) = default;

private:
    std::array<T, N> items_{};
};

inline constexpr int kBoardCells = 200;  // 10 columns by 20 rows, numbered row by row
inline constexpr int kBoardColumns = 10;
inline constexpr int kBoxFirst = 201;  // the next-figure box: 201..204 on top, 205..208 below
inline constexpr int kDisplayCells = 208;
inline constexpr int kColors = 7;

// Row and column (both from 1) of board cell n.
constexpr int RowOf(int n) { return (n - 1) / kBoardColumns + 1; }
constexpr int ColumnOf(int n) { return (n - 1) % kBoardColumns + 1; }

// Cell states.
inline constexpr Integer kEmpty = 0;
inline constexpr Integer kFixed = 1;
inline constexpr Integer kFalling = 2;

// The record starts zero-filled; start-up sets the defaults.
struct GameState {
    OneBased<Integer, kBoardCells> CellState;  // 0 empty, 1 fixed, 2 falling
    OneBased<Integer, kBoardCells> CellColor;  // 0 empty, 1..7 picture of the cell's colour
    OneBased<Integer, kBoardCells> CellDirty;  // 1 = to be repainted by the next drawing pass

    Integer CurType = 0;    // type of the falling figure, 0 when none falls
    Integer CurColor = 0;   // its colour
    Integer NextType = 0;   // the figure waiting in the next-figure box, 0 before the first spawn
    Integer NextColor = 0;  // its colour
    Integer Pivot = 0;      // anchor cell of the falling figure
    Integer Rotation = 0;   // orientation of the falling figure
    Integer CellArg = 0;    // operand cell of SetFigureCell and ClearCell
    Integer GameOver = 0;   // 1 after a new figure did not fit
    Integer Score = 0;      // removed rows, at most 32000

    OneBased<Byte, kColors> ColorOn;  // 1 = colour k may be given to a new figure
    Byte RepeatMode = 0;              // further figures of a newly chosen type: 0, 1 or 2
    Byte RepeatLeft = 0;              // repeats still due for the waiting type
    Byte InTurn = 0;                  // 1 = types come in turn 1..7
    Byte BackMode = 0;                // background of empty cells: 1, 2 or 3
    Integer CellSize = 0;             // edge of a display cell in pixels
    Byte EscAction = 0;               // 0 nothing, 1 pause, 2 pause and minimise, 3 close
    Byte MouseMode = 0;               // 1 = the mouse steers the figure
    Integer MouseCell = 0;            // display cell last under the pointer while running

    friend bool operator==(const GameState&, const GameState&) = default;
};

}  // namespace blokka
