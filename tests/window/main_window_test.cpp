// The main window offscreen: the menu bar, layout by cell size, the label, the icon, the timer,
// real key events on their way to the game, the one-instance guard and the end of the program.

#include <QFontInfo>
#include <QMenuBar>
#include <QStyle>
#include <QTest>
#include <QUuid>

#include "window/app_icon.h"
#include "window/frm_main.h"

namespace {

QString uniqueInstanceName() {
    return QStringLiteral("blokka-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// A started window, shown and active as after a player's click, with the first figure on the
// board. Its guard is its own, so that tests never meet a running game or each other.
struct Playing {
    blokka::frmMain window{uniqueInstanceName()};
    bool loaded = window.load();

    Playing() {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        game().tmrMain_Timer();
    }
    blokka::Game& game() { return window.game(); }
    blokka::QtWindowLayer& layer() { return window.layer(); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    // A key as the keyboard sends it: through the window to whatever holds the focus. For a
    // letter of the Russian layout Qt reports the upper-case letter as the key.
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        const QString text = key >= 0x0400 && key <= 0x04ff ? QString(QChar(key).toLower()) : "";
        QTest::sendKeyEvent(QTest::Click, window.windowHandle(), static_cast<Qt::Key>(key), text,
                            modifiers);
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
    out << menu->objectName() + ' ' + menu->title() + ':';
    const qsizetype line = out.size() - 1;
    for (QAction* a : menu->actions()) {
        out[line] += ' ' + (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->isCheckable()) out[line] += a->isChecked() ? " [x]" : " [ ]";
        if (!a->isEnabled()) out[line] += " off";
        if (!a->shortcut().isEmpty()) out[line] += ' ' + a->shortcut().toString();
        if (a != menu->actions().last()) out[line] += " |";
        if (a->menu()) describe(a->menu(), out);
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A style with menu navigation by Alt, as desktops with that habit have it.
        QApplication::setStyle("Windows");
        QVERIFY(QApplication::style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation));
    }

    void theMenuBarShowsTheMenusAndLeavesTheMarksToTheGame() {
        Playing w;
        QStringList menus;
        for (QAction* action : w.window.menuBar()->actions()) describe(action->menu(), menus);
        QCOMPARE(menus, kExpectedMenus);
        // After a game over the pause item does nothing, so a click must not move its mark either.
        w.game().GameOver = 1;
        w.item("mnuPause")->trigger();
        QVERIFY(!w.item("mnuPause")->isChecked());
    }

    void eachSizeItemLaysOutTheCellsAndTheLabelWhichFitsTheLongestScoreInItsFont() {
        Playing w;
        const char* sizes[] = {"mnuSize12", "mnuSize18", "mnuSize24", "mnuSize30"};
        const QRect img208[] = {
            {166, 17, 12, 12}, {244, 23, 18, 18}, {322, 29, 24, 24}, {400, 35, 30, 30}};
        const QPoint label[] = {{130, 232}, {190, 352}, {250, 472}, {310, 592}};
        for (int size = 0; size < 4; ++size) {
            w.item(sizes[size])->trigger();
            QCOMPARE(w.layer().canvas().cellBounds(208), img208[size]);
            QCOMPARE(w.layer().lblTotal().pos(), label[size]);
            for (int other = 0; other < 4; ++other) {
                QCOMPARE(w.item(sizes[other])->isChecked(), other == size);
            }
            QCoreApplication::processEvents();
            QCOMPARE(w.layer().canvas().size(), QSize(265, 370));
        }
        QLabel& lblTotal = w.layer().lblTotal();
        const QFontInfo info(lblTotal.font());
        QVERIFY2(info.family() == "Calibri" || info.family() == "Carlito",
                 qPrintable(info.family()));
        QVERIFY(info.bold());
        QCOMPARE(info.pointSize(), 9);
        w.layer().SetLabelCaption("Счет: 32000");
        QCOMPARE(lblTotal.text(), QString::fromUtf8("Счет: 32000"));
        QVERIFY(lblTotal.sizeHint().width() <= lblTotal.width());
    }

    void theIconShowsARedFigureOnTheDarkGridAtEverySize() {
        const QIcon icon = Playing().window.windowIcon();
        // The window system is offered the small sizes only; the others are drawn on request.
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
        for (int size : blokka::kThemeIconSizes) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32), blokka::drawAppIcon(size));
            // Quarter-size cells: one of the figure's at (1.5, 1), an empty one at (0.5, 0).
            const QColor figure = image.pixelColor(size * 3 / 8 + size / 16, size / 4 + size / 8);
            const QColor empty = image.pixelColor(size / 8 + size / 16, size / 8);
            QVERIFY2(figure.red() > 150 && figure.green() < 100, qPrintable(QString::number(size)));
            QVERIFY2(empty.lightness() < 80, qPrintable(QString::number(size)));
        }
    }

