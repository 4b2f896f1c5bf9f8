// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The order in which figure types appear: at random, in pairs or threes, optionally in turn.

#include "core/game.h"

namespace blokka {

// The figure already waiting starts the first pair or three, so one more of its type follows in
// either mode, not two after it in threes.
void Game::SelectRepeatMode(MenuItem item) {
    RepeatMode = static_cast<Byte>(MenuValue(item));
    RepeatLeft = RepeatMode > 0 ? 1 : 0;
    UpdateFiguresChecks();
}

void Game::mnuFigures0_Click() { SelectRepeatMode(MenuItem::mnuFigures0); }
void Game::mnuFigures1_Click() { SelectRepeatMode(MenuItem::mnuFigures1); }
void Game::mnuFigures2_Click() { SelectRepeatMode(MenuItem::mnuFigures2); }

void Game::mnuFiguresABC_Click() {
    InTurn = InTurn == 0 ? 1 : 0;
    Platform.SetChecked(MenuItem::mnuFiguresABC, InTurn == 1);
}

void Game::UpdateFiguresChecks() {
    MarkOneOf(MenuGroup::Repeat, RepeatMode, MarkSteps::ClearAllThenMark);
}

}  // namespace blokka
