// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing the display cells and the score label for the chosen cell size; closing the window.

#include "core/game.h"

namespace blokka {

void Game::SelectCellSize(MenuItem item) {
    CellSize = MenuValue(item);
    ApplyCellSize();
}

void Game::mnuSize12_Click() { SelectCellSize(MenuItem::mnuSize12); }
void Game::mnuSize18_Click() { SelectCellSize(MenuItem::mnuSize18); }
void Game::mnuSize24_Click() { SelectCellSize(MenuItem::mnuSize24); }
void Game::mnuSize30_Click() { SelectCellSize(MenuItem::mnuSize30); }

void Game::ApplyCellSize() {
    MarkOneOf(MenuGroup::Size, CellSize, MarkSteps::ClearSetThenMark);
    LayoutCells();
}

void Game::LayoutCells() {
    const int s = CellSize;
    HideAllCells();
    for (int n = 1; n <= kBoardCells; ++n) {
        const int i = (n - 1) % kBoardColumns;
        const int j = (n - 1) / kBoardColumns;
        Platform.SetCellBounds(n, {s * i + 5, s * j + 5, s, s});
    }
    // The next-figure box, four by two, five pixels right of the board.
    for (int n = kBoxFirst; n <= kDisplayCells; ++n) {
        const int i = (n - kBoxFirst) % 4;
        const int j = (n - kBoxFirst) / 4;
        Platform.SetCellBounds(n, {s * (i + 10) + 10, s * j + 5, s, s});
    }
    ShowAllCells();
    // The label sits under the box, 13 pixels above the board's bottom edge.
    const CellBounds box = Platform.GetCellBounds(kBoxFirst);
    const CellBounds corner = Platform.GetCellBounds(kBoardCells);
    Platform.SetLabelPosition(box.left, corner.top + corner.height - 13);
}

void Game::Form_Unload() { Platform.End(); }

}  // namespace blokka
