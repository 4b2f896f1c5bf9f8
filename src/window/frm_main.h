// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: it owns the window layer and the game, builds the menu bar from the menu
// table and hands every event to the game's handler for it. The game's rules live in the game.

#include <QMainWindow>
#include <QString>

#include "core/game.h"
#include "window/qt_window_layer.h"

class QKeyEvent;

namespace blokka {

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // `instanceName` is the name of the one-instance guard; tests give each window its own.
    explicit frmMain(QString instanceName = QtWindowLayer::defaultInstanceName(),
                     QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs the game's start-up. False when the program ended during it (another instance
    // runs): the window must then never be shown.
    bool load();

    Game& game() { return game_; }
    QtWindowLayer& layer() { return layer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Hands an event to the game's handler for it. Once the program has ended, during start-up
    // or through the game's own unload, no event reaches the game any more.
    template <typename... Args>
    void deliver(void (Game::*handler)(Args...), auto... args) {
        if (!layer_.ended()) (game_.*handler)(static_cast<Args>(args)...);
    }

    void buildMenus();
    bool isMenuShortcut(const QKeyEvent& key) const;
    void focusCanvasLater();

    QtWindowLayer layer_;
    Game game_;
    QAction* newGame_ = nullptr;
};

}  // namespace blokka
