// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "window/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets a desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName("org.blokka.Blokka");
    blokka::frmMain window;
    if (!window.load()) return 0;
    window.show();
    return QApplication::exec();
}
