// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A scripted stand-in for the window layer: it records what the game shows and asks for, answers
// random values from a script, and fires a tick only when a test asks.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/game.h"
#include "settings/menu_tree.h"

namespace blokka::testing {

class FakeWindow : public WindowLayer {
public:
    FakeWindow() {
        visible[1] = true;
        for (const MenuEntry& e : kMenuTree) marks.at(int(e.item)) = e.checkedAtCreation;
    }

    void CreateCell(int k) override { ++created.at(k); }
    void SetCellPicture(int k, int p) override { ++paints.at(k), picture.at(k) = p; }
    void SetCellVisible(int k, bool v) override { visible.at(k) = v; }
    void SetCellBounds(int k, CellBounds b) override { bounds.at(k) = b; }
    CellBounds GetCellBounds(int k) const override { return bounds.at(k); }
    void SetLabelCaption(std::string_view text) override { caption = text; }
    std::uint32_t LabelColor() const override { return labelColor; }
    void SetLabelColor(std::uint32_t rgb) override { ++colourWrites, labelColor = rgb; }
    void SetLabelPosition(int left, int top) override { label = {left, top}; }
    bool TimerEnabled() const override { return timerOn; }
    void SetTimerEnabled(bool on) override { restarts += on && !timerOn, timerOn = on; }
    std::int32_t TimerInterval() const override { return interval; }
    void SetTimerInterval(std::int32_t ms) override { interval = ms; }
    bool Checked(MenuItem item) const override { return marks.at(int(item)); }
    void SetChecked(MenuItem item, bool on) override { marks.at(int(item)) = on; }
    void Minimize() override { ++minimized; }
    void Close() override {
        ++closed;
        if (game != nullptr) game->Form_Unload();
    }
    bool OtherInstanceRunning() override { return otherInstance; }
    void End() override { ended = true; }
    float SecondsSinceMidnight() const override { return 5025.25f; }
    void SeedRandom(float value) override { seed = value; }
    // Values in script order, then 0.
    float RandomValue() override { return draws < script.size() ? script[draws++] : 0.0f; }

    // Random values that make Int(7 * value) + 1 come out as the choices given.
    void Script(std::initializer_list<int> choices) {
        script.resize(std::max(script.size(), draws));
        for (int c : choices) script.push_back((float(c) - 0.5f) / 7);
    }
    // One tick if the timer runs, as the real timer would.
    bool Tick() {
        const bool fires = timerOn && game != nullptr;
        if (fires) game->tmrMain_Timer();
        return fires;
    }
    void ForgetPaints() { paints.fill(0); }
    // How many display cells were painted since the paints were last forgotten.
    long Painted() const { return kDisplayCells + 1 - std::count(paints.begin(), paints.end(), 0); }
    // The timer as a test reads it: "on 350" or "off 1000".
    std::string Timer() const { return (timerOn ? "on " : "off ") + std::to_string(interval); }

    Game* game = nullptr;  // the game that gets the ticks and the unload event
    std::array<int, kDisplayCells + 1> picture{}, paints{}, created{};
    std::array<bool, kDisplayCells + 1> visible{};
    std::array<CellBounds, kDisplayCells + 1> bounds{};
    std::array<bool, kMenuItemCount> marks{};
    std::string caption;
    std::uint32_t labelColor = 0;
    std::pair<int, int> label{};
    int colourWrites = 0, restarts = 0, minimized = 0, closed = 0;
    bool timerOn = true, otherInstance = false, ended = false;
    std::int32_t interval = 350;
    float seed = -1;
    std::vector<float> script;
    std::size_t draws = 0;
};

}  // namespace blokka::testing
