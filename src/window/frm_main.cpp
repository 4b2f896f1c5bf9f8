// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTimer>
#include <array>

#include "settings/menu_tree.h"
#include "view/client_area.h"
#include "window/app_icon.h"
#include "window/key_map.h"
#include "window/platform_fonts.h"

namespace blokka {

namespace {

constexpr int kMenuDepths = 3;

}  // namespace

frmMain::frmMain(QString instanceName, QWidget* parent)
    : QMainWindow(parent), layer_(*this, std::move(instanceName)), game_(layer_) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromUtf8("Блокка"));
    setWindowIcon(makeAppIcon());
    usePlatformFonts();
    // The menu bar stays in the window on every desktop, so the client area is the same.
    menuBar()->setNativeMenuBar(false);
    // A widget takes the font Qt keeps for its class only after it is first laid out: set now,
    // the bar has its final height when the window's size is worked out from it below.
    menuBar()->setFont(QApplication::font("QMenuBar"));
    buildMenus();
    setCentralWidget(&layer_.canvas());

    CellCanvas& canvas = layer_.canvas();
    connect(&layer_, &QtWindowLayer::timerTick, this, [this] { deliver(&Game::tmrMain_Timer); });
    connect(&canvas, &CellCanvas::cellMouseMove, this,
            [this](int index) { deliver(&Game::Img_MouseMove, static_cast<Integer>(index)); });
    connect(&canvas, &CellCanvas::cellMouseDown, this, [this](int index, int button) {
        deliver(&Game::Img_MouseDown, static_cast<Integer>(index), static_cast<Integer>(button));
    });

    // Keys are taken before any widget sees them, so that neither the menu bar nor focus
    // handling can keep one from the game.
    qApp->installEventFilter(this);
    resize(kClientWidth, kClientHeight + menuBar()->heightForWidth(kClientWidth));
    canvas.setFocus();
}

frmMain::~frmMain() { qApp->removeEventFilter(this); }

bool frmMain::load() {
    game_.Form_Load();
    return !layer_.ended();
}

void frmMain::buildMenus() {
    std::array<QMenu*, kMenuDepths> open{};
    for (const MenuEntry& entry : kMenuTree) {
        QMenu* owner = entry.depth == 0 ? nullptr : open.at(entry.depth - 1u);
        const QString name = QString::fromUtf8(entry.name);
        const QString caption = QString::fromUtf8(entry.caption);
        switch (entry.kind) {
            case MenuKind::Menu: {
                QMenu* menu = owner ? owner->addMenu(caption) : menuBar()->addMenu(caption);
                menu->setObjectName(name);
                open.at(entry.depth) = menu;
                connect(menu, &QMenu::aboutToHide, this, &frmMain::focusCanvasLater);
                break;
            }
            case MenuKind::Separator:
                owner->addSeparator()->setObjectName(name);
                break;
            case MenuKind::Item: {
                QAction* action = owner->addAction(caption);
                action->setObjectName(name);
                action->setCheckable(entry.checkable);
                action->setChecked(entry.checkedAtCreation);
                action->setEnabled(entry.enabled);
                if (!entry.shortcut.empty()) {
                    action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
                    // Bound to the window as well, so it works wherever the focus is in it.
                    action->setShortcutContext(Qt::WindowShortcut);
                    addAction(action);
                    if (entry.item == MenuItem::mnuNew) newGame_ = action;
                }
                layer_.bindAction(entry.item, action);
                if (entry.click != nullptr) {
                    const auto click = entry.click;
                    connect(action, &QAction::triggered, this, [this, action, click](bool checked) {
                        // Qt flips a checkable item's mark before it reports the click. The
                        // game alone decides the marks, so the flip is taken back first.
                        if (action->isCheckable()) {
                            const QSignalBlocker blocker(action);
                            action->setChecked(!checked);
                        }
                        deliver(click);
                    });
                }
                break;
            }
        }
    }
}

bool frmMain::isMenuShortcut(const QKeyEvent& key) const {
    return newGame_ != nullptr && newGame_->isEnabled() &&
           QKeySequence(key.keyCombination()) == newGame_->shortcut();
}

void frmMain::focusCanvasLater() {
    QTimer::singleShot(0, this, [this] {
        if (QApplication::activePopupWidget() == nullptr) layer_.canvas().setFocus();
    });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn && watched == menuBar()) {
        // The menu bar takes the focus for keyboard navigation after a menu closed by
        // Escape; the game wants it back.
        focusCanvasLater();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    // An open menu gets its keys as usual.
    if (QApplication::activePopupWidget() != nullptr) return false;
    // A key that comes right after a menu closed, before the window has the keyboard back, is
    // addressed to the closed menu: it is the game's all the same.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget->window() != this && widget->window()->isVisible())) {
        return false;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        if (isMenuShortcut(*key)) return false;
        // Claiming the override makes the key arrive as a key press, and keeps Alt from the
        // menu bar, which would otherwise start its keyboard navigation.
        key->accept();
        return true;
    }
    if (type == QEvent::KeyPress) {
        const std::int16_t code = keyEventCode(*key);
        if (code != 0) deliver(&Game::Form_KeyDown, code);
    }
    if (!layer_.canvas().hasFocus()) layer_.canvas().setFocus();
    return true;
}

void frmMain::closeEvent(QCloseEvent* event) {
    deliver(&Game::Form_Unload);
    // Closing the window ends the program whatever the game did on unload.
    layer_.End();
    event->accept();
}

}  // namespace blokka
