// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's answers for the web page's tests, which play the same steps on the page: the Qt
// window offscreen, its random source seeded as the page seeds it at the time of day given (in
// milliseconds); then for each line read, one of
//   tick | item <name> | key <Qt key> <modifiers> | move <cell> | press <cell> <button>
// a line of JSON with what the window shows. First comes a line with the stock pictures as the
// canvas shows them at each device size given, and the icon at its window sizes (RGBA, base64).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUuid>
#include <iostream>
#include <string>

#include "menu_description.h"
#include "window/app_icon.h"
#include "window/frm_main.h"
#include "window/random_source.h"
#include "window/stock_image.h"

namespace {

QString Rgba(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(rgba.constBits()), rgba.sizeInBytes()).toBase64());
}

void Answer(const QJsonObject& answer) {
    std::cout << QJsonDocument(answer).toJson(QJsonDocument::Compact).toStdString() << std::endl;
}

QJsonObject State(blokka::frmMain& window) {
    blokka::QtWindowLayer& layer = window.layer();
    QJsonArray cells;
    for (int k = 1; k <= blokka::kDisplayCells; ++k) {
        const QRect r = layer.canvas().cellBounds(k);
        cells.append(
            QJsonArray{layer.canvas().cellPicture(k), r.x(), r.y(), r.width(), r.height()});
    }
    const QLabel& label = layer.lblTotal();
    return {{"cells", cells},
            {"label", QJsonArray{label.text(), int(layer.LabelColor()), label.x(), label.y()}},
            {"timer", QJsonArray{layer.TimerEnabled(), layer.TimerInterval()}},
            {"menus", QJsonArray::fromStringList(Describe(window.menuBar()))},
            {"ended", layer.ended()}};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    blokka::frmMain window("blokka-oracle-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (args.size() < 2 || !window.load()) return 1;
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) return 1;
    // Its timer runs as ever, but ticks only when a step says so, as the page's does.
    window.layer().tmrMain().blockSignals(true);
    window.layer().SeedRandom(blokka::SecondsOfDay(args[1].toInt()));
    window.game().mnuNew_Click();

    QJsonObject pictures, icons;
    for (const QString& size : args.mid(2)) {
        QJsonArray scaled;
        for (int p = 1; p <= blokka::kStockPictures; ++p) {
            scaled.append(Rgba(blokka::stockImage(p).scaled(
                size.toInt(), size.toInt(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
        }
        pictures[size] = scaled;
    }
    for (int size : blokka::kWindowIconSizes)
        icons[QString::number(size)] = Rgba(blokka::drawAppIcon(size));
    Answer({{"pictures", pictures}, {"icons", icons}});
    Answer(State(window));

    QWidget& canvas = window.layer().canvas();
    const auto centre = [&](const QString& cell) {
        return window.layer().canvas().cellBounds(cell.toInt()).center();
    };
    for (std::string line; std::getline(std::cin, line);) {
        const QStringList step = QString::fromStdString(line).split(' ');
        const QString& what = step[0];
        if (what == "tick" && window.layer().TimerEnabled()) window.game().tmrMain_Timer();
        if (what == "item") window.findChild<QAction*>(step[1])->trigger();
        if (what == "key") {
            const auto key = Qt::Key(step[1].toInt());
            const QString text = key < Qt::Key_Escape ? QString(QChar(key)).toLower() : QString();
            QTest::sendKeyEvent(QTest::Click, window.windowHandle(), key, text,
                                Qt::KeyboardModifiers(step[2].toInt()));
        }
        if (what == "move") QTest::mouseMove(&canvas, centre(step[1]));
        if (what == "press") {
            QTest::mouseClick(&canvas, Qt::MouseButton(step[2].toInt()), {}, centre(step[1]));
        }
        QCoreApplication::processEvents();
        Answer(State(window));
    }
    return 0;
}
