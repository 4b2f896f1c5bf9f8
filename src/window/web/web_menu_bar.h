// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The menu bar of the page, built from the menu tree: its elements, their check marks, which
// menus are open and which entry is highlighted, for the pointer and the keys as a desktop's
// menus take them. It runs no handler itself: what it returns is the entry the player chose.

#include <array>
#include <cstdint>

#include "core/menu_items.h"
#include "settings/menu_tree.h"

namespace blokka {

class WebMenuBar {
public:
    // The pointer's deeds over menu element ids (kMenuTree's indices from 1); 0 is elsewhere.
    enum class Pointer : std::uint8_t { Move, Press, Release };

    WebMenuBar();  // adds the elements to the page

    bool Checked(MenuItem item) const;
    void SetChecked(MenuItem item, bool checked);

    bool IsOpen() const { return open_[0] >= 0; }
    void CloseAll();

    // Each returns the entry chosen, or nullptr. A choice closes every menu first.
    const MenuEntry* OnPointer(int id, Pointer deed);
    const MenuEntry* OnKey(std::int16_t code);     // a key while a menu is open
    const MenuEntry* Shortcut(std::int16_t code);  // the item whose shortcut the key is

private:
    static constexpr int kLevels = 2;  // a menu of the bar and one submenu

    int Level(int entry) const;  // the popup an entry shows in, or -1 for the bar
    void OpenBarMenu(int entry, bool highlightFirst);
    void OpenSubmenu(int entry, bool highlightFirst);
    void CloseSubmenu();
    void Step(int level, int direction);  // to the next entry that can be chosen
    void NextBarMenu(int direction);
    const MenuEntry* Choose(int entry);
    void Refresh();

    std::array<bool, kMenuItemCount> marks_{};
    std::array<int, kLevels> open_{-1, -1};       // the open menu's entry at each level
    std::array<int, kLevels> highlight_{-1, -1};  // the highlighted entry in each open popup
    std::array<std::uint8_t, kMenuTree.size()> shown_{};  // how each entry is shown, as bits
};

}  // namespace blokka
