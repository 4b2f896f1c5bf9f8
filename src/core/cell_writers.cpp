// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The four primitive writers that change board cells consistently.

#include "core/game.h"

namespace blokka {

void Game::SetFigureCell() {
    CellState(CellArg) = kFalling;
    CellColor(CellArg) = CurColor;
    CellDirty(CellArg) = 1;
}

void Game::ClearCell() {
    CellState(CellArg) = kEmpty;
    CellColor(CellArg) = 0;
    CellDirty(CellArg) = 1;
}

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
