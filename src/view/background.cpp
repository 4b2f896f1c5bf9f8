// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The background of empty cells, switched at once in every state of the game.

#include <array>

#include "core/game.h"

namespace blokka {

void Game::SelectBackMode(Byte mode) {
    BackMode = mode;
    RedrawAll();
    constexpr std::array kItems = {MenuItem::mnuBackColor1, MenuItem::mnuBackColor2,
                                   MenuItem::mnuBackColor3};
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const bool chosen = i + 1 == mode;
        if (Platform.Checked(kItems[i]) != chosen) Platform.SetChecked(kItems[i], chosen);
    }
}

void Game::mnuBackColor1_Click() { SelectBackMode(1); }
void Game::mnuBackColor2_Click() { SelectBackMode(2); }
void Game::mnuBackColor3_Click() { SelectBackMode(3); }

void Game::RedrawAll() {
    CellDirty.Fill(1);
    DrawDirtyCells();
    ClearNextBox();
    // After a game over the box stays empty: the figure that did not fit is not shown again.
    if (GameOver != 1) DrawNextFigure();
}

}  // namespace blokka