    void aNewIntervalLeavesAStoppedTimerStoppedAndRandomValuesStayBelowOne() {
        Playing w;
        w.layer().SetTimerEnabled(false);
        w.layer().SetTimerInterval(500);
        QVERIFY(!w.layer().TimerEnabled());
        QCOMPARE(w.layer().TimerInterval(), 500);
        // A value of 1 would pick a figure past the last.
        w.layer().SeedRandom(43200.25f);
        for (int i = 0; i < 1000; ++i) QVERIFY(w.layer().RandomValue() < 1.0f);
    }

    void keysOfBothKeyboardsAndLayoutsEachRepeatAndF2ReachTheGameAndAltOpensNoMenu() {
        Playing w;
        const blokka::Integer start = w.game().Pivot;
        for (bool repeat : {false, true, true}) {
            QTest::simulateEvent(w.window.windowHandle(), true, Qt::Key_Right, {}, {}, repeat);
        }
        w.press(Qt::Key_Alt, Qt::AltModifier);
        w.press(Qt::Key_Left);
        QCOMPARE(w.game().Pivot, start + 2);
        QCOMPARE(w.window.menuBar()->activeAction(), nullptr);
        QVERIFY(w.layer().canvas().hasFocus());
        using KeyCase = std::tuple<int, Qt::KeyboardModifiers, int, int>;
        for (const auto& [key, modifiers, shift, interval] : std::initializer_list<KeyCase>{
                 {Qt::Key_D, {}, 1, 350},
                 {0x0424, {}, -1, 350},                     // Ф, the A key
                 {0x0412, {}, 1, 350},                      // В, the D key
                 {0x042B, {}, blokka::kBoardColumns, 350},  // Ы, the S key
                 {Qt::Key_Plus, Qt::KeypadModifier, 0, 300},
                 {Qt::Key_Equal, {}, 0, 250},  // the main keyboard's plus key, unshifted
                 {Qt::Key_Plus, Qt::ShiftModifier, 0, 200},
                 {Qt::Key_Minus, Qt::KeypadModifier, 0, 250},
                 {Qt::Key_Minus, {}, 0, 300},
                 {Qt::Key_Underscore, Qt::ShiftModifier, 0, 350},
             }) {
            const blokka::Integer pivot = w.game().Pivot;
            w.press(key, modifiers);
            QCOMPARE(w.game().Pivot, pivot + shift);
            QCOMPARE(w.layer().TimerInterval(), interval);
        }
        w.window.menuBar()->setFocus();
        w.press(Qt::Key_F2);
        QCOMPARE(w.game().CurType, 0);
    }

    void keysReachTheGameAfterAMenuWasClosedWithEscape() {
        Playing w;
        QMenuBar* bar = w.window.menuBar();
        QMenu* options = w.window.findChild<QMenu*>("mnuOptions");
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(options->menuAction()).center());
        QTRY_COMPARE(QApplication::activePopupWidget(), options);
        QTest::keyClick(options, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::activePopupWidget(), nullptr);
        // Right after Escape the menu bar holds the focus and would take the arrows.
        QCOMPARE(QApplication::focusWidget(), bar);
        const blokka::Integer pivot = w.game().Pivot;
        w.press(Qt::Key_Left);
        QCOMPARE(w.game().Pivot, pivot - 1);
        // The offscreen platform leaves the closed menu active, so ask the window itself.
        QTRY_COMPARE(w.window.focusWidget(), &w.layer().canvas());
    }

    void aSecondInstanceEndsBeforeItsWindowShowsAndTheGuardDiesWithTheFirst() {
        const QString name = uniqueInstanceName();
        {
            blokka::frmMain first(name), second(name);
            QVERIFY(first.load());
            QVERIFY(!second.load());
            QVERIFY(!second.layer().TimerEnabled());
        }
        blokka::frmMain afterTheFirst(name);
        QVERIFY(afterTheFirst.load());
    }

    void closingTheWindowEndsTheRunningLoopAndTheTimerForGood() {
        Playing w;
        // Only the window's own close may end the loop here.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QTimer::singleShot(0, &w.window, [&] { w.window.close(); });
        QEventLoop loop;
        QCOMPARE(loop.exec(), 0);
        QVERIFY(w.layer().ended());
        w.layer().SetTimerEnabled(true);
        QVERIFY(!w.layer().TimerEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
