// The main window offscreen: menu bar, layout by cell size, the label, the icon, the timer, the
// one-instance guard and the end of the program.

#include <QEventLoop>
#include <QFontInfo>
#include <QSignalSpy>

#include "window/app_icon.h"
#include "window_fixture.h"

using blokka::MenuItem;
using blokka::testing::StartedWindow;
using blokka::testing::uniqueInstanceName;

namespace {

// The menu bar as the player sees it after start-up: a dot per level, the item's name and
// caption, then [x] or [ ] for a check mark, "off" for a greyed item and the shortcut.
const QStringList kExpectedMenus = {
    "mnuMenu Игра",
    ".mnuNew Заново F2",
    ".r1 -",
    ".mnuPause Пауза [PAUSE] [P] [ ]",
    "mnuOptions Настройки",
    ".mnuSize Размер",
    "..mnuSize12 12х12 [ ]",
    "..mnuSize18 18x18 [x]",
    "..mnuSize24 24х24 [ ]",
    "..mnuSize30 30x30 [ ]",
    ".mnuESC ESC",
    "..mnuESC0 Не назначено [ ]",
    "..mnuESC1 Пауза [x]",
    "..mnuESC2 Свернуть [ ]",
    "..mnuESC3 Закрыть игру [ ]",
    ".mnuSpeed Скорость",
    "..mnuPageUp [PAGE UP] [+] off",
    "..r2 -",
    "..mnuSpeed50 20 [ ]",
    "..mnuSpeed100 19 [ ]",
    "..mnuSpeed150 18 [ ]",
    "..r3 -",
    "..mnuSpeed200 17 [ ]",
    "..mnuSpeed250 16 [ ]",
    "..mnuSpeed300 15 [ ]",
    "..mnuSpeed350 14 [x]",
    "..mnuSpeed400 13 [ ]",
    "..mnuSpeed450 12 [ ]",
    "..r4 -",
    "..mnuSpeed500 11 [ ]",
    "..mnuSpeed550 10 [ ]",
    "..mnuSpeed600 9 [ ]",
    "..mnuSpeed650 8 [ ]",
    "..mnuSpeed700 7 [ ]",
    "..mnuSpeed750 6 [ ]",
    "..mnuSpeed800 5 [ ]",
    "..mnuSpeed850 4 [ ]",
    "..mnuSpeed900 3 [ ]",
    "..mnuSpeed950 2 [ ]",
    "..mnuSpeed1000 1 [ ]",
    "..r5 -",
    "..mnuPageDown [PAGE DOWN] [-] off",
    ".mnuBackColor Цвет фона",
    "..mnuBackColor1 Без фона [ ]",
    "..mnuBackColor2 Светлый [ ]",
    "..mnuBackColor3 Тёмный [x]",
    ".mnuColors Цвета",
    "..mnuColors7 Разные [x]",
    "..r6 -",
    "..mnuColor1 Красный [x]",
    "..mnuColor2 Оранжевый [x]",
    "..mnuColor3 Желтый [x]",
    "..mnuColor4 Зеленый [x]",
    "..mnuColor5 Голубой [x]",
    "..mnuColor6 Синий [x]",
    "..mnuColor7 Фиолетовый [x]",
    "..r7 -",
    "..mnuColors1 Один [ ]",
    ".mnuFigures Появление",
    "..mnuFigures0 Случайные [x]",
    "..r8 -",
    "..mnuFigures1 По 2 одинаковых [ ]",
    "..mnuFigures2 По 3 одинаковых [ ]",
    "..r9 -",
    "..mnuFiguresABC По очереди [ ]",
    ".r10 -",
    ".mnuMouse Управлять мышкой [ ]",
};

void describe(const QList<QAction*>& actions, int depth, QStringList& out) {
    for (QAction* action : actions) {
        QMenu* menu = action->menu();
        QString line = QString(depth, '.') + (menu ? menu->objectName() : action->objectName());
        line += ' ' + (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (action->isCheckable()) line += action->isChecked() ? " [x]" : " [ ]";
        if (!action->isEnabled()) line += " off";
        if (!action->shortcut().isEmpty()) line += ' ' + action->shortcut().toString();
        out << line;
        if (menu) describe(menu->actions(), depth + 1, out);
    }
}

struct Layout {
    int size;
    QRect img200, img208;
    QPoint label;
};

}  // namespace

Q_DECLARE_METATYPE(Layout)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuBarMatchesTheMenuTableAfterStartUp() {
        StartedWindow w;
        QVERIFY(w.loaded);
        QStringList menus;
        describe(w.window.menuBar()->actions(), 0, menus);
        QCOMPARE(menus, kExpectedMenus);
        // Look-alike letters: Cyrillic ha in two size captions, Latin x in the others, yo.
        QCOMPARE(w.item("mnuSize12")->text().at(2), QChar(0x0445));
        QCOMPARE(w.item("mnuSize24")->text().at(2), QChar(0x0445));
        QCOMPARE(w.item("mnuSize18")->text().at(2), QChar('x'));
        QCOMPARE(w.item("mnuSize30")->text().at(2), QChar('x'));
        QCOMPARE(w.item("mnuBackColor3")->text().at(1), QChar(0x0451));
        QCOMPARE(w.window.windowTitle(), QString::fromUtf8("Блокка"));
    }

