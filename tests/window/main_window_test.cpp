// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontInfo>
#include <QMenuBar>
#include <QStyle>
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
    {"the French top and home rows", {}, 24, {{}, {}, {}, {}, {}, {}, {}, U"AZERTYUIOP    QSDFGHJKLM"},
     {'A', 'Z', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 0, 0, 0, 0, 'Q', 'S', 'D', 'F', 'G', 'H', 'J',
      'K', 'L', 'M'}},
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

    void initTestCase() {
        // A style with menu navigation by Alt, as desktops with that habit have it.
        QApplication::setStyle("Windows");
        QVERIFY(QApplication::style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation));
    }

    void theWindowShowsTheMenusWhoseMarksOnlyTheGameSets() {
        QCOMPARE(Describe(w->menuBar()), kMenus);
        item("mnuMouse")->trigger();
        QVERIFY(item("mnuMouse")->isChecked());
        QCOMPARE(w->game().MouseMode, 1);
        w->game().GameOver = 1;  // the pause item then does nothing, nor may its mark
        item("mnuPause")->trigger();
        QVERIFY(!item("mnuPause")->isChecked());
    }

    void aSizeLaysOutTheCellsAndTheLabelWhichFitsTheLongestScoreInItsFont() {
        item("mnuSize30")->trigger();
        QCOMPARE(w->layer().canvas().cellBounds(208), QRect(400, 35, 30, 30));
        QLabel& lblTotal = w->layer().lblTotal();
        QCOMPARE(lblTotal.pos(), QPoint(310, 592));
        QCoreApplication::processEvents();
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
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            // Quarter-size cells, the grid shifted half a cell to centre the Z's three columns.
            for (int i = 0, cell = size / 4; i < 12; ++i) {
                const int column = i % 3, row = i / 3;
                const QColor c =
                    image.pixelColor(cell / 2 + column * cell + cell / 2, row * cell + cell / 2);
                const bool z = (row == 1 && column < 2) || (row == 2 && column > 0);
                QVERIFY2(z ? c.red() > 150 && c.green() < 100 : c.lightness() < 80,
                         qPrintable(QString("%1 px, cell %2,%3").arg(size).arg(column).arg(row)));
            }
        }
    }

    // Which code each key gives is the key table's, and what the game does with it the game's.
    void eachKeyReachesTheGameOnceHeldOrAfterAMenuClosedButAltOpensNoMenuAndF2StartsANewGame() {
        const blokka::Integer start = w->game().Pivot;  // a held key repeats
        for (bool repeat : {false, true, true})
            QTest::simulateEvent(w->windowHandle(), true, Qt::Key_Right, {}, {}, repeat);
        QTest::keyClick(w->windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClicks(&w->layer().canvas(), "aa");  // the A key: left, once a press
        QCOMPARE(w->game().Pivot, start + 1);
        QCOMPARE(w->menuBar()->activeAction(), nullptr);
        w->menuBar()->setFocus();
        QTest::keyClick(w->windowHandle(), Qt::Key_F2);
        QCOMPARE(w->game().CurType, 0);
        // Addressed to a menu that has just closed, as a key pressed right after a choice
        // can be, Escape still pauses.
        QMenu* menu = w->findChild<QMenu*>("mnuMenu");
        menu->popup({}), menu->hide();
        QTest::sendKeyEvent(QTest::Click, menu->windowHandle(), Qt::Key_Escape, "", {});
        QVERIFY(!w->layer().TimerEnabled());
    }

    void eachKeyGivesTheCodeOfItsPlaceOnTheKeyboard_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kKeyRows)); ++i) QTest::newRow(kKeyRows[i].name) << i;
    }
    void eachKeyGivesTheCodeOfItsPlaceOnTheKeyboard() {
        QFETCH(int, row);
        const KeyRow& r = kKeyRows[row];
        for (int layer = 0; layer < 8; ++layer) {
            const auto modifiers = r.modifiers | (layer == 1 ? Qt::ShiftModifier : Qt::NoModifier);
            for (std::uint32_t i = 0; i < r.layers[layer].size(); ++i)
                QVERIFY2(r.layers[layer][i] == U' ' ||
                             blokka::virtualKeyCode(int(r.layers[layer][i]), modifiers,
                                                    r.place == 0 ? 0 : r.place + i) == r.codes[i],
                         qPrintable(QString("layer %1, key %2").arg(layer).arg(i + 1)));
        }
    }

    void closingEndsTheEventLoopAndTheTimerForGood() {
        QGuiApplication::setQuitOnLastWindowClosed(false);  // only the window may end the loop
        QEventLoop loop;
        QTimer::singleShot(0, &*w, [&] { w->close(); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        w->layer().SetTimerEnabled(true);
        QVERIFY(w->layer().ended());
        QVERIFY(!w->layer().TimerEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
