// Real key and mouse events reach the game: the translation to key codes, repeats of a held key,
// keys around the menu bar, and the F2 shortcut.

#include <QStyle>

#include "window_fixture.h"

using blokka::testing::StartedWindow;

namespace {

int column(blokka::Integer cell) { return blokka::ColumnOf(cell); }

// A started, shown window with the first figure on the board.
struct Playing : StartedWindow {
    Playing() {
        showActive();
        game().tmrMain_Timer();
    }
    // A key as the keyboard sends it: through the window to whatever holds the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QWindow* to = window.windowHandle();
        if (key >= 0x0400 && key <= 0x04ff) {
            // A letter of the Russian layout: Qt reports the upper-case letter as the key.
            const QString text(QChar(key).toLower());
            QTest::sendKeyEvent(QTest::Click, to, static_cast<Qt::Key>(key), text, modifiers);
        } else {
            QTest::keyClick(to, static_cast<Qt::Key>(key), modifiers);
        }
    }
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A style with menu navigation by Alt, as desktops with that habit have it.
        QApplication::setStyle("Windows");
        QVERIFY(QApplication::style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation));
    }

    void plusAndMinusOfBothKeyboardsStepTheSpeed() {
        Playing w;
        const auto interval = [&] { return w.layer().TimerInterval(); };
        w.press(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(interval(), 300);
        w.press(Qt::Key_Equal);
        QCOMPARE(interval(), 250);
        w.press(Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(interval(), 200);
        w.press(Qt::Key_PageUp);
        QCOMPARE(interval(), 150);
        w.press(Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(interval(), 200);
        w.press(Qt::Key_Minus);
        QCOMPARE(interval(), 250);
        w.press(Qt::Key_Underscore, Qt::ShiftModifier);
        QCOMPARE(interval(), 300);
        w.press(Qt::Key_PageDown);
        QCOMPARE(interval(), 350);
        QVERIFY(w.item("mnuSpeed350")->isChecked());
    }

    void arrowsLettersAndTheirCyrillicTwinsMoveTheFigure() {
        Playing w;
        QVERIFY(w.game().CurType != 0);
        const int start = column(w.game().Pivot);
        w.press(Qt::Key_Left);
        QCOMPARE(column(w.game().Pivot), start - 1);
        w.press(Qt::Key_D);
        QCOMPARE(column(w.game().Pivot), start);
        w.press(0x0424);  // Ф, the A key
        QCOMPARE(column(w.game().Pivot), start - 1);
        w.press(0x0412);  // В, the D key
        QCOMPARE(column(w.game().Pivot), start);
        const blokka::Integer row = blokka::RowOf(w.game().Pivot);
        w.press(0x042B);  // Ы, the S key
        QCOMPARE(blokka::RowOf(w.game().Pivot), row + 1);
        w.press(0x0417);  // З, the P key
        QVERIFY(w.item("mnuPause")->isChecked());
        w.press(Qt::Key_Pause);
        QVERIFY(!w.item("mnuPause")->isChecked());
    }

    void everyRepeatOfAHeldKeyCounts() {
        Playing w;
        const int start = column(w.game().Pivot);
        for (bool repeat : {false, true, true}) {
            QTest::simulateEvent(w.window.windowHandle(), true, Qt::Key_Right, {}, {}, repeat);
        }
        QCOMPARE(column(w.game().Pivot), start + 3);
    }

    void altNeverStartsMenuNavigation() {
        Playing w;
        const int start = column(w.game().Pivot);
        w.press(Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(w.window.menuBar()->activeAction(), nullptr);
        w.press(Qt::Key_Left);
        QCOMPARE(column(w.game().Pivot), start - 1);
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
        QCOMPARE(column(w.game().Pivot), column(pivot) - 1);
        // The offscreen platform leaves the closed menu active, so ask the window itself.
        QTRY_COMPARE(w.window.focusWidget(), &w.canvas());
        w.press(Qt::Key_Space);
        QCOMPARE(w.game().CurType, 0);
    }

    void f2StartsANewGameWhereverTheFocusIs() {
        Playing w;
        QVERIFY(w.game().CurType != 0);
        w.window.menuBar()->setFocus();
        w.press(Qt::Key_F2);
        QCOMPARE(w.game().CurType, 0);
        QCOMPARE(w.game().MouseCell, 0);
        w.game().tmrMain_Timer();
        QVERIFY(w.game().CurType != 0);
        w.press(Qt::Key_F2);
        QCOMPARE(w.game().CurType, 0);
    }

    void escapeWithTheCloseActionEndsTheProgram() {
        Playing w;
        w.item("mnuESC3")->trigger();
        QVERIFY(w.window.isVisible());
        w.press(Qt::Key_Escape);
        QVERIFY(w.layer().ended());
        QVERIFY(!w.window.isVisible());
        QVERIFY(!w.layer().TimerEnabled());
    }

    void theMouseSteersThroughTheDisplayCells() {
        Playing w;
        const QRect target = w.canvas().cellBounds(58);  // row 6, column 8
        QTest::mouseMove(&w.canvas(), target.center());
        QCOMPARE(w.game().MouseCell, 58);
        QTest::mouseMove(&w.canvas(), {2, 2});  // the grey margin
        QCOMPARE(w.game().MouseCell, 58);
        w.item("mnuMouse")->trigger();
        QTest::mouseMove(&w.canvas(), w.canvas().cellBounds(53).center());
        QCOMPARE(column(w.game().Pivot), 3);
        const blokka::Integer rotation = w.game().Rotation;
        const bool square = w.game().CurType == 4;
        QTest::mouseClick(&w.canvas(), Qt::RightButton, {}, target.center());
        QVERIFY(square || w.game().Rotation != rotation);
        QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, target.center());
        QCOMPARE(w.game().CurType, 0);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
