// The yardstick for start-up time and memory: the smallest Qt Widgets window with a menu bar and
// a label, the same size as the game's window. Its label is filled with the colour of an empty
// board cell, so that the start-up probe waits for the same pixels in both programs.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>

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
    window.resize(265, 370 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
