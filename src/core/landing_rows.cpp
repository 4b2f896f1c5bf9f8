// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Falling, landing, removing full rows and counting them.

#include <string>

#include "core/game.h"

namespace blokka {

void Game::GravityStep() {
    if (CanFall() == 1) {
        ShiftDown();
        DrawDirtyCells();
    } else {
        FixFigure();
        CurType = 0;
    }
}

void Game::RemoveFullRows() {
    int fixedInRow = 0;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (CellState(n) == kFixed) ++fixedInRow;
        if (ColumnOf(n) != kBoardColumns) continue;

        if (fixedInRow == kBoardColumns) {
            for (int k = n - kBoardColumns + 1; k <= n; ++k) EmptyCell(k);
            // Downwards from the bottom of the removed row, so each target is free when written.
            for (int m = n; m > kBoardColumns; --m) {
                if (CellState(m - kBoardColumns) == kFixed) MoveCell(m - kBoardColumns, m);
            }
            if (Score < kScoreCap) ++Score;
            const std::uint32_t colour = Score == kScoreCap ? kDarkRed : kBlack;
            if (Platform.LabelColor() != colour) Platform.SetLabelColor(colour);
            Platform.SetLabelCaption("Счет: " + std::to_string(Score));
        }
        fixedInRow = 0;
    }
}

}  // namespace blokka
