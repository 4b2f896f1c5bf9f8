// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The Escape submenu: what the Escape key does.

#include "core/game.h"

namespace blokka {

void Game::SelectEscAction(MenuItem item) {
    EscAction = static_cast<Byte>(MenuValue(item));
    UpdateEscChecks();
}

void Game::mnuESC0_Click() { SelectEscAction(MenuItem::mnuESC0); }
void Game::mnuESC1_Click() { SelectEscAction(MenuItem::mnuESC1); }
void Game::mnuESC2_Click() { SelectEscAction(MenuItem::mnuESC2); }
void Game::mnuESC3_Click() { SelectEscAction(MenuItem::mnuESC3); }

void Game::UpdateEscChecks() {
    MarkOneOf(MenuGroup::Escape, EscAction, MarkSteps::ClearSetThenMark);
}

}  // namespace blokka
