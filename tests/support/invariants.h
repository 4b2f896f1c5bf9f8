#pragma once
// Everything that must be true of a game between two events, whatever came before: the board
// and the falling figure, every field of the record within its range, the timer, the check
// marks of every option group, and the screen (all 208 display cells, their places and the
// score label) agreeing with the record. Returns "" when all holds, else what is broken.

#include <algorithm>
#include <sstream>
#include <string>

#include "core/figures.h"
#include "fake_window.h"
#include "settings/menu_tree.h"

namespace blokka::testing {

namespace invariants_detail {

class Report {
public:
    template <typename... Parts>
    void Fail(const Parts&... parts) {
        if (!text_.empty()) return;  // the first break is the one worth reading
        std::ostringstream out;
        (out << ... << parts);
        text_ = out.str();
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

inline bool Within(int value, int low, int high) { return value >= low && value <= high; }

inline void CheckBoard(const GameState& g, Report& r) {
    int falling = 0;
    for (int n = 1; n <= kBoardCells; ++n) {
        const int state = g.CellState(n), color = g.CellColor(n);
        if (!Within(state, 0, 2) || !Within(color, 0, kColors) || (state == kEmpty) != (color == 0))
            r.Fail("cell ", n, " has state ", state, " and colour ", color);
        if (g.CellDirty(n) != 0) r.Fail("cell ", n, " is still marked for repainting");
        falling += state == kFalling ? 1 : 0;
    }
    const bool figure = g.GameOver == 0 && g.CurType != 0;
    if (falling != (figure ? 4 : 0))
        r.Fail(falling, " falling cells with type ", g.CurType, ", game over ", g.GameOver);
    if (!figure) return;
    // The falling cells are exactly the figure's shape in its orientation around its anchor.
    const FigureType& type = kFigures[static_cast<std::size_t>(g.CurType)];
    if (!Within(g.Rotation, 0, type.orientationCount - 1) || !Within(g.Pivot, 1, kBoardCells)) {
        r.Fail("type ", g.CurType, " in orientation ", g.Rotation, " at ", g.Pivot);
        return;
    }
    if (g.CellState(g.Pivot) != kFalling) r.Fail("the anchor ", g.Pivot, " is not falling");
    for (int offset : type.orientations[static_cast<std::size_t>(g.Rotation)]) {
        const int n = g.Pivot + offset;
        if (!Within(n, 1, kBoardCells) || g.CellState(n) != kFalling ||
            g.CellColor(n) != g.CurColor) {
            r.Fail("type ", g.CurType, " orientation ", g.Rotation, " at ", g.Pivot,
                   " lacks its cell ", n);
        }
    }
}

inline void CheckRecord(const GameState& g, Report& r) {
    if (!Within(g.CurType, 0, kFigureTypes) || !Within(g.NextType, 0, kFigureTypes))
        r.Fail("types ", g.CurType, " and ", g.NextType);
    // A landed figure leaves its colour behind until the next one comes in.
    if (g.CurType != 0 && g.CurColor == 0) r.Fail("type ", g.CurType, " has no colour");
    if (!Within(g.CurColor, 0, kColors) || !Within(g.NextColor, 0, kColors) ||
        (g.NextType == 0) != (g.NextColor == 0)) {
        r.Fail("colours ", g.CurColor, " and ", g.NextColor, " of next type ", g.NextType);
    }
    if (g.NextType == 0 && (g.CurType != 0 || g.GameOver != 0))
        r.Fail("a figure before the first one was chosen");
    if (!Within(g.Pivot, 0, kBoardCells) || !Within(g.Rotation, 0, 3) ||
        !Within(g.CellArg, 0, kBoardCells)) {
        r.Fail("anchor ", g.Pivot, ", orientation ", g.Rotation, ", operand ", g.CellArg);
    }
    if (!Within(g.GameOver, 0, 1) || !Within(g.Score, 0, kScoreCap))
        r.Fail("game over ", g.GameOver, ", score ", g.Score);
    int colorsOn = 0;
    for (Byte on : g.ColorOn) {
        if (on > 1) r.Fail("a colour switch holds ", int(on));
        colorsOn += on;
    }
    if (colorsOn == 0) r.Fail("every colour is off");
    if (g.RepeatMode > 2 || g.RepeatLeft > g.RepeatMode || g.InTurn > 1)
        r.Fail("repeat ", int(g.RepeatMode), " left ", int(g.RepeatLeft), " in turn ",
               int(g.InTurn));
    if (!Within(g.BackMode, 1, 3) || g.EscAction > 3 || g.MouseMode > 1)
        r.Fail("background ", int(g.BackMode), " escape ", int(g.EscAction), " mouse ",
               int(g.MouseMode));
    if (g.CellSize != 12 && g.CellSize != 18 && g.CellSize != 24 && g.CellSize != 30)
        r.Fail("cell size ", g.CellSize);
    if (!Within(g.MouseCell, 0, kDisplayCells)) r.Fail("pointer cell ", g.MouseCell);
}

// The value an item's mark stands for, or -1 for an item with no mark.
inline int MarkWanted(const GameState& g, const FakeWindow& w, MenuItem item) {
    const int n = static_cast<int>(item);
    const auto in = [n](MenuItem first, MenuItem last) {
        return n >= static_cast<int>(first) && n <= static_cast<int>(last);
    };
    const auto offset = [n](MenuItem first) { return n - static_cast<int>(first); };
    int colorsOn = 0;
    for (Byte on : g.ColorOn) colorsOn += on;
    if (item == MenuItem::mnuPause) return !w.TimerEnabled() && g.GameOver == 0;
    if (in(MenuItem::mnuSize12, MenuItem::mnuSize30))
        return g.CellSize == 12 + 6 * offset(MenuItem::mnuSize12);
    if (in(MenuItem::mnuESC0, MenuItem::mnuESC3)) return g.EscAction == offset(MenuItem::mnuESC0);
    if (in(MenuItem::mnuSpeed50, MenuItem::mnuSpeed1000))
        return w.TimerInterval() == 50 * (offset(MenuItem::mnuSpeed50) + 1);
    if (in(MenuItem::mnuBackColor1, MenuItem::mnuBackColor3))
        return g.BackMode == offset(MenuItem::mnuBackColor1) + 1;
    if (item == MenuItem::mnuColors7) return colorsOn == kColors;
    if (item == MenuItem::mnuColors1) return colorsOn == 1;
    if (in(MenuItem::mnuColor1, MenuItem::mnuColor7))
        return g.ColorOn(offset(MenuItem::mnuColor1) + 1);
    if (in(MenuItem::mnuFigures0, MenuItem::mnuFigures2))
        return g.RepeatMode == offset(MenuItem::mnuFigures0);
    if (item == MenuItem::mnuFiguresABC) return g.InTurn;
    if (item == MenuItem::mnuMouse) return g.MouseMode;
    return -1;
}

inline void CheckTimerAndMarks(const GameState& g, const FakeWindow& w, Report& r) {
    const int interval = w.TimerInterval();
    if (interval % 50 != 0 || !Within(interval, 50, 1000)) r.Fail("timer interval ", interval);
    if (g.GameOver == 1 && w.TimerEnabled()) r.Fail("the timer runs after the game is over");
    for (const MenuEntry& e : kMenuTree) {
        if (e.item == MenuItem::None) continue;
        const int wanted = MarkWanted(g, w, e.item);
        if (w.Checked(e.item) != (wanted == 1)) r.Fail("the mark of ", e.name, " is wrong");
    }
}

inline void CheckScreen(const GameState& g, const FakeWindow& w, Report& r) {
    const int background = 7 + g.BackMode;
    for (int n = 1; n <= kBoardCells; ++n) {
        const int wanted = g.CellColor(n) != 0 ? g.CellColor(n) : background;
        if (w.picture[n] != wanted) r.Fail("cell ", n, " shows ", w.picture[n], " for ", wanted);
    }
    // The box shows the waiting figure while a game is on, and is empty after a game over. From
    // a new game to its first figure (nothing has fallen, the board is empty) it is empty, or
    // shows the figure that will come in once a background change has repainted it.
    const auto boxShows = [&](bool figure) {
        for (int k = kBoxFirst; k <= kDisplayCells; ++k) {
            int wanted = background;
            if (figure) {
                const auto& cells = kFigures[static_cast<std::size_t>(g.NextType)].boxCells;
                if (std::ranges::find(cells, k) != cells.end()) wanted = g.NextColor;
            }
            if (w.picture[k] != wanted) return false;
        }
        return true;
    };
    const bool boardEmpty = std::ranges::all_of(g.CellState, [](Integer s) { return s == 0; });
    const bool waiting = g.GameOver == 0 && g.NextType != 0;
    if (waiting && g.CurType == 0 && boardEmpty) {
        if (!boxShows(false) && !boxShows(true)) r.Fail("the box before the first figure");
    } else if (!boxShows(waiting)) {
        r.Fail("the box does not show ", waiting ? "the waiting figure" : "the background");
    }
    // Every cell is a visible square of the chosen size; the board and the box are grids.
    const CellBounds first = w.bounds[1], box = w.bounds[kBoxFirst];
    for (int k = 1; k <= kDisplayCells; ++k) {
        const bool inBox = k >= kBoxFirst;
        const int i = inBox ? (k - kBoxFirst) % 4 : (k - 1) % kBoardColumns;
        const int j = inBox ? (k - kBoxFirst) / 4 : (k - 1) / kBoardColumns;
        const CellBounds origin = inBox ? box : first;
        const CellBounds wanted{origin.left + i * g.CellSize, origin.top + j * g.CellSize,
                                g.CellSize, g.CellSize};
        if (!w.visible[k] || w.bounds[k] != wanted) r.Fail("display cell ", k, " misplaced");
    }
    if (box.left < first.left + kBoardColumns * g.CellSize || box.top != first.top)
        r.Fail("the box overlaps the board");
    const std::string caption = g.Score == 0 ? "" : "Счет: " + std::to_string(g.Score);
    if (w.caption != caption) r.Fail("the label reads '", w.caption, "' at score ", g.Score);
    if (w.labelColor != (g.Score == kScoreCap ? kDarkRed : kBlack))
        r.Fail("the label colour ", w.labelColor, " at score ", g.Score);
}

}  // namespace invariants_detail

inline std::string BrokenInvariant(const GameState& game, const FakeWindow& window) {
    invariants_detail::Report report;
    invariants_detail::CheckBoard(game, report);
    invariants_detail::CheckRecord(game, report);
    invariants_detail::CheckTimerAndMarks(game, window, report);
    invariants_detail::CheckScreen(game, window, report);
    return report.Text();
}

}  // namespace blokka::testing
