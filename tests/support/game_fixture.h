// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game wired to the scripted fake window, and boards as small ASCII pictures, a string a row:
//   '.' empty   'o' falling   '#' fixed in colour 1   '2'..'7' fixed in that colour

#include <gtest/gtest.h>

#include <cctype>

#include "invariants.h"

namespace blokka::testing {

using Rows = std::vector<std::string>;

// The virtual-key codes the tests press, named by the tests rather than taken from the game.
namespace key {
constexpr int Pause = 19, Escape = 27, Space = 32, PageUp = 33, PageDown = 34, Left = 37, Up = 38,
              Right = 39, Down = 40, A = 65, D = 68, P = 80, S = 83, W = 87, PadPlus = 107,
              PadMinus = 109, Plus = 187, Minus = 189;
}  // namespace key

// The left (0) or right (1) board of rows drawn side by side, before and after.
inline Rows Half(const Rows& rows, int half) {
    Rows out;
    for (const std::string& row : rows) out.push_back(row.substr(11 * size_t(half), 10));
    return out;
}

// The handlers of the items named `group` and a number ("mnuSpeed350"), with that number.
inline std::vector<std::pair<int, void (Game::*)()>> Handlers(std::string_view group) {
    std::vector<std::pair<int, void (Game::*)()>> out;
    for (const MenuEntry& e : kMenuTree)
        if (e.click && e.name.starts_with(group) && std::isdigit(e.name[group.size()]))
            out.emplace_back(std::stoi(std::string(e.name.substr(group.size()))), e.click);
    return out;
}

class GameTest : public ::testing::Test {
protected:
    GameTest() { fake.game = &game; }
    // Every test ends with the checker, but for a game that never started.
    void TearDown() override {
        EXPECT_EQ(game.CellSize != 0 ? BrokenInvariant(game, fake) : "", "") << "at the end";
    }

    // Start-up with `next` waiting in the box and no figure falling yet.
    void Ready(int next = 1, int nextColor = 5) {
        game.Form_Load();
        game.NextType = Integer(next), game.NextColor = Integer(nextColor);
        game.DrawNextFigure();
    }

    // Then the first tick: `type` in `color` falls and `next` in `nextColor` waits.
    void Start(int type, int color, int next = 1, int nextColor = 5) {
        Ready(type, color);
        fake.Script({next, nextColor});
        ASSERT_TRUE(fake.Tick());
    }

    // A falling figure of `type` in `rotation` around `pivot`, in colour 3, shown.
    void Place(int type, int rotation, int pivot) {
        game.CurType = Integer(type), game.Rotation = Integer(rotation);
        game.Pivot = Integer(pivot), game.CurColor = 3;
        for (int n : FigureCells(type, rotation, pivot))
            game.CellState(n) = kFalling, game.CellColor(n) = 3, game.CellDirty(n) = 1;
        game.DrawDirtyCells();
        fake.ForgetPaints();
    }

    // Writes and shows the rows from `firstRow` down. Their 'o's are a figure of `type` in
    // `rotation`, whose anchor is found from them.
    void SetBoard(int firstRow, const Rows& rows, int type = 0, int rotation = 0) {
        std::vector<int> drawn;
        for (int n = (firstRow - 1) * 10 + 1; const std::string& row : rows) {
            for (char c : row) {
                if (c == 'o') drawn.push_back(n);
                game.CellState(n) = c == '.' || c == 'o' ? kEmpty : kFixed;
                game.CellColor(n) = Integer(c == '.' || c == 'o' ? 0 : c == '#' ? 1 : c - '0');
                game.CellDirty(n++) = 1;
            }
        }
        game.DrawDirtyCells();
        if (drawn.empty()) return;
        const int pivot = drawn.front() - FigureCells(type, rotation, 0).front();
        ASSERT_EQ(FigureCells(type, rotation, pivot), drawn) << "no figure of type " << type;
        Place(type, rotation, pivot);
    }

    // Rows firstRow..lastRow in the notation of SetBoard.
    Rows Board(int firstRow, int lastRow) const {
        Rows rows;
        for (int n = (firstRow - 1) * 10 + 1; n <= lastRow * 10; ++n) {
            if (n % 10 == 1) rows.emplace_back();
            const int state = game.CellState(n), color = game.CellColor(n);
            rows.back() += state == kEmpty ? '.' : state == kFalling ? 'o' : "#234567"[color - 1];
        }
        return rows;
    }

    std::vector<int> Falling() const {
        std::vector<int> cells;
        for (int n = 1; n <= kBoardCells; ++n)
            if (game.CellState(n) == kFalling) cells.push_back(n);
        return cells;
    }

    // A game over: rows 1 and 2 fill up, so the next figure finds no room.
    void EndTheGame() {
        for (int n : Falling()) game.CellState(n) = kFixed;
        game.CurType = 0;
        SetBoard(1, {".########.", ".########."});
        ASSERT_TRUE(fake.Tick());
        ASSERT_EQ(game.GameOver, 1);
    }

    void Key(int code) { game.Form_KeyDown(Integer(code)); }
    const GameState& State() const { return game; }

    FakeWindow fake;
    Game game{fake};
};

// A figure of type 6 in colour 3 has just come in: anchor 15, cells 5, 14, 15, 16.
class FirstFigureTest : public GameTest {
protected:
    void SetUp() override { Start(6, 3, 2, 5); }
};

}  // namespace blokka::testing
