// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window layer on Qt: display cells on the canvas, the score label, the game timer, the menu
// marks, the main window's minimise and close, the one-instance guard, the clock and the random
// source. It adds no behaviour to the game; the events it raises go to frmMain, which hands them
// to the game.

#include <QLabel>
#include <QMainWindow>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <optional>
#include <random>

#include "core/window_layer.h"
#include "window/cell_canvas.h"
#include "window/instance_guard.h"

class QAction;

namespace blokka {

class QtWindowLayer : public QObject, public WindowLayer {
    Q_OBJECT

public:
    static constexpr int kTimerDesignInterval = 350;

    // `window` is the main window the canvas and label live in. `instanceName` names the
    // per-user guard that tells a second instance that the first one runs.
    QtWindowLayer(QMainWindow& window, QString instanceName);
    ~QtWindowLayer() override;

    // The per-user instance name the program uses.
    static QString defaultInstanceName();

    CellCanvas& canvas() { return *canvas_; }
    QLabel& lblTotal() { return *lblTotal_; }
    QTimer& tmrMain() { return tmrMain_; }
    void bindAction(MenuItem item, QAction* action);
    QAction* action(MenuItem item) const;
    bool ended() const { return ended_; }

    // --- WindowLayer ---
    void CreateCell(int k) override;
    void SetCellPicture(int k, int picture) override;
    void SetCellVisible(int k, bool visible) override;
    void SetCellBounds(int k, CellBounds bounds) override;
    CellBounds GetCellBounds(int k) const override;
    void SetLabelCaption(std::string_view utf8) override;
    std::uint32_t LabelColor() const override;
    void SetLabelColor(std::uint32_t rgb) override;
    void SetLabelPosition(int left, int top) override;
    bool TimerEnabled() const override;
    void SetTimerEnabled(bool enabled) override;
    std::int32_t TimerInterval() const override;
    void SetTimerInterval(std::int32_t milliseconds) override;
    bool Checked(MenuItem item) const override;
    void SetChecked(MenuItem item, bool checked) override;
    void Minimize() override;
    void Close() override;
    bool OtherInstanceRunning() override;
    void End() override;
    float SecondsSinceMidnight() const override;
    void SeedRandom(float seed) override;
    float RandomValue() override;

signals:
    void timerTick();

private:
    QMainWindow& window_;
    CellCanvas* canvas_;
    QLabel* lblTotal_;
    QTimer tmrMain_;
    std::array<QAction*, kMenuItemCount> actions_{};
    QString instanceName_;
    std::optional<InstanceGuard> instanceGuard_;
    std::mt19937 random_;
    bool labelSized_ = false;
    bool ended_ = false;
};

}  // namespace blokka
