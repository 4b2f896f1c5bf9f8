// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What must hold between any two events: the board and the falling figure, every field of the
// record in its range, the timer, every menu mark, and all 208 display cells and the label as the
// record says. BrokenInvariant gives "" when all holds, else the first thing that is broken.

#include <algorithm>
#include <sstream>
#include <string>

#include "core/figures.h"
#include "fake_window.h"

namespace blokka::testing {

inline bool In(int value, int low, int high) { return value >= low && value <= high; }

// How often `value` stands in `range` (the browser build's library has no ranges algorithms).
long Count(const auto& range, const auto& value) {
    return std::count(std::begin(range), std::end(range), value);
}

// The cells of a figure of `type` in `rotation` around `pivot`, ascending.
inline std::vector<int> FigureCells(int type, int rotation, int pivot) {
    std::vector<int> cells;
    for (int offset : kFigures.at(type).orientations.at(rotation)) cells.push_back(pivot + offset);
    std::sort(cells.begin(), cells.end());
    return cells;
}

// Whether an item must carry its mark; `on` colours are on.
inline bool WantedMark(const GameState& g, const FakeWindow& w, MenuItem item, int on) {
    const auto from = [n = int(item)](MenuItem first, MenuItem last) {
        return In(n, int(first), int(last)) ? n - int(first) : -1;
    };
    using M = MenuItem;
    if (item == M::mnuPause) return !w.timerOn && g.GameOver == 0;
    if (int i = from(M::mnuSize12, M::mnuSize30); i >= 0) return g.CellSize == 12 + 6 * i;
    if (int i = from(M::mnuESC0, M::mnuESC3); i >= 0) return g.EscAction == i;
    if (int i = from(M::mnuSpeed50, M::mnuSpeed1000); i >= 0) return w.interval == 50 * (i + 1);
    if (int i = from(M::mnuBackColor1, M::mnuBackColor3); i >= 0) return g.BackMode == i + 1;
    if (int i = from(M::mnuColor1, M::mnuColor7); i >= 0) return g.ColorOn(i + 1) == 1;
    if (int i = from(M::mnuFigures0, M::mnuFigures2); i >= 0) return g.RepeatMode == i;
    if (item == M::mnuColors7) return on == 7;
    if (item == M::mnuColors1) return on == 1;
    if (item == M::mnuFiguresABC) return g.InTurn == 1;
    if (item == M::mnuMouse) return g.MouseMode == 1;
    return false;
}

inline std::string BrokenInvariant(const GameState& g, const FakeWindow& w) {
    std::ostringstream out;
    const auto fail = [&out](auto... parts) {
        if (out.tellp() == 0) (out << ... << parts);
    };
    int colorsOn = 0;
    for (Byte on : g.ColorOn) colorsOn += on > 1 ? 100 : on;
    if (!In(g.CurType, 0, 7) || !In(g.NextType, 0, 7) || !In(g.CurColor, 0, 7) ||
        !In(g.NextColor, 0, 7) || (g.NextType == 0) != (g.NextColor == 0) ||
        (g.CurType != 0 && g.CurColor == 0) || (g.NextType == 0 && g.CurType != 0))
        fail("types ", g.CurType, "/", g.NextType, " colours ", g.CurColor, "/", g.NextColor);
    if (!In(g.Pivot, 0, 200) || !In(g.Rotation, 0, 3) || !In(g.CellArg, 0, 200) ||
        !In(g.GameOver, 0, 1) || !In(g.Score, 0, 32000) || !In(colorsOn, 1, 7) ||
        g.RepeatLeft > g.RepeatMode || g.RepeatMode > 2 || g.InTurn > 1 || !In(g.BackMode, 1, 3) ||
        g.EscAction > 3 || g.MouseMode > 1 || !In(g.MouseCell, 0, 208) || g.CellSize % 6 != 0 ||
        !In(g.CellSize, 12, 30))
        fail("a field out of its range");
    // The board and the falling figure: exactly its shape around its anchor.
    const bool figure = g.GameOver == 0 && g.CurType != 0;
    int falling = 0;
    for (int n = 1; n <= kBoardCells; ++n) {
        const int state = g.CellState(n), color = g.CellColor(n);
        if (!In(state, 0, 2) || !In(color, 0, 7) || (state == 0) != (color == 0))
            fail("cell ", n, " is ", state, " in colour ", color);
        if (g.CellDirty(n) != 0) fail("cell ", n, " is left marked");
        falling += state == kFalling;
    }
    if (falling != (figure ? 4 : 0)) fail(falling, " falling cells with type ", g.CurType);
    if (figure && In(g.Rotation, 0, kFigures[g.CurType].orientationCount - 1)) {
        for (int n : FigureCells(g.CurType, g.Rotation, g.Pivot))
            if (!In(n, 1, 200) || g.CellState(n) != kFalling || g.CellColor(n) != g.CurColor)
                fail("type ", g.CurType, "/", g.Rotation, " at ", g.Pivot, " lacks cell ", n);
    } else if (figure) {
        fail("type ", g.CurType, " has no orientation ", g.Rotation);
    }
    if (w.interval % 50 != 0 || !In(w.interval, 50, 1000)) fail("interval ", w.interval);
    if (g.GameOver == 1 && w.timerOn) fail("the timer runs after the game is over");
    for (const MenuEntry& e : kMenuTree)
        if (e.item != MenuItem::None && w.Checked(e.item) != WantedMark(g, w, e.item, colorsOn))
            fail("the mark of ", e.name);
    // The screen. The box shows the waiting figure, or nothing after a game over; from a new
    // game to its first figure it may show either.
    const int s = g.CellSize, empty = 7 + g.BackMode;
    for (int k = 1; k <= kDisplayCells; ++k) {
        const bool box = k > kBoardCells;
        const int i = box ? (k - 201) % 4 : (k - 1) % 10, j = box ? (k - 201) / 4 : (k - 1) / 10;
        const CellBounds at{box ? 10 + s * (10 + i) : 5 + s * i, 5 + s * j, s, s};
        if (!w.visible[k] || w.bounds[k] != at) fail("display cell ", k, " is misplaced");
        if (!box && w.picture[k] != (g.CellColor(k) != 0 ? g.CellColor(k) : empty))
            fail("cell ", k, " shows picture ", w.picture[k]);
    }
    const auto boxShows = [&](int type) {  // type 0 has no cells in the box
        for (int k = 201; k <= kDisplayCells; ++k)
            if (w.picture[k] != (Count(kFigures[type].boxCells, k) != 0 ? g.NextColor : empty))
                return false;
        return true;
    };
    const bool waiting = g.GameOver == 0 && g.NextType != 0;
    const bool fresh = waiting && g.CurType == 0 && Count(g.CellState, 0) == kBoardCells;
    if (!boxShows(waiting ? g.NextType : 0) && !(fresh && boxShows(0))) fail("the box is wrong");
    if (w.label != std::pair{10 + 10 * s, 20 * s - 8}) fail("the label is misplaced");
    if (w.caption != (g.Score == 0 ? "" : "Счет: " + std::to_string(g.Score)) ||
        w.labelColor != (g.Score == 32000 ? 0x800000u : 0u))
        fail("the label reads '", w.caption, "' in ", w.labelColor, " at score ", g.Score);
    return out.str();
}

}  // namespace blokka::testing
