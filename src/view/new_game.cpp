// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A new game: empty board, every cell painted with the background, the timer restarted.

#include "core/game.h"

namespace blokka {

void Game::mnuNew_Click() { NewGame(); }

// The waiting figure (NextType, NextColor), Pivot and every setting are kept, so the figure that
// was in the box becomes the first one of the new game.
void Game::NewGame() {
    HideAllCells();
    CellState.Fill(0);
    CellColor.Fill(0);
    CellDirty.Fill(0);
    const Integer background = EmptyCellPicture();
    for (int k = 1; k <= kDisplayCells; ++k) Platform.SetCellPicture(k, background);

    CurColor = 0;
    CurType = 0;
    Rotation = 0;
    RepeatLeft = RepeatMode;
    GameOver = 0;
    MouseCell = 0;
    Score = 0;

    Platform.SetLabelCaption("");
    if (Platform.LabelColor() != kBlack) Platform.SetLabelColor(kBlack);
    Platform.SetTimerEnabled(false);
    Platform.SetTimerEnabled(true);
    Platform.SetChecked(MenuItem::mnuPause, false);
    ShowAllCells();
}

}  // namespace blokka
