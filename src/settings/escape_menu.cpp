// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The Escape submenu: what the Escape key does.

#include <array>

#include "core/game.h"

namespace blokka {

void Game::SelectEscAction(Byte action) {
    EscAction = action;
    UpdateEscChecks();
}

void Game::mnuESC0_Click() { SelectEscAction(0); }
void Game::mnuESC1_Click() { SelectEscAction(1); }
void Game::mnuESC2_Click() { SelectEscAction(2); }
void Game::mnuESC3_Click() { SelectEscAction(3); }

void Game::UpdateEscChecks() {
    constexpr std::array kItems = {MenuItem::mnuESC0, MenuItem::mnuESC1, MenuItem::mnuESC2,
                                   MenuItem::mnuESC3};
    for (MenuItem item : kItems) {
        if (Platform.Checked(item)) Platform.SetChecked(item, false);
    }
    if (EscAction < kItems.size()) Platform.SetChecked(kItems[EscAction], true);
}

}  // namespace blokka
