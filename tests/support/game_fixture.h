#pragma once
// A game wired to the scripted fake window; boards as small ASCII pictures, one string per row:
//   '.' empty    '#' fixed in colour 1    '2'..'7' fixed in that colour    'o' falling (read only)

#include <gtest/gtest.h>

#include <cctype>

#include "control/key_codes.h"
#include "core/figures.h"
#include "fake_window.h"
#include "invariants.h"
#include "settings/menu_tree.h"

namespace blokka::testing {

// Writes the rows from `firstRow` down (1 = top), unmarked: the picture is a starting position.
inline void SetRows(GameState& game, int firstRow, std::initializer_list<std::string_view> rows) {
    int n = (firstRow - 1) * kBoardColumns;
    for (std::string_view text : rows) {
        for (char c : text) {
            game.CellState(++n) = c == '.' ? kEmpty : kFixed;
            game.CellColor(n) = static_cast<Integer>(c == '.' ? 0 : c == '#' ? 1 : c - '0');
            game.CellDirty(n) = 0;
        }
    }
}

inline void SetBottom(GameState& game, std::initializer_list<std::string_view> rows) {
    SetRows(game, 21 - static_cast<int>(rows.size()), rows);
}

// Rows firstRow..lastRow joined by '\n', in the notation of SetRows.
inline std::string Picture(const GameState& game, int firstRow, int lastRow) {
    std::string out;
    for (int n = (firstRow - 1) * kBoardColumns + 1; n <= lastRow * kBoardColumns; ++n) {
        if (n % kBoardColumns == 1 && !out.empty()) out += '\n';
        const int state = game.CellState(n), color = game.CellColor(n);
        out += state == kEmpty ? '.' : state == kFalling ? 'o' : color == 1 ? '#' : '0' + color;
    }
    return out;
}

// The sorted board cells of a figure of `type` in `rotation` anchored at `pivot`.
inline std::vector<int> FigureCells(int type, int rotation, int pivot) {
    std::vector<int> cells;
    for (int offset : kFigures.at(type).orientations.at(rotation)) cells.push_back(pivot + offset);
    std::sort(cells.begin(), cells.end());
    return cells;
}

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
    }
}

// The rules every handler leaves the record and the screen in (see invariants.h).
inline ::testing::AssertionResult Holds(const GameState& game, const FakeWindow& fake) {
    const std::string broken = BrokenInvariant(game, fake);
    if (broken.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << broken;
}

// The next-figure box as "upper row/lower row": '.' for the background, else the picture.
inline std::string BoxPicture(const GameState& game, const FakeWindow& fake) {
    std::string out;
    for (int k = kBoxFirst; k <= kDisplayCells; ++k) {
        if (k == 205) out += '/';
        out += fake.picture[k] == 7 + game.BackMode ? '.' : '0' + fake.picture[k];
    }
    return out;
}

// The display cells painted since the log was last cleared.
inline std::vector<int> PaintedCells(const FakeWindow& fake) {
    std::vector<int> painted;
    for (int k = 1; k <= kDisplayCells; ++k) {
        if (fake.paints[k] > 0) painted.push_back(k);
    }
    return painted;
}

// The handlers of the items named `group` and a number ("mnuSpeed350"), with that number.
inline std::vector<std::pair<int, void (Game::*)()>> Handlers(std::string_view group) {
    std::vector<std::pair<int, void (Game::*)()>> out;
    for (const MenuEntry& e : kMenuTree) {
        if (e.click && e.name.starts_with(group) && std::isdigit(e.name[group.size()])) {
            out.emplace_back(std::stoi(std::string(e.name.substr(group.size()))), e.click);
        }
    }
    return out;
}

// The names of the checked items of a group (of all items for ""), space-separated.
inline std::string Marks(const FakeWindow& fake, std::string_view group = "") {
    std::string out;
    for (const MenuEntry& e : kMenuTree) {
        if (e.item != MenuItem::None && fake.Checked(e.item) && e.name.starts_with(group) &&
            (group.empty() || std::isdigit(e.name[group.size()]))) {
            if (!out.empty()) out += ' ';
            out += e.name;
        }
    }
    return out;
}

class GameTest : public ::testing::Test {
protected:
    // Start-up and the first tick: `type` in `color` falls and `nextType` in `nextColor` waits.
    void StartWith(int type, int color, int nextType, int nextColor) {
        game.Form_Load();
        fake.Script({type, color, nextType, nextColor});
        ASSERT_TRUE(fake.Tick(game));
    }

    // Start-up, then a board set up by hand: no figure falls yet and `nextType` waits.
    void StartOnBoard(int nextType = 1, int nextColor = 5) {
        game.Form_Load();
        game.NextType = static_cast<Integer>(nextType);
        game.NextColor = static_cast<Integer>(nextColor);
        game.DrawNextFigure();
    }

    // Takes the falling figure off the board, runs one tick and gives the type that came in.
    int NextFalling() {
        for (int n : FallingCells(game)) game.CellState(n) = game.CellColor(n) = 0;
        game.CurType = 0;
        fake.Tick(game);
        return game.CurType;
    }

    // Brings the screen up to date with a board set up by hand, then forgets the log.
    void ShowBoard() {
        for (int n = 1; n <= kBoardCells; ++n) game.CellDirty(n) = 1;
        game.DrawDirtyCells();
        fake.ClearLog();
    }

    // A game over: the figure is fixed where it is and the next one finds no room.
    void EndTheGame() {
        SetRows(game, 1, {".########.", ".########."});
        for (int n : FallingCells(game)) game.CellState(n) = kFixed;
        game.CurType = 0;
        ASSERT_TRUE(fake.Tick(game) && game.GameOver == 1);
    }

    void Key(Integer code) { game.Form_KeyDown(code); }
    const GameState& State() const { return game; }

    FakeWindow fake;
    Game game{fake};
};

}  // namespace blokka::testing
