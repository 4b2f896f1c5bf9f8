// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The order in which figure types appear: at random, in pairs or threes, optionally in turn.

#include "core/game.h"

namespace blokka {

void Game::SelectRepeatMode(Byte mode, Byte left) {
    RepeatMode = mode;
    RepeatLeft = left;
    UpdateFiguresChecks();
}

void Game::mnuFigures0_Click() { SelectRepeatMode(0, 0); }
void Game::mnuFigures1_Click() { SelectRepeatMode(1, 1); }
// The figure already waiting starts the first three, so one more of its type follows, not two.
void Game::mnuFigures2_Click() { SelectRepeatMode(2, 1); }

void Game::mnuFiguresABC_Click() {
    InTurn = InTurn == 0 ? 1 : 0;
    Platform.SetChecked(MenuItem::mnuFiguresABC, InTurn == 1);
}

void Game::UpdateFiguresChecks() {
    Platform.SetChecked(MenuItem::mnuFigures0, false);
    Platform.SetChecked(MenuItem::mnuFigures1, false);
    Platform.SetChecked(MenuItem::mnuFigures2, false);
    if (RepeatMode == 0) Platform.SetChecked(MenuItem::mnuFigures0, true);
    if (RepeatMode == 1) Platform.SetChecked(MenuItem::mnuFigures1, true);
    if (RepeatMode == 2) Platform.SetChecked(MenuItem::mnuFigures2, true);
}

}  // namespace blokka
