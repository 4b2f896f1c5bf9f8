// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop's menus in words: a line a menu, its entries with [x] or [ ] for a mark, "off" for
// a greyed item and the shortcut, "-" for a separator. The web page's tests describe its menus
// alike.

#include <QMenu>
#include <QMenuBar>
#include <QStringList>

inline void Describe(QMenu* menu, QStringList& out) {
    out << menu->title() + ':';
    const qsizetype at = out.size() - 1;
    for (QAction* a : menu->actions()) {
        QString entry = ' ' + (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->isCheckable()) entry += a->isChecked() ? " [x]" : " [ ]";
        if (!a->isEnabled()) entry += " off";
        if (!a->shortcut().isEmpty()) entry += ' ' + a->shortcut().toString();
        out[at] += entry + (a != menu->actions().last() ? " |" : "");
        if (a->menu()) Describe(a->menu(), out);
    }
}

inline QStringList Describe(QMenuBar* bar) {
    QStringList menus;
    for (QAction* action : bar->actions()) Describe(action->menu(), menus);
    return menus;
}
