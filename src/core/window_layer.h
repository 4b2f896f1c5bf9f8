// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the game needs from its platform, and nothing more. The game defines it; each platform's
// window layer under src/window/ implements it for the player, and the tests implement it with a
// scripted fake. No type of any platform crosses this line.

#include <cstdint>
#include <string_view>

#include "core/menu_items.h"

namespace blokka {

struct CellBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const CellBounds&, const CellBounds&) = default;
};

class WindowLayer {
public:
    virtual ~WindowLayer() = default;

    // Display cells Img(1..208). Img(1) exists from the start, visible; CreateCell(k) adds Img(k)
    // as a hidden copy of it. Pictures are the stock pictures ConstImg(1..10), shown scaled.
    virtual void CreateCell(int k) = 0;
    virtual void SetCellPicture(int k, int picture) = 0;
    virtual void SetCellVisible(int k, bool visible) = 0;
    virtual void SetCellBounds(int k, CellBounds bounds) = 0;
    virtual CellBounds GetCellBounds(int k) const = 0;

    // The score label lblTotal. Colours are 0xRRGGBB.
    virtual void SetLabelCaption(std::string_view utf8) = 0;
    virtual std::uint32_t LabelColor() const = 0;
    virtual void SetLabelColor(std::uint32_t rgb) = 0;
    virtual void SetLabelPosition(int left, int top) = 0;

    // The game timer tmrMain. Switching it off and on again restarts the count.
    virtual bool TimerEnabled() const = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual std::int32_t TimerInterval() const = 0;
    virtual void SetTimerInterval(std::int32_t milliseconds) = 0;

    // Check marks of the menu items.
    virtual bool Checked(MenuItem item) const = 0;
    virtual void SetChecked(MenuItem item, bool checked) = 0;

    // The main window.
    virtual void Minimize() = 0;
    virtual void Close() = 0;  // raises the window's unload event, which ends the program

    // The process.
    virtual bool OtherInstanceRunning() = 0;
    virtual void End() = 0;  // ends the program at once, without unload events

    // Time of day and the random source.
    virtual float SecondsSinceMidnight() const = 0;
    virtual void SeedRandom(float seed) = 0;
    virtual float RandomValue() = 0;  // uniform in [0, 1)
};

}  // namespace blokka
