#pragma once
// A game wired to the scripted fake window, with the checks every rule test shares.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board_picture.h"
#include "control/key_codes.h"
#include "core/game.h"
#include "fake_window.h"

namespace blokka::testing {

// The background picture of a background mode.
inline int BackgroundOf(int backMode) { return backMode == 1 ? 8 : backMode == 2 ? 9 : 10; }

// The rules every handler leaves the record in: empty cells carry no colour, occupied ones one
// of the seven; the falling cells are the four of the falling figure with Pivot among them, and
// none while no figure falls or after a game over.
inline ::testing::AssertionResult RecordHolds(const GameState& game) {
    int falling = 0;
    for (int n = 1; n <= kBoardCells; ++n) {
        const Integer state = game.CellState(n);
        const Integer color = game.CellColor(n);
        if (state < 0 || state > 2) {
            return ::testing::AssertionFailure() << "cell " << n << " has state " << state;
        }
        if ((state == kEmpty) != (color == 0) || color < 0 || color > kColors) {
            return ::testing::AssertionFailure()
                   << "cell " << n << " has state " << state << " and colour " << color;
        }
        if (state == kFalling) ++falling;
    }
    const int expected = (game.GameOver == 1 || game.CurType == 0) ? 0 : 4;
    if (falling != expected) {
        return ::testing::AssertionFailure() << falling << " falling cells with CurType "
                                             << game.CurType << " and GameOver " << game.GameOver;
    }
    if (expected == 4 &&
        (game.Pivot < 1 || game.Pivot > kBoardCells || game.CellState(game.Pivot) != kFalling)) {
        return ::testing::AssertionFailure() << "Pivot " << game.Pivot << " is not falling";
    }
    return ::testing::AssertionSuccess();
}

// After a handler every board cell shows the picture of its colour or of the background, is
// visible, and nothing is left marked.
inline ::testing::AssertionResult ScreenShowsBoard(const GameState& game, const FakeWindow& fake) {
    for (int n = 1; n <= kBoardCells; ++n) {
        const int expected =
            game.CellColor(n) != 0 ? game.CellColor(n) : BackgroundOf(game.BackMode);
        const FakeCell& cell = fake.cells.at(static_cast<std::size_t>(n));
        if (cell.picture != expected || !cell.visible || game.CellDirty(n) != 0) {
            return ::testing::AssertionFailure()
                   << "cell " << n << " shows " << cell.picture << " (visible " << cell.visible
                   << ", dirty " << game.CellDirty(n) << "), expected " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

// The pictures of the next-figure box, 201..208, as "upper row/lower row", '.' for the
// background of the present mode and the picture number otherwise.
inline std::string BoxPicture(const GameState& game, const FakeWindow& fake) {
    std::string out;
    for (int k = kBoxFirst; k <= kDisplayCells; ++k) {
        if (k == 205) out += '/';
        const int picture = fake.cells.at(static_cast<std::size_t>(k)).picture;
        out += picture == BackgroundOf(game.BackMode) ? '.' : static_cast<char>('0' + picture);
    }
    return out;
}

// Position of the first log line equal to `line`, or -1.
inline int LogIndex(const FakeWindow& fake, const std::string& line, int from = 0) {
    for (int i = from; i < static_cast<int>(fake.log.size()); ++i) {
        if (fake.log.at(static_cast<std::size_t>(i)) == line) return i;
    }
    return -1;
}

inline int LogCount(const FakeWindow& fake, const std::string& line) {
    return static_cast<int>(std::count(fake.log.begin(), fake.log.end(), line));
}

// The display cells painted since the log was last cleared, in ascending order.
inline std::vector<int> PaintedCells(const FakeWindow& fake) {
    std::vector<int> painted;
    for (int k = 1; k <= kDisplayCells; ++k) {
        if (fake.cells.at(static_cast<std::size_t>(k)).paints > 0) painted.push_back(k);
    }
    return painted;
}

// The names of the menu items that carry a mark, in menu order.
inline std::vector<std::string> CheckedItems(const FakeWindow& fake) {
    std::vector<std::string> names;
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.item != MenuItem::None && fake.Checked(entry.item)) {
            names.emplace_back(entry.name);
        }
    }
    return names;
}

class GameTest : public ::testing::Test {
protected:
    static float Pick(int choice) { return FakeWindow::Choose(choice, 7); }

    // Start-up as the program runs it; no figure has come in yet.
    void Start() { game.Form_Load(); }

    // Start-up and the first tick: a figure of `type` in `color` falls from the top and
    // `nextType` in `nextColor` waits in the box.
    void StartWith(int type, int color, int nextType, int nextColor) {
        Start();
        fake.ScriptRandom({Pick(type), Pick(color), Pick(nextType), Pick(nextColor)});
        ASSERT_TRUE(fake.Tick(game));
        ASSERT_EQ(game.CurType, type);
        ASSERT_EQ(game.NextType, nextType);
    }

    // Start-up, then a board set up by hand: no figure falls yet and `nextType` in `nextColor`
    // waits in the box. Further choices come from the script (or the fake's fallback).
    void StartOnBoard(int nextType = 1, int nextColor = 5) {
        Start();
        game.NextType = static_cast<Integer>(nextType);
        game.NextColor = static_cast<Integer>(nextColor);
    }

    // Takes the falling figure off the board, as a landing would, and runs one tick; gives
    // the type that came in.
    int NextFalling() {
        for (int n = 1; n <= kBoardCells; ++n) {
            game.CellState(n) = kEmpty;
            game.CellColor(n) = 0;
        }
        game.CurType = 0;
        EXPECT_TRUE(fake.Tick(game));
        return game.CurType;
    }

    // Brings the screen up to date with a board set up by hand.
    void ShowBoard() {
        for (int n = 1; n <= kBoardCells; ++n) game.CellDirty(n) = 1;
        game.DrawDirtyCells();
    }

    void Key(Integer code) { game.Form_KeyDown(code); }

    FakeWindow fake;
    Game game{fake};
};

}  // namespace blokka::testing
