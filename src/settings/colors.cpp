// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Which colours new figures may take. At least one colour is always on.

#include "core/game.h"
#include "core/random_choice.h"
#include "settings/menu_tree.h"

namespace blokka {

void Game::mnuColors7_Click() {
    ColorOn.Fill(1);
    UpdateColorChecks();
}

// All off; the update switches exactly one back on at random.
void Game::mnuColors1_Click() {
    ColorOn.Fill(0);
    UpdateColorChecks();
}

void Game::SwitchColor(MenuItem item) {
    const int k = MenuValue(item);
    ColorOn(k) = ColorOn(k) == 1 ? 0 : 1;
    UpdateColorChecks();
}

void Game::mnuColor1_Click() { SwitchColor(MenuItem::mnuColor1); }
void Game::mnuColor2_Click() { SwitchColor(MenuItem::mnuColor2); }
void Game::mnuColor3_Click() { SwitchColor(MenuItem::mnuColor3); }
void Game::mnuColor4_Click() { SwitchColor(MenuItem::mnuColor4); }
void Game::mnuColor5_Click() { SwitchColor(MenuItem::mnuColor5); }
void Game::mnuColor6_Click() { SwitchColor(MenuItem::mnuColor6); }
void Game::mnuColor7_Click() { SwitchColor(MenuItem::mnuColor7); }

void Game::UpdateColorChecks() {
    int on = 0;
    for (Byte value : ColorOn) on += value;
    if (on == 0) {
        ColorOn(RandomWhole(Platform.RandomValue(), kColors)) = 1;
        on = 1;
    }
    Platform.SetChecked(MenuItem::mnuColors1, on == 1);
    Platform.SetChecked(MenuItem::mnuColors7, on == kColors);
    // The colour items in the order of their colours.
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.group == MenuGroup::Color)
            Platform.SetChecked(entry.item, ColorOn(entry.value) == 1);
    }
}

}  // namespace blokka
