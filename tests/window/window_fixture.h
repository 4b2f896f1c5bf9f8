#pragma once
// A started main window for the offscreen tests, with an instance guard of its own so that
// tests never meet a running game or each other.

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUuid>

#include "window/frm_main.h"

namespace blokka::testing {

inline QString uniqueInstanceName() {
    return QStringLiteral("blokka-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

struct StartedWindow {
    frmMain window{uniqueInstanceName()};
    bool loaded = window.load();

    Game& game() { return window.game(); }
    QtWindowLayer& layer() { return window.layer(); }
    CellCanvas& canvas() { return window.layer().canvas(); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }

    // Shows the window and gives it the keyboard, as a player's click would.
    bool showActive() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
};

}  // namespace blokka::testing