    void aClickLeavesTheMarksToTheGame() {
        StartedWindow w;
        QAction* pause = w.item("mnuPause");
        pause->trigger();
        QVERIFY(pause->isChecked());
        QVERIFY(!w.layer().TimerEnabled());
        pause->trigger();
        QVERIFY(!pause->isChecked());
        QVERIFY(w.layer().TimerEnabled());
        // After a game over the pause item does nothing, so its mark must not move either.
        w.game().GameOver = 1;
        w.layer().SetTimerEnabled(false);
        pause->trigger();
        QVERIFY(!pause->isChecked());
        // A greyed hint reacts to nothing.
        w.item("mnuPageUp")->trigger();
        QCOMPARE(w.layer().TimerInterval(), 350);
    }

    void eachSizeItemLaysOutTheCellsAndTheLabel_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Layout>("expected");
        QTest::newRow("12") << "mnuSize12"
                            << Layout{12, {113, 233, 12, 12}, {166, 17, 12, 12}, {130, 232}};
        QTest::newRow("18") << "mnuSize18"
                            << Layout{18, {167, 347, 18, 18}, {244, 23, 18, 18}, {190, 352}};
        QTest::newRow("24") << "mnuSize24"
                            << Layout{24, {221, 461, 24, 24}, {322, 29, 24, 24}, {250, 472}};
        QTest::newRow("30") << "mnuSize30"
                            << Layout{30, {275, 575, 30, 30}, {400, 35, 30, 30}, {310, 592}};
    }
    void eachSizeItemLaysOutTheCellsAndTheLabel() {
        QFETCH(QString, item);
        QFETCH(Layout, expected);
        StartedWindow w;
        QVERIFY(w.showActive());
        const QSize windowSize = w.window.size();
        QCOMPARE(w.canvas().size(), QSize(265, 370));
        const char* other = item == "mnuSize30" ? "mnuSize12" : "mnuSize30";
        w.item(other)->trigger();
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
        w.layer().SetLabelColor(0x800000);
        QCOMPARE(w.layer().LabelColor(), 0x800000u);
    }

    void theIconComesInFourSizes() {
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
                if (c.red() > 150 && c.green() < 100) ++red;
                if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++dark;
            }
        }
        QVERIFY(red >= 4 * 12 * 12 / 2);
        QVERIFY(dark >= 48 * 48 / 3);
    }

    void theTimerStartsEnabledAndSwitchesAsTheGameAsks() {
        StartedWindow w;
        blokka::QtWindowLayer& layer = w.layer();
        QVERIFY(layer.TimerEnabled());
        QCOMPARE(layer.tmrMain().timerType(), Qt::PreciseTimer);
        layer.SetTimerEnabled(false);
        layer.SetTimerInterval(500);
        QVERIFY(!layer.TimerEnabled());
        QCOMPARE(layer.TimerInterval(), 500);
        layer.SetTimerEnabled(true);
        layer.SetTimerInterval(450);
        QVERIFY(layer.TimerEnabled());
    }

    void randomValuesStayBelowOneAndFollowTheSeed() {
        StartedWindow w;
        blokka::QtWindowLayer& layer = w.layer();
        layer.SeedRandom(43200.25f);
        QList<float> first;
        for (int i = 0; i < 1000; ++i) {
            const float v = layer.RandomValue();
            QVERIFY(v >= 0.0f && v < 1.0f);
            first << v;
        }
        layer.SeedRandom(43200.25f);
        for (float v : first) QCOMPARE(layer.RandomValue(), v);
        layer.SeedRandom(43200.5f);
        QVERIFY(layer.RandomValue() != first.front());
        const float now = layer.SecondsSinceMidnight();
        QVERIFY(now >= 0.0f && now < 86400.0f);
    }

    void aSecondInstanceEndsBeforeItsWindowShows() {
        const QString name = uniqueInstanceName();
        {
            blokka::frmMain first(name);
            QVERIFY(first.load());
            blokka::frmMain second(name);
            QVERIFY(!second.load());
            QVERIFY(second.layer().ended());
            QVERIFY(!second.layer().TimerEnabled());
            QVERIFY(!second.isVisible());
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
        QVERIFY(!w.layer().TimerEnabled());
        w.layer().SetTimerEnabled(true);
        QVERIFY(!w.layer().TimerEnabled());
        QMetaObject::invokeMethod(&w.layer().tmrMain(), "timeout");
        QCOMPARE(ticks.count(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
