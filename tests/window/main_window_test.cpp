// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window offscreen, on a screen (dense_screen.json) with two device pixels to a point:
// that cells of every size fill the device pixels they cover, the fault tests see on Wayland.

#include <QCryptographicHash>
#include <QFontInfo>
#include <QMenuBar>
#include <QPaintEvent>
#include <QTest>
#include <QTime>
#include <QUuid>
#include <cmath>
#include <optional>

#include "key_places.h"
#include "menu_description.h"
#include "window/app_icon.h"
#include "window/frm_main.h"
#include "window/key_map.h"

namespace {

// Each menu after start-up (menu_description.h). Two size captions have a Cyrillic х, "Тёмный"
// an ё.
const QStringList kMenus = {
    "Игра: Заново F2 | - | Пауза [PAUSE] [P] [ ]",
    "Настройки: Размер | ESC | Скорость | Цвет фона | Цвета | Появление | - | Управлять мышкой [ ]",
    "Размер: 12\u044512 [ ] | 18x18 [x] | 24\u044524 [ ] | 30x30 [ ]",
    "ESC: Не назначено [ ] | Пауза [x] | Свернуть [ ] | Закрыть игру [ ]",
    "Скорость: [PAGE UP] [+] off | - | 20 [ ] | 19 [ ] | 18 [ ] | - | 17 [ ] | 16 [ ] | 15 [ ] | "
    "14 [x] | 13 [ ] | 12 [ ] | - | 11 [ ] | 10 [ ] | 9 [ ] | 8 [ ] | 7 [ ] | 6 [ ] | 5 [ ] | "
    "4 [ ] | 3 [ ] | 2 [ ] | 1 [ ] | - | [PAGE DOWN] [-] off",
    "Цвет фона: Без фона [ ] | Светлый [ ] | Т\u0451мный [x]",
    "Цвета: Разные [x] | - | Красный [x] | Оранжевый [x] | Желтый [x] | Зеленый [x] | "
    "Голубой [x] | Синий [x] | Фиолетовый [x] | - | Один [ ]",
    "Появление: Случайные [x] | - | По 2 одинаковых [ ] | По 3 одинаковых [ ] | - | По очереди [ ]",
};

// Rows of keys from the left as Qt reports them, with `modifiers`, from X11 key code `place` on:
// in the US layout, shifted, and in the Russian, Ukrainian, Belarusian, Kazakh, Greek and French
// layouts (a space for a key whose symbol is the US layout's, which gives its own code); and the
// code each key gives. Letters of other alphabets give the code of their place, Latin ones their
// own wherever they are.
struct KeyRow {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    std::uint32_t place;
    std::u32string layers[8];
    std::vector<int> codes;
};
const std::u32string kNamedKeys = {
    Qt::Key_Backspace, Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Clear,      Qt::Key_Return,
    Qt::Key_Enter,     Qt::Key_Shift,    Qt::Key_Control, Qt::Key_Alt,        Qt::Key_AltGr,
    Qt::Key_Pause,     Qt::Key_CapsLock, Qt::Key_Escape,  Qt::Key_Space,      Qt::Key_PageUp,
    Qt::Key_PageDown,  Qt::Key_End,      Qt::Key_Home,    Qt::Key_Left,       Qt::Key_Up,
    Qt::Key_Right,     Qt::Key_Down,     Qt::Key_Print,   Qt::Key_Insert,     Qt::Key_Delete,
    Qt::Key_Meta,      Qt::Key_Menu,     Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_F1,
    Qt::Key_F12,       Qt::Key_F24};
// clang-format off
using namespace blokka::testing;
const KeyRow kKeyRows[] = {
    {"digits", {}, 10, {U"1234567890-=", U"!@#$%^&*()_+", U"  №", {}, {}, U" ӘІҢҒ  ҮҰҚӨҺ", {},
     U" É    È ÇÀ"}, {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 189, 187}},
    {"top row", {}, 24, {U"QWERTYUIOP[]", U"QWERTYUIOP{}", U"ЙЦУКЕНГШЩЗХЪ", U"ЙЦУКЕНГШЩЗХЇ",
     U"ЙЦУКЕНГШЎЗХ", {}, U" ΣΕΡΤΥΘΙΟΠ[]"}, {'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 219, 221}},
    {"home row", {}, 38, {U"ASDFGHJKL;'`", U"ASDFGHJKL:\"~", U"ФЫВАПРОЛДЖЭЁ", U"ФІВАПРОЛДЖЄ", {},
     U"ФЫВАПРОЛДЖЭ", U"ΑΣΔΦΓΗΞΚΛ '`"}, {'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 186, 222, 192}},
    {"bottom row", {}, 51, {U"\\ZXCVBNM,./", U"|ZXCVBNM<>?", U"\\ЯЧСМИТЬБЮ", U"ҐЯЧСМИТЬБЮ",
     U"\\ЯЧСМІТЬБЮ", U"\\ЯЧСМИТЬБЮ№", U"\\ΖΧΨΩΒΝΜ,./"},
     {220, 'Z', 'X', 'C', 'V', 'B', 'N', 'M', 188, 190, 191}},
    {"the French top row", {}, 24, {{}, {}, {}, {}, {}, {}, {}, U"AZ"}, {'A', 'Z'}},
    {"keypad", Qt::KeypadModifier, 0, {U"0123456789*+-.,/"}, kKeypad.codes},
    {"the main keyboard's symbols, from the keypad: none", Qt::KeypadModifier, 0,
     {U"=;:<_>?`~[{\\|]}'\"!@#$%^&()"}, std::vector<int>(26, 0)},
    {"named keys", {}, 0, {kNamedKeys, kNamedKeys}, kNamedPlaces.codes},
    {"named keys on the keypad", Qt::KeypadModifier, 0, {kNamedKeys, kNamedKeys}, kNamedPlaces.codes},
};
// clang-format on

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    // A window of its own for each test (init() starts it). Its guard is its own too, so that
    // tests never meet a running game or each other.
    std::optional<blokka::frmMain> w;
    QAction* item(const char* name) { return w->findChild<QAction*>(name); }

private slots:
    // Each test starts with a started window, shown and active, the first figure on the board.
    void init() {
        w.emplace("blokka-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
        QVERIFY(w->load());
        w->show();
        QApplication::setActiveWindow(&*w);
        QVERIFY(QTest::qWaitForWindowActive(&*w));
        w->game().tmrMain_Timer();
    }
    void cleanup() { w.reset(); }

    void theWindowShowsTheMenusWhoseMarksOnlyTheGameSets() {
        QCOMPARE(Describe(w->menuBar()), kMenus);
        item("mnuMouse")->trigger();
        QVERIFY(item("mnuMouse")->isChecked());
        w->game().GameOver = 1;  // the pause item then does nothing, nor may its mark
        item("mnuPause")->trigger();
        QVERIFY(!item("mnuPause")->isChecked());
    }

    void aSizeLaysOutTheCellsAndTheLabelWhichFitsTheLongestScoreInItsFont() {
        item("mnuSize30")->trigger();
        QCOMPARE(w->layer().canvas().cellBounds(208), QRect(400, 35, 30, 30));
        QLabel& lblTotal = w->layer().lblTotal();
        QCOMPARE(lblTotal.pos(), QPoint(310, 592));
        QCOMPARE(w->layer().canvas().size(), QSize(265, 370));  // the window keeps its size
        const QFontInfo font(lblTotal.font());
        QVERIFY2(font.family() == "Calibri" || font.family() == "Carlito",
                 qPrintable(font.family()));
        QVERIFY(font.bold());
        QCOMPARE(font.pointSize(), 9);
        w->layer().SetLabelCaption("Счет: 32000");
        QVERIFY(lblTotal.sizeHint().width() <= lblTotal.width());
        const float now = QTime::currentTime().msecsSinceStartOfDay() / 1000.0f;
        QVERIFY(std::abs(w->layer().SecondsSinceMidnight() - now) < 2);  // seeds the random source
    }

    void theIconIsARedZOnTheDarkGridAtEverySize() {
        const QIcon icon = w->windowIcon();
        for (int size : blokka::kThemeIconSizes) {
            const QImage image = icon.pixmap(QSize(size, size), 1).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            // The centres of quarter-size cells, on a grid shifted half a cell to centre the Z.
            for (int i = 0, cell = size / 4; i < 12; ++i) {
                const int column = i % 3, row = i / 3;
                const QColor c = image.pixelColor((column + 1) * cell, row * cell + cell / 2);
                const bool z = (row == 1 && column < 2) || (row == 2 && column > 0);
                QVERIFY2(z ? c.red() > 150 && c.green() < 100 : c.lightness() < 80,
                         qPrintable(QString("%1 px, cell %2,%3").arg(size).arg(column).arg(row)));
            }
        }
    }

    // Which code each key gives is the key table's, and what the game does with it the game's.
    void eachKeyReachesTheGameOnceHeldOrAfterAMenuClosedAndF2StartsANewGame() {
        const blokka::Integer start = w->game().Pivot;  // a held key repeats
        for (bool repeat : {false, true, true})
            QTest::simulateEvent(w->windowHandle(), true, Qt::Key_Right, {}, {}, repeat);
        QTest::keyClicks(&w->layer().canvas(), "aa");  // the A key: left, once a press
        QCOMPARE(w->game().Pivot, start + 1);
        QTest::keyClick(w->windowHandle(), Qt::Key_F2);
        QCOMPARE(w->game().CurType, 0);
        // Addressed to a menu that has just closed, as a key pressed right after a choice
        // can be, Escape still pauses.
        QMenu* menu = w->findChild<QMenu*>("mnuMenu");
        menu->popup({}), menu->hide();
        QTest::sendKeyEvent(QTest::Click, menu->windowHandle(), Qt::Key_Escape, "", {});
        QVERIFY(!w->layer().TimerEnabled());
    }

    void eachKeyGivesTheCodeOfItsPlaceOnTheKeyboard() {
        for (const KeyRow& r : kKeyRows) {
            for (int layer = 0; layer < 8; ++layer) {
                const auto modifiers =
                    r.modifiers | (layer == 1 ? Qt::ShiftModifier : Qt::NoModifier);
                for (std::uint32_t i = 0; i < r.layers[layer].size(); ++i)
                    QVERIFY2(
                        r.layers[layer][i] == U' ' ||
                            blokka::virtualKeyCode(int(r.layers[layer][i]), modifiers,
                                                   r.place == 0 ? 0 : r.place + i) == r.codes[i],
                        qPrintable(
                            QString("%1, layer %2, key %3").arg(r.name).arg(layer).arg(i + 1)));
            }
        }
    }

    void closingEndsTheEventLoopAndTheTimerForGood() {
        QGuiApplication::setQuitOnLastWindowClosed(false);  // only the window may end the loop
        QEventLoop loop;
        QTimer::singleShot(0, &*w, [&] { w->close(); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        w->layer().SetTimerEnabled(true);
        QVERIFY(!w->layer().TimerEnabled());
    }

    // Seven bevelled blocks and the three backgrounds, as the cells have always shown them: a
    // pixel changed in any of them changes its digest.
    void eachStockPictureIsTheOneTheCellsHaveAlwaysShown() {
        static constexpr const char* kDigests[] = {
            "9a91dce4467b7b42aa69453e44080574", "7bf01a72d1fab07689f943364ecd7167",
            "8a1a4e00a983ced767721f364f7ad5e1", "4c93a3cd8de9be11e43c3d66fd2371ca",
            "9868ed4642cb49395f60e1ec7ca892ba", "122184835b830b989780197a385f42f9",
            "de0c9b3c95ebd5fea4b5fadad7c69b07", "2a4f948b6ee90b897a788dbb1e0f3537",
            "653e512145f0cc5daccb7bb90dd6d8db", "d44b5ade8f4ca1f18c3711a4a69bcf2a"};
        for (int picture = 1; picture <= 10; ++picture) {
            const QImage& image = w->layer().canvas().stockPicture(picture);
            const QByteArrayView bytes(image.constBits(), image.sizeInBytes());
            QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex(),
                     QByteArray(kDigests[picture - 1]));
        }
    }

    void theCanvasShowsReportsAndRepaintsOnlyVisibleCellsWithPictures() {
        struct : blokka::CellCanvas {
            QRegion painted;
            void paintEvent(QPaintEvent* e) override {
                painted += e->region();
                CellCanvas::paintEvent(e);
            }
        } canvas;  // shown at the size it asks for, the window's client area
        canvas.createCell(2);
        canvas.setCellPicture(2, 6);  // hidden: shows nothing
        canvas.createCell(3);
        canvas.setCellBounds(3, {100, 5, 18, 18});
        canvas.setCellVisible(3, true);  // no picture: shows nothing
        canvas.setCellBounds(1, {35, 65, 30, 30});
        canvas.setCellPicture(1, 1);
        w.reset();  // alone on the screen: beside the window, no mouse move reaches it
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        // The pixel at a point: a grab on the dense screen has two device pixels to a point.
        const QImage shot = canvas.grab().toImage();
        const auto rgb = [&](QPoint p) {
            return shot.pixel(p * shot.devicePixelRatio()) & 0xffffff;
        };
        QCOMPARE(rgb({50, 80}), 0xe70000u);
        for (QPoint grey : {QPoint(34, 80), QPoint(65, 80), QPoint(14, 14), QPoint(109, 14)})
            QCOMPARE(rgb(grey), 0x808080u);

        QStringList events;
        connect(&canvas, &blokka::CellCanvas::cellMouseMove, this,
                [&](int k) { events << QString::number(k); });
        connect(&canvas, &blokka::CellCanvas::cellMouseDown, this,
                [&](int k, int button) { events << QString("%1 button %2").arg(k).arg(button); });
        for (QPoint pos :
             {QPoint(64, 94), QPoint(65, 80), QPoint(34, 65), QPoint(14, 14), QPoint(109, 14)})
            QTest::mouseMove(&canvas, pos);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {50, 80});
        QTest::mouseClick(&canvas, Qt::RightButton, {}, {109, 14});
        QTest::mouseClick(&canvas, Qt::MiddleButton, {}, {50, 80});
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, {14, 14});
        QCOMPARE(events, QStringList({"1", "3", "1 button 1", "3 button 2", "1 button 4"}));

        QCoreApplication::processEvents();
        canvas.painted = {};
        canvas.setCellPicture(3, 3);
        QTRY_COMPARE(canvas.painted, QRegion(100, 5, 18, 18));
        canvas.painted = {};
        canvas.setCellBounds(3, {130, 5, 18, 18});  // its old place and its new one
        QTRY_COMPARE(canvas.painted, QRegion(100, 5, 18, 18) + QRegion(130, 5, 18, 18));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
