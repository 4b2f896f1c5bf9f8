// The main window offscreen: the menu bar, layout by cell size, the label, the icon, the timer,
// real key events on their way to the game, the one-instance guard and the end of the program.

#include <QFontInfo>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QUuid>

#include "window/app_icon.h"
#include "window/frm_main.h"

namespace {

QString uniqueInstanceName() {
    return QStringLiteral("blokka-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// A started window with a guard of its own, so that tests never meet a running game or each other.
struct StartedWindow {
    blokka::frmMain window{uniqueInstanceName()};
    bool loaded = window.load();

    blokka::Game& game() { return window.game(); }
    blokka::QtWindowLayer& layer() { return window.layer(); }
    blokka::CellCanvas& canvas() { return window.layer().canvas(); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    int column() { return blokka::ColumnOf(game().Pivot); }

    // Shows the window and gives it the keyboard, as a player's click would.
    bool showActive() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
    // A key as the keyboard sends it: through the window to whatever holds the focus. For a
    // letter of the Russian layout Qt reports the upper-case letter as the key.
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        const QString text = key >= 0x0400 && key <= 0x04ff ? QString(QChar(key).toLower()) : "";
        QTest::sendKeyEvent(QTest::Click, window.windowHandle(), static_cast<Qt::Key>(key), text,
                            modifiers);
    }
};

// Shown, with the first figure on the board.
struct Playing : StartedWindow {
    Playing() {
        showActive();
        game().tmrMain_Timer();
    }
};

// Each menu after start-up: its name and caption, then its entries with [x] or [ ] for a check
// mark, "off" for a greyed item and the shortcut. Two size captions have a Cyrillic х.
const QStringList kExpectedMenus = {
    "mnuMenu Игра: Заново F2 | - | Пауза [PAUSE] [P] [ ]",
    "mnuOptions Настройки: Размер | ESC | Скорость | Цвет фона | Цвета | Появление | - | "
    "Управлять мышкой [ ]",
    "mnuSize Размер: 12\u044512 [ ] | 18x18 [x] | 24\u044524 [ ] | 30x30 [ ]",
    "mnuESC ESC: Не назначено [ ] | Пауза [x] | Свернуть [ ] | Закрыть игру [ ]",
    "mnuSpeed Скорость: [PAGE UP] [+] off | - | 20 [ ] | 19 [ ] | 18 [ ] | - | 17 [ ] | 16 [ ] | "
    "15 [ ] | 14 [x] | 13 [ ] | 12 [ ] | - | 11 [ ] | 10 [ ] | 9 [ ] | 8 [ ] | 7 [ ] | 6 [ ] | "
    "5 [ ] | 4 [ ] | 3 [ ] | 2 [ ] | 1 [ ] | - | [PAGE DOWN] [-] off",
    "mnuBackColor Цвет фона: Без фона [ ] | Светлый [ ] | Т\u0451мный [x]",
    "mnuColors Цвета: Разные [x] | - | Красный [x] | Оранжевый [x] | Желтый [x] | Зеленый [x] | "
    "Голубой [x] | Синий [x] | Фиолетовый [x] | - | Один [ ]",
    "mnuFigures Появление: Случайные [x] | - | По 2 одинаковых [ ] | По 3 одинаковых [ ] | - | "
    "По очереди [ ]",
};

void describe(QMenu* menu, QStringList& out) {
    QStringList entries;
    for (QAction* action : menu->actions()) {
        QString entry = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (action->isCheckable()) entry += action->isChecked() ? " [x]" : " [ ]";
        if (!action->isEnabled()) entry += " off";
        if (!action->shortcut().isEmpty()) entry += ' ' + action->shortcut().toString();
        entries << entry;
    }
    out << menu->objectName() + ' ' + menu->title() + ": " + entries.join(" | ");
    for (QAction* action : menu->actions()) {
        if (action->menu()) describe(action->menu(), out);
    }
}

struct Layout {
    QRect img200, img208;
    QPoint label;
};

}  // namespace

Q_DECLARE_METATYPE(Layout)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A style with menu navigation by Alt, as desktops with that habit have it.
        QApplication::setStyle("Windows");
        QVERIFY(QApplication::style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation));
    }

    void theMenuBarShowsTheMenusAndTheStartUpMarks() {
        StartedWindow w;
        QVERIFY(w.loaded);
        QStringList menus;
        for (QAction* action : w.window.menuBar()->actions()) describe(action->menu(), menus);
        QCOMPARE(menus, kExpectedMenus);
        QCOMPARE(w.window.windowTitle(), QString::fromUtf8("Блокка"));
    }

    void aClickOnACheckableItemLeavesItsMarkToTheGame() {
        StartedWindow w;
        QAction* pause = w.item("mnuPause");
        pause->trigger();
        QVERIFY(pause->isChecked());
        QVERIFY(!w.layer().TimerEnabled());
        // After a game over the pause item does nothing, so its mark must not move either.
        w.game().GameOver = 1;
        pause->trigger();
        QVERIFY(pause->isChecked());
    }

    void eachSizeItemLaysOutTheCellsAndTheLabelInAWindowOfFixedSize_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Layout>("expected");
        QTest::newRow("12") << "mnuSize12"
                            << Layout{{113, 233, 12, 12}, {166, 17, 12, 12}, {130, 232}};
        QTest::newRow("18") << "mnuSize18"
                            << Layout{{167, 347, 18, 18}, {244, 23, 18, 18}, {190, 352}};
        QTest::newRow("24") << "mnuSize24"
                            << Layout{{221, 461, 24, 24}, {322, 29, 24, 24}, {250, 472}};
        QTest::newRow("30") << "mnuSize30"
                            << Layout{{275, 575, 30, 30}, {400, 35, 30, 30}, {310, 592}};
    }
    void eachSizeItemLaysOutTheCellsAndTheLabelInAWindowOfFixedSize() {
        QFETCH(QString, item);
        QFETCH(Layout, expected);
        StartedWindow w;
        QVERIFY(w.showActive());
        const QSize windowSize = w.window.size();
        w.item(item == "mnuSize30" ? "mnuSize12" : "mnuSize30")->trigger();
        w.item(qPrintable(item))->trigger();
        QCOMPARE(w.canvas().cellBounds(200), expected.img200);
        QCOMPARE(w.canvas().cellBounds(208), expected.img208);
        QCOMPARE(w.layer().lblTotal().pos(), expected.label);
        QStringList marked;
        for (const char* name : {"mnuSize12", "mnuSize18", "mnuSize24", "mnuSize30"}) {
            if (w.item(name)->isChecked()) marked << name;
        }
        QCOMPARE(marked, QStringList{item});
        QCoreApplication::processEvents();
        QCOMPARE(w.window.size(), windowSize);
        QCOMPARE(w.canvas().size(), QSize(265, 370));
    }

    void theScoreLabelUsesItsFontAndFitsTheLongestScore() {
        StartedWindow w;
        QLabel& label = w.layer().lblTotal();
        const QFontInfo info(label.font());
        QVERIFY2(info.family() == "Calibri" || info.family() == "Carlito",
                 qPrintable(info.family()));
        QVERIFY(info.bold());
        QCOMPARE(info.pointSize(), 9);
        w.layer().SetLabelCaption("Счет: 32000");
        QCOMPARE(label.text(), QString::fromUtf8("Счет: 32000"));
        QVERIFY(label.sizeHint().width() <= label.width());
        QVERIFY(label.sizeHint().height() <= label.height());
    }

    void theIconShowsARedFigureOnTheDarkGridInFourSizes() {
        StartedWindow w;
        const QIcon icon = w.window.windowIcon();
        for (int size : blokka::kIconSizes) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        }
        const QImage big = icon.pixmap(48).toImage();
        int red = 0, dark = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                const QColor c = big.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 100;
                dark += c.red() < 80 && c.green() < 80 && c.blue() < 80;
            }
        }
        QVERIFY(red >= 4 * 12 * 12 / 2);
        QVERIFY(dark >= 48 * 48 / 3);
    }

    void aNewIntervalKeepsTheTimerRunningOrStoppedAndRandomValuesFollowTheSeed() {
        StartedWindow w;
        blokka::QtWindowLayer& layer = w.layer();
        QVERIFY(layer.TimerEnabled());
        layer.SetTimerInterval(450);
        QVERIFY(layer.TimerEnabled());
        layer.SetTimerEnabled(false);
        layer.SetTimerInterval(500);
        QVERIFY(!layer.TimerEnabled());
        QCOMPARE(layer.TimerInterval(), 500);
        layer.SeedRandom(43200.25f);
        QList<float> first;
        for (int i = 0; i < 1000; ++i) first << layer.RandomValue();
        QVERIFY(*std::min_element(first.begin(), first.end()) >= 0.0f);
        QVERIFY(*std::max_element(first.begin(), first.end()) < 1.0f);
        layer.SeedRandom(43200.25f);
        for (float v : first) QCOMPARE(layer.RandomValue(), v);
        layer.SeedRandom(43200.5f);
        QVERIFY(layer.RandomValue() != first.front());
    }

    void keysOfBothKeyboardsAndLayoutsReachTheGame() {
        struct KeyCase {
            int key;
            Qt::KeyboardModifiers modifiers;
            int columns, rows, interval;
        };
        const KeyCase cases[] = {
            {Qt::Key_Left, {}, -1, 0, 350},
            {Qt::Key_D, {}, 1, 0, 350},
            {0x0424, {}, -1, 0, 350},  // Ф, the A key
            {0x0412, {}, 1, 0, 350},   // В, the D key
            {0x042B, {}, 0, 1, 350},   // Ы, the S key
            {Qt::Key_Plus, Qt::KeypadModifier, 0, 0, 300},
            {Qt::Key_Equal, {}, 0, 0, 250},  // the main keyboard's plus key, unshifted
            {Qt::Key_Plus, Qt::ShiftModifier, 0, 0, 200},
            {Qt::Key_PageUp, {}, 0, 0, 150},
            {Qt::Key_Minus, Qt::KeypadModifier, 0, 0, 200},
            {Qt::Key_Minus, {}, 0, 0, 250},
            {Qt::Key_Underscore, Qt::ShiftModifier, 0, 0, 300},
            {Qt::Key_PageDown, {}, 0, 0, 350},
        };
        Playing w;
        for (const KeyCase& c : cases) {
            const blokka::Integer pivot = w.game().Pivot;
            w.press(c.key, c.modifiers);
            QCOMPARE(w.column(), blokka::ColumnOf(pivot) + c.columns);
            QCOMPARE(blokka::RowOf(w.game().Pivot), blokka::RowOf(pivot) + c.rows);
            QCOMPARE(w.layer().TimerInterval(), c.interval);
        }
        w.press(0x0417);  // З, the P key
        QVERIFY(w.item("mnuPause")->isChecked());
        w.press(Qt::Key_Pause);
        QVERIFY(!w.item("mnuPause")->isChecked());
    }

    void everyRepeatOfAHeldKeyCountsAndAltStartsNoMenuNavigation() {
        Playing w;
        const int start = w.column();
        for (bool repeat : {false, true, true}) {
            QTest::simulateEvent(w.window.windowHandle(), true, Qt::Key_Right, {}, {}, repeat);
        }
        QCOMPARE(w.column(), start + 3);
        w.press(Qt::Key_Alt, Qt::AltModifier);
        w.press(Qt::Key_Left);
        QCOMPARE(w.column(), start + 2);
        QCOMPARE(w.window.menuBar()->activeAction(), nullptr);
        QVERIFY(w.canvas().hasFocus());
    }

    void keysReachTheGameAfterAMenuWasClosedWithEscape() {
        Playing w;
        QMenuBar* bar = w.window.menuBar();
        QMenu* options = w.window.findChild<QMenu*>("mnuOptions");
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(options->menuAction()).center());
        QTRY_COMPARE(QApplication::activePopupWidget(), options);
        // While the menu is open its keys are its own.
        const blokka::Integer pivot = w.game().Pivot;
        QTest::keyClick(options, Qt::Key_Down);
        QCOMPARE(w.game().Pivot, pivot);
        QTest::keyClick(options, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::activePopupWidget(), nullptr);
        // Right after Escape the menu bar holds the focus and would take the arrows.
        QCOMPARE(QApplication::focusWidget(), bar);
        w.press(Qt::Key_Left);
        QCOMPARE(w.column(), blokka::ColumnOf(pivot) - 1);
        // The offscreen platform leaves the closed menu active, so ask the window itself.
        QTRY_COMPARE(w.window.focusWidget(), &w.canvas());
        w.press(Qt::Key_Space);
        QCOMPARE(w.game().CurType, 0);
    }

    void f2StartsANewGameWhereverTheFocusIs() {
        Playing w;
        w.window.menuBar()->setFocus();
        w.press(Qt::Key_F2);
        QCOMPARE(w.game().CurType, 0);
        w.game().tmrMain_Timer();
        QVERIFY(w.game().CurType != 0);
        w.press(Qt::Key_F2);
        QCOMPARE(w.game().CurType, 0);
    }

    void aSecondInstanceEndsBeforeItsWindowShowsAndTheGuardDiesWithTheFirst() {
        const QString name = uniqueInstanceName();
        {
            blokka::frmMain first(name);
            QVERIFY(first.load());
            blokka::frmMain second(name);
            QVERIFY(!second.load());
            QVERIFY(second.layer().ended());
            QVERIFY(!second.layer().TimerEnabled());
            blokka::frmMain elsewhere(uniqueInstanceName());
            QVERIFY(elsewhere.load());
        }
        blokka::frmMain afterTheFirst(name);
        QVERIFY(afterTheFirst.load());
    }

    void closingTheWindowEndsTheRunningLoopWithoutAnotherTick() {
        StartedWindow w;
        QVERIFY(w.showActive());
        // Only the window's own close may end the loop here.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QSignalSpy ticks(&w.layer(), &blokka::QtWindowLayer::timerTick);
        QTimer::singleShot(0, &w.window, [&] { w.window.close(); });
        QEventLoop loop;
        QCOMPARE(loop.exec(), 0);
        QVERIFY(w.layer().ended());
        w.layer().SetTimerEnabled(true);
        QVERIFY(!w.layer().TimerEnabled());
        QMetaObject::invokeMethod(&w.layer().tmrMain(), "timeout");
        QCOMPARE(ticks.count(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
