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

// The menus have fonts of their own, which the application's font does not change. Their text
// is drawn by DirectWrite, which Qt takes for a font that asks for no hinting: through GDI the
// menus' popups, unlike the bar, come out under Wine in thin grey stems, half their ink on each
// of two pixels. DirectWrite lays the glyphs out as the face designs them, as Windows' own
// modern text is, the same in the bar and in every popup.
void usePlatformFonts() {
    QApplication::setFont(withWindowsFaces(QApplication::font()));
    for (const char* widget : {"QMenuBar", "QMenu"}) {
        QFont font = withWindowsFaces(QApplication::font(widget));
        font.setHintingPreference(QFont::PreferNoHinting);
        QApplication::setFont(font, widget);
    }
}

}  // namespace blokka
