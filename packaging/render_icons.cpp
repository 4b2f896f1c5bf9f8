// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's own icon as PNG files for the desktop's icon theme, so that launchers
// show the very pictures the window carries.
//
//     render_icons <directory> <name> <size>...
//
// writes <directory>/<size>x<size>/apps/<name>.png for every size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "window/app_icon.h"

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_icons <directory> <name> <size>...\n");
        return 2;
    }
    for (const QString& arg : args.mid(3)) {
        const int size = arg.toInt();
        // The theme's sizes are the ones the icon is designed and tested at.
        if (std::ranges::find(blokka::kThemeIconSizes, size) == std::end(blokka::kThemeIconSizes)) {
            std::fprintf(stderr, "render_icons: the icon is not drawn at %s\n", qPrintable(arg));
            return 1;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1], arg);
        const QString file = folder + '/' + args[2] + ".png";
        if (!QDir().mkpath(folder) || !blokka::drawAppIcon(size).save(file)) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
