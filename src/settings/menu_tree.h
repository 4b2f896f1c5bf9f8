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
    MenuGroup group = MenuGroup::None;
    std::int16_t value = 0;  // what the item stands for in its group
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
    return {.depth = static_cast<std::uint8_t>(depth),
            .kind = MenuKind::Item,
            .name = name,
            .caption = caption,
            .item = item,
            .click = click,
            .checkable = true};
}
// An item of an option group at depth 2, with the value it stands for.
constexpr MenuEntry Option(std::string_view name, std::string_view caption, MenuItem item,
                           void (Game::*click)(), MenuGroup group, int value) {
    MenuEntry entry = Check(2, name, caption, item, click);
    entry.group = group;
    entry.value = static_cast<std::int16_t>(value);
    return entry;
}
constexpr MenuEntry Hint(std::string_view name, std::string_view caption, MenuItem item) {
    return {.depth = 2,
            .kind = MenuKind::Item,
            .name = name,
            .caption = caption,
            .item = item,
            .enabled = false};
}
}  // namespace menu_tree_detail

inline constexpr auto kMenuTree = [] {
    using namespace menu_tree_detail;
    using M = MenuItem;
    using G = Game;
    using enum MenuGroup;
    MenuEntry newGame{1, MenuKind::Item, "mnuNew", "Заново", M::mnuNew, &G::mnuNew_Click};
    newGame.shortcut = "F2";
    MenuEntry dark =
        Option("mnuBackColor3", "Тёмный", M::mnuBackColor3, &G::mnuBackColor3_Click, Back, 3);
    dark.checkedAtCreation = true;  // start-up sets the dark background without a click
    return std::array{
        Menu(0, "mnuMenu", "Игра"),
        newGame,
        Separator(1, "r1"),
        Check(1, "mnuPause", "Пауза [PAUSE] [P]", M::mnuPause, &G::mnuPause_Click),
        Menu(0, "mnuOptions", "Настройки"),
        Menu(1, "mnuSize", "Размер"),
        Option("mnuSize12", "12х12", M::mnuSize12, &G::mnuSize12_Click, Size, 12),
        Option("mnuSize18", "18x18", M::mnuSize18, &G::mnuSize18_Click, Size, 18),
        Option("mnuSize24", "24х24", M::mnuSize24, &G::mnuSize24_Click, Size, 24),
        Option("mnuSize30", "30x30", M::mnuSize30, &G::mnuSize30_Click, Size, 30),
        Menu(1, "mnuESC", "ESC"),
        Option("mnuESC0", "Не назначено", M::mnuESC0, &G::mnuESC0_Click, Escape, 0),
        Option("mnuESC1", "Пауза", M::mnuESC1, &G::mnuESC1_Click, Escape, 1),
        Option("mnuESC2", "Свернуть", M::mnuESC2, &G::mnuESC2_Click, Escape, 2),
        Option("mnuESC3", "Закрыть игру", M::mnuESC3, &G::mnuESC3_Click, Escape, 3),
        Menu(1, "mnuSpeed", "Скорость"),
        Hint("mnuPageUp", "[PAGE UP] [+]", M::mnuPageUp),
        Separator(2, "r2"),
        Option("mnuSpeed50", "20", M::mnuSpeed50, &G::mnuSpeed50_Click, Speed, 50),
        Option("mnuSpeed100", "19", M::mnuSpeed100, &G::mnuSpeed100_Click, Speed, 100),
        Option("mnuSpeed150", "18", M::mnuSpeed150, &G::mnuSpeed150_Click, Speed, 150),
        Separator(2, "r3"),
        Option("mnuSpeed200", "17", M::mnuSpeed200, &G::mnuSpeed200_Click, Speed, 200),
        Option("mnuSpeed250", "16", M::mnuSpeed250, &G::mnuSpeed250_Click, Speed, 250),
        Option("mnuSpeed300", "15", M::mnuSpeed300, &G::mnuSpeed300_Click, Speed, 300),
        Option("mnuSpeed350", "14", M::mnuSpeed350, &G::mnuSpeed350_Click, Speed, 350),
        Option("mnuSpeed400", "13", M::mnuSpeed400, &G::mnuSpeed400_Click, Speed, 400),
        Option("mnuSpeed450", "12", M::mnuSpeed450, &G::mnuSpeed450_Click, Speed, 450),
        Separator(2, "r4"),
        Option("mnuSpeed500", "11", M::mnuSpeed500, &G::mnuSpeed500_Click, Speed, 500),
        Option("mnuSpeed550", "10", M::mnuSpeed550, &G::mnuSpeed550_Click, Speed, 550),
        Option("mnuSpeed600", "9", M::mnuSpeed600, &G::mnuSpeed600_Click, Speed, 600),
        Option("mnuSpeed650", "8", M::mnuSpeed650, &G::mnuSpeed650_Click, Speed, 650),
        Option("mnuSpeed700", "7", M::mnuSpeed700, &G::mnuSpeed700_Click, Speed, 700),
        Option("mnuSpeed750", "6", M::mnuSpeed750, &G::mnuSpeed750_Click, Speed, 750),
        Option("mnuSpeed800", "5", M::mnuSpeed800, &G::mnuSpeed800_Click, Speed, 800),
        Option("mnuSpeed850", "4", M::mnuSpeed850, &G::mnuSpeed850_Click, Speed, 850),
        Option("mnuSpeed900", "3", M::mnuSpeed900, &G::mnuSpeed900_Click, Speed, 900),
        Option("mnuSpeed950", "2", M::mnuSpeed950, &G::mnuSpeed950_Click, Speed, 950),
        Option("mnuSpeed1000", "1", M::mnuSpeed1000, &G::mnuSpeed1000_Click, Speed, 1000),
        Separator(2, "r5"),
        Hint("mnuPageDown", "[PAGE DOWN] [-]", M::mnuPageDown),
        Menu(1, "mnuBackColor", "Цвет фона"),
        Option("mnuBackColor1", "Без фона", M::mnuBackColor1, &G::mnuBackColor1_Click, Back, 1),
        Option("mnuBackColor2", "Светлый", M::mnuBackColor2, &G::mnuBackColor2_Click, Back, 2),
        dark,
        Menu(1, "mnuColors", "Цвета"),
        Check(2, "mnuColors7", "Разные", M::mnuColors7, &G::mnuColors7_Click),
        Separator(2, "r6"),
        Option("mnuColor1", "Красный", M::mnuColor1, &G::mnuColor1_Click, Color, 1),
        Option("mnuColor2", "Оранжевый", M::mnuColor2, &G::mnuColor2_Click, Color, 2),
        Option("mnuColor3", "Желтый", M::mnuColor3, &G::mnuColor3_Click, Color, 3),
        Option("mnuColor4", "Зеленый", M::mnuColor4, &G::mnuColor4_Click, Color, 4),
        Option("mnuColor5", "Голубой", M::mnuColor5, &G::mnuColor5_Click, Color, 5),
        Option("mnuColor6", "Синий", M::mnuColor6, &G::mnuColor6_Click, Color, 6),
        Option("mnuColor7", "Фиолетовый", M::mnuColor7, &G::mnuColor7_Click, Color, 7),
        Separator(2, "r7"),
        Check(2, "mnuColors1", "Один", M::mnuColors1, &G::mnuColors1_Click),
        Menu(1, "mnuFigures", "Появление"),
        Option("mnuFigures0", "Случайные", M::mnuFigures0, &G::mnuFigures0_Click, Repeat, 0),
        Separator(2, "r8"),
        Option("mnuFigures1", "По 2 одинаковых", M::mnuFigures1, &G::mnuFigures1_Click, Repeat, 1),
        Option("mnuFigures2", "По 3 одинаковых", M::mnuFigures2, &G::mnuFigures2_Click, Repeat, 2),
        Separator(2, "r9"),
        Check(2, "mnuFiguresABC", "По очереди", M::mnuFiguresABC, &G::mnuFiguresABC_Click),
        Separator(1, "r10"),
        Check(1, "mnuMouse", "Управлять мышкой", M::mnuMouse, &G::mnuMouse_Click),
    };
}();

}  // namespace blokka
