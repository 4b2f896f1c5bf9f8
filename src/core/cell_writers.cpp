// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The primitive writers that change board cells consistently: a cell's state, colour and mark
// for the drawing pass always change together.

#include "core/game.h"

namespace blokka {

void Game::EmptyCell(int n) {
    CellState(n) = kEmpty;
    CellColor(n) = 0;
    CellDirty(n) = 1;
}

// The target is free: each caller moves cells in the order that empties it first.
void Game::MoveCell(int from, int to) {
    CellState(to) = CellState(from);
    CellColor(to) = CellColor(from);
    CellDirty(to) = 1;
    EmptyCell(from);
}

void Game::SetFigureCell() {
    CellState(CellArg) = kFalling;
    CellColor(CellArg) = CurColor;
    CellDirty(CellArg) = 1;
}

void Game::ClearCell() { EmptyCell(CellArg); }

// A fixed cell looks the same as a falling one, so nothing is marked for repainting.
void Game::FixFigure() {
    for (Integer& state : CellState) {
        if (state == kFalling) state = kFixed;
    }
}

void Game::SettleFigure() {
    Pivot = 0;
    FixFigure();
}

}  // namespace blokka
