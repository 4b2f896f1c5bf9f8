// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving, turning and dropping the falling figure, each behind its own test.

#include <array>

#include "control/turn_table.h"
#include "core/game.h"

namespace blokka {

Integer Game::CanMoveLeft() {
    for (int n = 1; n <= kBoardCells; ++n) {
        if (CellState(n) != kFalling) continue;
        if (ColumnOf(n) == 1 || CellState(n - 1) == kFixed) return 0;
    }
    return 1;
}

Integer Game::CanMoveRight() {
    for (int n = kBoardCells; n >= 1; --n) {
        if (CellState(n) != kFalling) continue;
        if (ColumnOf(n) == kBoardColumns || CellState(n + 1) == kFixed) return 0;
    }
    return 1;
}

Integer Game::CanFall() {
    for (int n = 1; n <= kBoardCells; ++n) {
        if (CellState(n) != kFalling) continue;
        if (n > kBoardCells - kBoardColumns || CellState(n + kBoardColumns) == kFixed) return 0;
    }
    return 1;
}

Integer Game::CanRotate() {
    if (CurType == 0 || Pivot == 0) return 0;
    if (CurType == 4) return 1;
    const TurnRule* rule = FindTurnRule(CurType, Rotation, RowOf(Pivot), ColumnOf(Pivot));
    if (rule == nullptr || rule->refused) return 0;
    for (int offset : rule->taken) {
        const int cell = Pivot + offset;
        // The table keeps every turn on the board; a cell off it can only mean a broken figure.
        if (cell < 1 || cell > kBoardCells || CellState(cell) != kEmpty) return 0;
    }
    return 1;
}

// Each shift scans in the direction that frees a target cell before it is written.
void Game::ShiftLeft() {
    if (Pivot < 2) return;
    --Pivot;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (ColumnOf(n) != 1 && CellState(n) == kFalling) MoveCell(n, n - 1);
    }
}

// While no figure falls only the left-over anchor moves; it stops at the last board cell so that
// it stays a cell number.
void Game::ShiftRight() {
    if (Pivot >= kBoardCells) return;
    ++Pivot;
    for (int n = kBoardCells; n >= 1; --n) {
        if (ColumnOf(n) != kBoardColumns && CellState(n) == kFalling) MoveCell(n, n + 1);
    }
}

void Game::ShiftDown() {
    if (Pivot > kBoardCells - kBoardColumns) return;
    Pivot = static_cast<Integer>(Pivot + kBoardColumns);
    for (int n = kBoardCells - kBoardColumns; n >= 1; --n) {
        if (CellState(n) == kFalling) MoveCell(n, n + kBoardColumns);
    }
}

// Every turn procedure follows its type's rows of the turn table; only the type differs.
void Game::TurnByTable() {
    const TurnRule* rule = FindTurnRule(CurType, Rotation, RowOf(Pivot), ColumnOf(Pivot));
    if (rule == nullptr || rule->refused) return;
    Rotation = rule->to;
    for (int offset : rule->left) {
        CellArg = static_cast<Integer>(Pivot + offset);
        ClearCell();
    }
    for (int offset : rule->taken) {
        CellArg = static_cast<Integer>(Pivot + offset);
        SetFigureCell();
    }
    Pivot = static_cast<Integer>(Pivot + rule->pivotShift);
}

void Game::TurnType1() { TurnByTable(); }
void Game::TurnType2() { TurnByTable(); }
void Game::TurnType3() { TurnByTable(); }
void Game::TurnType5() { TurnByTable(); }
void Game::TurnType6() { TurnByTable(); }
void Game::TurnType7() { TurnByTable(); }

void Game::MoveLeft() {
    if (CanMoveLeft() == 0) return;
    ShiftLeft();
    DrawDirtyCells();
}

void Game::MoveRight() {
    if (CanMoveRight() == 0) return;
    ShiftRight();
    DrawDirtyCells();
}

void Game::RotateFigure() {
    if (CanRotate() == 0) return;
    // Indexed by type; the square has no turn of its own but still runs the drawing pass.
    static constexpr std::array<void (Game::*)(), 8> kTurns = {
        nullptr, &Game::TurnType1, &Game::TurnType2, &Game::TurnType3,
        nullptr, &Game::TurnType5, &Game::TurnType6, &Game::TurnType7};
    if (const auto turn = kTurns[static_cast<std::size_t>(CurType)]) (this->*turn)();
    DrawDirtyCells();
}

void Game::DropFigure() {
    if (CurType == 0) return;
    // The four falling cells are found once, lowest first; the drop then moves just them, row by
    // row, exactly as repeated one-row falls would, without scanning the board for every row.
    std::array<int, 4> cells{};
    std::size_t count = 0;
    for (int n = kBoardCells; n >= 1 && count < cells.size(); --n) {
        if (CellState(n) == kFalling) cells[count++] = n;
    }
    const auto canFall = [&] {
        for (std::size_t i = 0; i < count; ++i) {
            const int below = cells[i] + kBoardColumns;
            if (below > kBoardCells || CellState(below) == kFixed) return false;
        }
        return count > 0;
    };
    int rows = 0;
    while (canFall()) {
        Pivot = static_cast<Integer>(Pivot + kBoardColumns);
        for (std::size_t i = 0; i < count; ++i) {
            MoveCell(cells[i], cells[i] + kBoardColumns);
            cells[i] += kBoardColumns;
        }
        ++rows;
    }
    // A figure already resting stays falling and movable until the next tick fixes it.
    if (rows == 0) return;

    CurType = 0;
    Rotation = 0;
    Pivot = 0;
    SettleFigure();
    DrawDirtyCells();
    // A full interval before the next tick.
    Platform.SetTimerEnabled(false);
    Platform.SetTimerEnabled(true);
}

}  // namespace blokka
