// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window layer of the page: display cells drawn into a frame of the canvas's device pixels,
// the score label, the game timer, the menu bar, the one-copy lock, closing, the clock and the
// random source. It adds no behaviour to the game; the page's events go to the game through
// web_page.cpp.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/window_layer.h"
#include "view/stock_pictures.h"
#include "window/random_source.h"
#include "window/web/web_menu_bar.h"

namespace blokka {

class WebWindowLayer : public WindowLayer {
public:
    static constexpr int kTimerDesignInterval = 350;

    // What the page learnt of the one-copy lock before start-up.
    enum class Lock : std::uint8_t { Missing, Held, HeldElsewhere };

    // The client area, which the player may resize as a desktop's window: its size in pixels,
    // shown at `ratio` device pixels a pixel on the device pixels the browser counts for the
    // canvas (0 where it counts none).
    struct Screen {
        double ratio, width, height;
        int deviceWidth, deviceHeight;
    };

    WebWindowLayer(Lock lock, const Screen& screen);

    void Attach(Game& game) { game_ = &game; }  // the game that gets the unload event
    bool Ended() const { return ended_; }
    WebMenuBar& Menus() { return menus_; }
    void SetScreen(const Screen& screen);
    // The display cell under the point (x, y) of the client area, or 0 over the background.
    int CellAt(double x, double y) const;
    // Brings what changed since the last call onto the canvas.
    void Flush();

    // --- WindowLayer ---
    void CreateCell(int k) override;
    void SetCellPicture(int k, int picture) override;
    void SetCellVisible(int k, bool visible) override;
    void SetCellBounds(int k, CellBounds bounds) override;
    CellBounds GetCellBounds(int k) const override;
    void SetLabelCaption(std::string_view utf8) override;
    std::uint32_t LabelColor() const override { return labelColor_; }
    void SetLabelColor(std::uint32_t rgb) override;
    void SetLabelPosition(int left, int top) override;
    bool TimerEnabled() const override { return timerOn_; }
    void SetTimerEnabled(bool enabled) override;
    std::int32_t TimerInterval() const override { return interval_; }
    void SetTimerInterval(std::int32_t milliseconds) override;
    bool Checked(MenuItem item) const override { return menus_.Checked(item); }
    void SetChecked(MenuItem item, bool checked) override { menus_.SetChecked(item, checked); }
    // No page can minimise its window: the game has paused itself first, and that is all.
    void Minimize() override {}
    void Close() override;
    bool OtherInstanceRunning() override { return lock_ == Lock::HeldElsewhere; }
    void End() override;
    float SecondsSinceMidnight() const override;
    void SeedRandom(float seed) override { random_.Seed(seed); }
    float RandomValue() override { return random_.Next(); }

private:
    struct Cell {
        CellBounds bounds;
        int picture = 0;
        bool visible = false;
        bool created = false;
    };
    struct Area {  // device pixels, ends exclusive
        int left, top, right, bottom;
    };
    using Pixels = std::vector<std::uint32_t>;  // RGBA, row by row

    Area DeviceArea(const CellBounds& bounds) const;
    void Damage(const Cell& cell);
    const Pixels& Scaled(int picture, int width, int height);
    void Paint(const Area& area);
    void ShowLabel() const;

    std::array<Cell, kDisplayCells + 1> cells_{};
    Pixels frame_;
    int width_ = 0, height_ = 0;
    double ratio_ = 1;
    std::vector<Area> damage_;
    std::map<std::pair<int, int>, std::array<Pixels, kStockPictures + 1>> scaled_;
    std::string caption_;
    std::uint32_t labelColor_ = 0;
    int labelLeft_ = 0, labelTop_ = 0;
    bool timerOn_ = true;
    std::int32_t interval_ = kTimerDesignInterval;
    WebMenuBar menus_;
    Lock lock_;
    RandomSource random_;
    Game* game_ = nullptr;
    bool ended_ = false;
};

}  // namespace blokka
