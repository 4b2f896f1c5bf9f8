// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time and memory: the smallest Qt Widgets window with a menu bar and
// a label, the same size as the game's window. Its label is filled with the colour of an empty
// board cell, so that the start-up probe waits for the same pixels in both programs.
//
// With `--repaint-every MS` it also repaints a figure's worth of the label, four cells of 18
// pixels, a row lower every MS milliseconds: the least a Qt window can do to show a falling
// figure, and so the floor for the game's own cost at that speed.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QTimer>

#include "view/client_area.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("Игра"))->addAction(QStringLiteral("Заново"));

    QLabel label(QStringLiteral("Счет: 0"));
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor(0x31, 0x34, 0x31));
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    window.setCentralWidget(&label);
    window.resize(blokka::kClientWidth,
                  blokka::kClientHeight + window.menuBar()->sizeHint().height());

    QTimer ticks;
    const QStringList arguments = QApplication::arguments();
    const qsizetype option = arguments.indexOf(QStringLiteral("--repaint-every"));
    if (option >= 0 && option + 1 < arguments.size()) {
        constexpr int kCell = 18;
        constexpr int kRows = 20;
        QObject::connect(&ticks, &QTimer::timeout, &label, [&label, row = 0]() mutable {
            const QRect figure(5 + 4 * kCell, 5 + row * kCell, kCell, 4 * kCell);
            row = (row + 1) % (kRows - 3);
            label.update(figure);
            label.update(figure.translated(0, kCell));
        });
        ticks.start(arguments.at(option + 1).toInt());
    }
    window.show();
    return app.exec();
}
