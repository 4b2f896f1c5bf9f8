// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse steering: the falling figure follows the pointer's column; buttons turn and drop.

#include "core/game.h"

namespace blokka {

void Game::mnuMouse_Click() {
    MouseMode = MouseMode == 0 ? 1 : 0;
    Platform.SetChecked(MenuItem::mnuMouse, MouseMode == 1);
}

// Recorded whether or not steering is on, so switching it on later finds the pointer's cell.
// An index that names no display cell is not a pointer position and is not recorded.
void Game::Img_MouseMove(Integer Index) {
    if (Index < 1 || Index > kDisplayCells) return;
    if (!Platform.TimerEnabled()) return;
    MouseCell = Index;
    FollowMouse();
}

void Game::Img_MouseDown(Integer Index, Integer Button) {
    if (MouseMode == 0 || GameOver == 1) return;
    if (Index < 1 || Index > kBoardCells) return;
    if (!Platform.TimerEnabled()) return;
    if (Button == 2) RotateFigure();
    if (Button == 1) DropFigure();
}

void Game::FollowMouse() {
    if (MouseMode == 0 || GameOver == 1 || MouseCell <= 0 || MouseCell > kBoardCells) return;
    const int target = ColumnOf(MouseCell);
    const int pivotColumn = Pivot == 0 ? 0 : ColumnOf(Pivot);
    // The count is fixed before the first move; once a move is refused the rest are too.
    for (int i = pivotColumn; i > target; --i) MoveLeft();
    for (int i = pivotColumn; i < target; ++i) MoveRight();
}

}  // namespace blokka
