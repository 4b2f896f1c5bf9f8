// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QFont>

#include "window/platform_fonts.h"

namespace blokka {

namespace {

// Segoe UI is the face of Windows' own menus and dialogs. Qt starts from the stock GUI font,
// "MS Shell Dlg", a name that only the system's table of substitutes turns into a face: where
// that face is missing, as under Wine, Qt takes whatever face comes first, often a serif one.
// There the label's face, Calibri or its metric twin Carlito, keeps the menus plain.
QFont withWindowsFaces(QFont font) {
    font.setFamilies(
        {QStringLiteral("Segoe UI"), QStringLiteral("Calibri"), QStringLiteral("Carlito")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

// The menus have fonts of their own, which the application's font does not change.
void usePlatformFonts() {
    QApplication::setFont(withWindowsFaces(QApplication::font()));
    for (const char* widget : {"QMenuBar", "QMenu"}) {
        QApplication::setFont(withWindowsFaces(QApplication::font(widget)), widget);
    }
}

}  // namespace blokka
