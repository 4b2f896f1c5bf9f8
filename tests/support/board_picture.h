#pragma once
// Boards as small ASCII pictures, one string per row, so a test shows the position it means.
//   '.' empty    '#' fixed (colour 1)    '1'..'7' fixed in that colour    'o' falling (CurColor)
// BoardPicture draws fixed cells as '#' and falling ones as 'o'; ColorPicture draws every
// occupied cell as its colour digit.

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/figures.h"
#include "core/game.h"

namespace blokka::testing {

inline constexpr int kRows = 20;

// Writes the rows into the board starting at row `firstRow` (1 = top). Cells outside the
// picture keep their state. Nothing is marked dirty: the picture is the starting position.
inline void SetRows(GameState& game, int firstRow, std::initializer_list<std::string_view> rows) {
    int row = firstRow;
    for (std::string_view text : rows) {
        for (int column = 1; column <= kBoardColumns; ++column) {
            const int n = (row - 1) * kBoardColumns + column;
            const char c = text.at(static_cast<std::size_t>(column - 1));
            Integer state = kEmpty;
            Integer color = 0;
            if (c == '#') {
                state = kFixed;
                color = 1;
            } else if (c >= '1' && c <= '7') {
                state = kFixed;
                color = static_cast<Integer>(c - '0');
            } else if (c == 'o') {
                state = kFalling;
                color = game.CurColor != 0 ? game.CurColor : Integer{1};
            }
            game.CellState(n) = state;
            game.CellColor(n) = color;
            game.CellDirty(n) = 0;
        }
        ++row;
    }
}

// Writes the rows so that the last one is the bottom row 20.
inline void SetBottom(GameState& game, std::initializer_list<std::string_view> rows) {
    SetRows(game, kRows - static_cast<int>(rows.size()) + 1, rows);
}

inline std::string Picture(const GameState& game, int firstRow, int lastRow, bool colors) {
    std::string out;
    for (int row = firstRow; row <= lastRow; ++row) {
        if (row != firstRow) out += '\n';
        for (int column = 1; column <= kBoardColumns; ++column) {
            const int n = (row - 1) * kBoardColumns + column;
            const Integer state = game.CellState(n);
            if (state == kEmpty) {
                out += '.';
            } else if (colors) {
                out += static_cast<char>('0' + game.CellColor(n));
            } else {
                out += state == kFixed ? '#' : 'o';
            }
        }
    }
    return out;
}

// Rows firstRow..lastRow joined by '\n'.
inline std::string BoardPicture(const GameState& game, int firstRow, int lastRow) {
    return Picture(game, firstRow, lastRow, false);
}
inline std::string ColorPicture(const GameState& game, int firstRow, int lastRow) {
    return Picture(game, firstRow, lastRow, true);
}

// The sorted board cells of a figure of `type` in `rotation` anchored at `pivot`.
inline std::vector<int> FigureCells(int type, int rotation, int pivot) {
    std::vector<int> cells;
    for (int offset : kFigures.at(static_cast<std::size_t>(type))
                          .orientations.at(static_cast<std::size_t>(rotation))) {
        cells.push_back(pivot + offset);
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

// The sorted board cells in state 2.
inline std::vector<int> FallingCells(const GameState& game) {
    std::vector<int> cells;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (game.CellState(n) == kFalling) cells.push_back(n);
    }
    return cells;
}

// Puts a falling figure on the board as if it had come in and been turned there.
inline void PlaceFigure(GameState& game, int type, int rotation, int pivot, int color = 3) {
    game.CurType = static_cast<Integer>(type);
    game.Rotation = static_cast<Integer>(rotation);
    game.Pivot = static_cast<Integer>(pivot);
    game.CurColor = static_cast<Integer>(color);
    for (int n : FigureCells(type, rotation, pivot)) {
        game.CellState(n) = kFalling;
        game.CellColor(n) = static_cast<Integer>(color);
        game.CellDirty(n) = 0;
    }
}

}  // namespace blokka::testing
