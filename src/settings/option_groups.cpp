// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The option groups as the menu tree has them: what each item stands for, and the one mark of
// a group that follows its stored value.

#include "core/game.h"
#include "settings/menu_tree.h"

namespace blokka {

Integer Game::MenuValue(MenuItem item) const {
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.item == item) return entry.value;
    }
    return 0;
}

// The items of a group in the order of the menu, which is the order of their marks.
void Game::MarkOneOf(MenuGroup group, std::int32_t value, MarkSteps steps) {
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.group != group) continue;
        const bool chosen = entry.value == value;
        if (steps == MarkSteps::ClearAllThenMark) {
            Platform.SetChecked(entry.item, false);
        } else if (steps == MarkSteps::ClearSetThenMark) {
            if (Platform.Checked(entry.item)) Platform.SetChecked(entry.item, false);
        } else if (Platform.Checked(entry.item) != chosen) {
            Platform.SetChecked(entry.item, chosen);
        }
    }
    if (steps == MarkSteps::EachInTurn) return;
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.group == group && entry.value == value) Platform.SetChecked(entry.item, true);
    }
}

}  // namespace blokka
