// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing pass: brings the marked board cells on screen.

#include "core/game.h"
#include "view/stock_pictures.h"

namespace blokka {

Integer Game::EmptyCellPicture() const {
    if (BackMode == 1) return kFlatPicture;
    if (BackMode == 2) return kLightPicture;
    return kDarkPicture;
}

// The picture follows the cell's colour alone, and the background in force at the pass.
void Game::DrawDirtyCells() {
    for (int n = 1; n <= kBoardCells; ++n) {
        if (CellDirty(n) != 1) continue;
        Platform.SetCellVisible(n, false);
        Platform.SetCellPicture(n, CellColor(n) != 0 ? CellColor(n) : EmptyCellPicture());
        CellDirty(n) = 0;
        Platform.SetCellVisible(n, true);
    }
}

void Game::HideAllCells() {
    for (int k = 1; k <= kDisplayCells; ++k) Platform.SetCellVisible(k, false);
}

void Game::ShowAllCells() {
    for (int k = 1; k <= kDisplayCells; ++k) Platform.SetCellVisible(k, true);
}

}  // namespace blokka
