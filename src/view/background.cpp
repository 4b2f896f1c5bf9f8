// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The background of empty cells, switched at once in every state of the game.

#include "core/game.h"

namespace blokka {

// The handlers mark the items themselves: the mode has no update step of its own.
void Game::SelectBackMode(MenuItem item) {
    BackMode = static_cast<Byte>(MenuValue(item));
    RedrawAll();
    MarkOneOf(MenuGroup::Back, BackMode, MarkSteps::EachInTurn);
}

void Game::mnuBackColor1_Click() { SelectBackMode(MenuItem::mnuBackColor1); }
void Game::mnuBackColor2_Click() { SelectBackMode(MenuItem::mnuBackColor2); }
void Game::mnuBackColor3_Click() { SelectBackMode(MenuItem::mnuBackColor3); }

void Game::RedrawAll() {
    CellDirty.Fill(1);
    DrawDirtyCells();
    ClearNextBox();
    // After a game over the box stays empty: the figure that did not fit is not shown again.
    if (GameOver != 1) DrawNextFigure();
}

}  // namespace blokka
