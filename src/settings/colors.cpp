// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Which colours new figures may take. At least one colour is always on.

#include <array>

#include "core/game.h"
#include "core/random_choice.h"

namespace blokka {

namespace {
constexpr std::array kColorItems = {MenuItem::mnuColor1, MenuItem::mnuColor2, MenuItem::mnuColor3,
                                    MenuItem::mnuColor4, MenuItem::mnuColor5, MenuItem::mnuColor6,
                                    MenuItem::mnuColor7};
}  // namespace

void Game::mnuColors7_Click() {
    ColorOn.Fill(1);
    UpdateColorChecks();
}

// All off; the update switches exactly one back on at random.
void Game::mnuColors1_Click() {
    ColorOn.Fill(0);
    UpdateColorChecks();
}

void Game::SwitchColor(int k) {
    ColorOn(k) = ColorOn(k) == 1 ? 0 : 1;
    UpdateColorChecks();
}

void Game::mnuColor1_Click() { SwitchColor(1); }
void Game::mnuColor2_Click() { SwitchColor(2); }
void Game::mnuColor3_Click() { SwitchColor(3); }
void Game::mnuColor4_Click() { SwitchColor(4); }
void Game::mnuColor5_Click() { SwitchColor(5); }
void Game::mnuColor6_Click() { SwitchColor(6); }
void Game::mnuColor7_Click() { SwitchColor(7); }

void Game::UpdateColorChecks() {
    int on = 0;
    for (Byte value : ColorOn) on += value;
    if (on == 0) {
        ColorOn(RandomWhole(Platform.RandomValue(), kColors)) = 1;
        on = 1;
    }
    Platform.SetChecked(MenuItem::mnuColors1, on == 1);
    Platform.SetChecked(MenuItem::mnuColors7, on == kColors);
    for (int k = 1; k <= kColors; ++k) {
        Platform.SetChecked(kColorItems[static_cast<std::size_t>(k - 1)], ColorOn(k) == 1);
    }
}

}  // namespace blokka
