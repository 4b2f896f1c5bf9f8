// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's answers for the web page's tests: the Qt window offscreen at the ratio
// QT_SCALE_FACTOR gives, seeded as the page is at the time of day given (in milliseconds). It
// prints its icons, then after start-up and each step read (tick | item <name> | key <Qt key>
// <modifiers> | move <x> <y> | press <x> <y> <button> | resize <width> <height>) what it shows,
// as JSON.

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

namespace {

QByteArray Rgba(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    return {reinterpret_cast<const char*>(rgba.constBits()), rgba.sizeInBytes()};
}

void Answer(const QJsonObject& answer) {
    std::cout << QJsonDocument(answer).toJson(QJsonDocument::Compact).toStdString() << std::endl;
}

QJsonObject State(blokka::frmMain& window) {
    blokka::QtWindowLayer& layer = window.layer();
    if (layer.ended()) return {{"ended", true}};
    blokka::CellCanvas& canvas = layer.canvas();
    // The canvas without the label, which the page shows apart.
    const qreal ratio = canvas.devicePixelRatioF();
    QImage shot((QSizeF(canvas.size()) * ratio).toSize(), QImage::Format_RGBA8888);
    shot.setDevicePixelRatio(ratio);
    canvas.render(&shot, {}, {}, QWidget::DrawWindowBackground);
    const QLabel& label = layer.lblTotal();
    return {{"size", QJsonArray{shot.width(), shot.height()}},
            {"pixels", QString::fromLatin1(Rgba(shot).toBase64())},
            {"label", QJsonArray{label.text(), int(layer.LabelColor()), label.x(), label.y()}},
            // The timer's interval counts only while it runs, as the page sets it only then.
            {"timer",
             layer.TimerEnabled() ? QJsonArray{true, layer.TimerInterval()} : QJsonArray{false}},
            {"menus", QJsonArray::fromStringList(Describe(window.menuBar()))}};
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

    QJsonObject icons;
    for (int size : blokka::kWindowIconSizes) {
        icons[QString::number(size)] =
            QString::fromLatin1(Rgba(blokka::drawAppIcon(size)).toBase64());
    }
    Answer(icons);
    Answer(State(window));

    QWidget& canvas = window.layer().canvas();
    for (std::string line; std::getline(std::cin, line);) {
        const QStringList step = QString::fromStdString(line).split(' ');
        const QString& what = step[0];
        if (what == "tick" && window.layer().TimerEnabled()) window.game().tmrMain_Timer();
        if (what == "item") window.findChild<QAction*>(step[1])->trigger();
        if (what == "key") {
            QTest::sendKeyEvent(QTest::Click, window.windowHandle(), Qt::Key(step[1].toInt()), "",
                                Qt::KeyboardModifiers(step[2].toInt()));
        }
        const auto at = [&] { return QPoint(step[1].toInt(), step[2].toInt()); };
        if (what == "move") QTest::mouseMove(&canvas, at());
        if (what == "resize") {
            window.resize(step[1].toInt(), step[2].toInt() + window.menuBar()->height());
        }
        if (what == "press") {
            QTest::mouseClick(&canvas, Qt::MouseButton(step[3].toInt()), {}, at());
        }
        QCoreApplication::processEvents();
        Answer(State(window));
    }
    return 0;
}
