// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The menu bar as data: every menu, item and separator in display order. The window builds its
// menus from this table and sends each click to the handler named here.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/game.h"
#include "core/menu_items.h"

namespace blokka {

enum class MenuKind : std::uint8_t { Menu, Item, Separator };

struct MenuEntry {
    std::uint8_t depth;  // 0 a menu of the bar, 1 its entries, 2 the entries of a submenu
    MenuKind kind;
    std::string_view name;
    std::string_view caption;
    MenuItem item = MenuItem::None;
    void (Game::*click)() = nullptr;
    bool checkable = false;
    bool enabled = true;
    bool checkedAtCreation = false;  // the mark the window is created with
    std::string_view shortcut = {};
};

namespace menu_tree_detail {
constexpr MenuEntry Menu(int depth, std::string_view name, std::string_view caption) {
    return {static_cast<std::uint8_t>(depth), MenuKind::Menu, name, caption};
}
constexpr MenuEntry Separator(int depth, std::string_view name) {
    return {static_cast<std::uint8_t>(depth), MenuKind::Separator, name, "-"};
}
constexpr MenuEntry Check(int depth, std::string_view name, std::string_view caption, MenuItem item,
                          void (Game::*click)()) {
    return {static_cast<std::uint8_t>(depth), MenuKind::Item, name, caption, item, click, true};
}
constexpr MenuEntry Hint(std::string_view name, std::string_view caption, MenuItem item) {
    return {2, MenuKind::Item, name, caption, item, nullptr, false, false};
}
}  // namespace menu_tree_detail

inline constexpr auto kMenuTree = [] {
    using namespace menu_tree_detail;
    using M = MenuItem;
    using G = Game;
    MenuEntry newGame{1, MenuKind::Item, "mnuNew", "Заново", M::mnuNew, &G::mnuNew_Click};
    newGame.shortcut = "F2";
    MenuEntry dark = Check(2, "mnuBackColor3", "Тёмный", M::mnuBackColor3, &G::mnuBackColor3_Click);
    dark.checkedAtCreation = true;  // start-up sets the dark background without a click
    return std::array{
        Menu(0, "mnuMenu", "Игра"),
        newGame,
        Separator(1, "r1"),
        Check(1, "mnuPause", "Пауза [PAUSE] [P]", M::mnuPause, &G::mnuPause_Click),
        Menu(0, "mnuOptions", "Настройки"),
        Menu(1, "mnuSize", "Размер"),
        Check(2, "mnuSize12", "12х12", M::mnuSize12, &G::mnuSize12_Click),
        Check(2, "mnuSize18", "18x18", M::mnuSize18, &G::mnuSize18_Click),
        Check(2, "mnuSize24", "24х24", M::mnuSize24, &G::mnuSize24_Click),
        Check(2, "mnuSize30", "30x30", M::mnuSize30, &G::mnuSize30_Click),
        Menu(1, "mnuESC", "ESC"),
        Check(2, "mnuESC0", "Не назначено", M::mnuESC0, &G::mnuESC0_Click),
        Check(2, "mnuESC1", "Пауза", M::mnuESC1, &G::mnuESC1_Click),
        Check(2, "mnuESC2", "Свернуть", M::mnuESC2, &G::mnuESC2_Click),
        Check(2, "mnuESC3", "Закрыть игру", M::mnuESC3, &G::mnuESC3_Click),
        Menu(1, "mnuSpeed", "Скорость"),
        Hint("mnuPageUp", "[PAGE UP] [+]", M::mnuPageUp),
        Separator(2, "r2"),
        Check(2, "mnuSpeed50", "20", M::mnuSpeed50, &G::mnuSpeed50_Click),
        Check(2, "mnuSpeed100", "19", M::mnuSpeed100, &G::mnuSpeed100_Click),
        Check(2, "mnuSpeed150", "18", M::mnuSpeed150, &G::mnuSpeed150_Click),
        Separator(2, "r3"),
        Check(2, "mnuSpeed200", "17", M::mnuSpeed200, &G::mnuSpeed200_Click),
        Check(2, "mnuSpeed250", "16", M::mnuSpeed250, &G::mnuSpeed250_Click),
        Check(2, "mnuSpeed300", "15", M::mnuSpeed300, &G::mnuSpeed300_Click),
        Check(2, "mnuSpeed350", "14", M::mnuSpeed350, &G::mnuSpeed350_Click),
        Check(2, "mnuSpeed400", "13", M::mnuSpeed400, &G::mnuSpeed400_Click),
        Check(2, "mnuSpeed450", "12", M::mnuSpeed450, &G::mnuSpeed450_Click),
        Separator(2, "r4"),
        Check(2, "mnuSpeed500", "11", M::mnuSpeed500, &G::mnuSpeed500_Click),
        Check(2, "mnuSpeed550", "10", M::mnuSpeed550, &G::mnuSpeed550_Click),
        Check(2, "mnuSpeed600", "9", M::mnuSpeed600, &G::mnuSpeed600_Click),
        Check(2, "mnuSpeed650", "8", M::mnuSpeed650, &G::mnuSpeed650_Click),
        Check(2, "mnuSpeed700", "7", M::mnuSpeed700, &G::mnuSpeed700_Click),
        Check(2, "mnuSpeed750", "6", M::mnuSpeed750, &G::mnuSpeed750_Click),
        Check(2, "mnuSpeed800", "5", M::mnuSpeed800, &G::mnuSpeed800_Click),
        Check(2, "mnuSpeed850", "4", M::mnuSpeed850, &G::mnuSpeed850_Click),
        Check(2, "mnuSpeed900", "3", M::mnuSpeed900, &G::mnuSpeed900_Click),
        Check(2, "mnuSpeed950", "2", M::mnuSpeed950, &G::mnuSpeed950_Click),
        Check(2, "mnuSpeed1000", "1", M::mnuSpeed1000, &G::mnuSpeed1000_Click),
        Separator(2, "r5"),
        Hint("mnuPageDown", "[PAGE DOWN] [-]", M::mnuPageDown),
        Menu(1, "mnuBackColor", "Цвет фона"),
        Check(2, "mnuBackColor1", "Без фона", M::mnuBackColor1, &G::mnuBackColor1_Click),
        Check(2, "mnuBackColor2", "Светлый", M::mnuBackColor2, &G::mnuBackColor2_Click),
        dark,
        Menu(1, "mnuColors", "Цвета"),
        Check(2, "mnuColors7", "Разные", M::mnuColors7, &G::mnuColors7_Click),
        Separator(2, "r6"),
        Check(2, "mnuColor1", "Красный", M::mnuColor1, &G::mnuColor1_Click),
        Check(2, "mnuColor2", "Оранжевый", M::mnuColor2, &G::mnuColor2_Click),
        Check(2, "mnuColor3", "Желтый", M::mnuColor3, &G::mnuColor3_Click),
        Check(2, "mnuColor4", "Зеленый", M::mnuColor4, &G::mnuColor4_Click),
        Check(2, "mnuColor5", "Голубой", M::mnuColor5, &G::mnuColor5_Click),
        Check(2, "mnuColor6", "Синий", M::mnuColor6, &G::mnuColor6_Click),
        Check(2, "mnuColor7", "Фиолетовый", M::mnuColor7, &G::mnuColor7_Click),
        Separator(2, "r7"),
        Check(2, "mnuColors1", "Один", M::mnuColors1, &G::mnuColors1_Click),
        Menu(1, "mnuFigures", "Появление"),
        Check(2, "mnuFigures0", "Случайные", M::mnuFigures0, &G::mnuFigures0_Click),
        Separator(2, "r8"),
        Check(2, "mnuFigures1", "По 2 одинаковых", M::mnuFigures1, &G::mnuFigures1_Click),
        Check(2, "mnuFigures2", "По 3 одинаковых", M::mnuFigures2, &G::mnuFigures2_Click),
        Separator(2, "r9"),
        Check(2, "mnuFiguresABC", "По очереди", M::mnuFiguresABC, &G::mnuFiguresABC_Click),
        Separator(1, "r10"),
        Check(1, "mnuMouse", "Управлять мышкой", M::mnuMouse, &G::mnuMouse_Click),
    };
}();

// The entry of an item, for names and captions.
constexpr const MenuEntry* FindMenuEntry(MenuItem item) {
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.item == item) return &entry;
    }
    return nullptr;
}

}  // namespace blokka
