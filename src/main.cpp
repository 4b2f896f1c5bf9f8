// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <cstdlib>

#include "window/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets a desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName("org.blokka.Blokka");
    blokka::frmMain window;
    const int status = window.load() ? (window.show(), QApplication::exec()) : 0;
    // Qt's Wayland platform can wait for ever on its event thread as it disconnects, and the
    // program would not end. It keeps nothing, so it ends without taking Qt down there.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) std::_Exit(status);
    return status;
}
