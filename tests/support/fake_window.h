#pragma once
// A scripted stand-in for the window layer: it records every picture, mark, label and timer
// change, answers random values from a script, and fires ticks only when a test asks.

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/game.h"
#include "settings/menu_tree.h"
#include "window/window_layer.h"

namespace blokka::testing {

struct FakeCell {
    bool created = false;
    bool visible = false;
    int picture = 0;  // 0 = none yet
    int paints = 0;   // how many times a picture was given
    CellBounds bounds;
};

class FakeWindow : public WindowLayer {
public:
    FakeWindow();

    // --- WindowLayer ---
    void CreateCell(int k) override;
    void SetCellPicture(int k, int picture) override;
    void SetCellVisible(int k, bool visible) override;
    void SetCellBounds(int k, CellBounds bounds) override;
    CellBounds GetCellBounds(int k) const override;
    void SetLabelCaption(std::string_view utf8) override;
    std::uint32_t LabelColor() const override { return labelColor; }
    void SetLabelColor(std::uint32_t rgb) override;
    void SetLabelPosition(int left, int top) override;
    bool TimerEnabled() const override { return timerEnabled; }
    void SetTimerEnabled(bool enabled) override;
    std::int32_t TimerInterval() const override { return timerInterval; }
    void SetTimerInterval(std::int32_t milliseconds) override;
    bool Checked(MenuItem item) const override;
    void SetChecked(MenuItem item, bool checked) override;
    void Minimize() override;
    void Close() override;
    bool OtherInstanceRunning() override { return otherInstance; }
    void End() override;
    float SecondsSinceMidnight() const override { return secondsSinceMidnight; }
    void SeedRandom(float seed) override;
    float RandomValue() override;

    // --- scripting ---
    // Values RandomValue hands out, in order; once used up it answers `fallbackRandom`.
    void ScriptRandom(std::initializer_list<float> values);
    // A value that makes Int(n * value) + 1 come out as `choice` (1..n).
    static float Choose(int choice, int n);
    // Fires one tick if the timer runs (as the real timer would); returns whether it fired.
    bool Tick(Game& game);
    // Forgets the recorded call log and paint counts.
    void ClearLog();

    // --- recorded state ---
    std::array<FakeCell, kDisplayCells + 1> cells{};  // index 1..208
    std::string labelCaption;
    std::uint32_t labelColor = kBlack;
    int labelLeft = 0, labelTop = 0;
    int labelColorWrites = 0;
    bool timerEnabled = true;  // the design value: the timer starts enabled
    std::int32_t timerInterval = 350;
    int timerRestarts = 0;  // off-then-on switches
    std::array<bool, kMenuItemCount> marks{};
    int minimizeCount = 0;
    bool closed = false;
    bool ended = false;
    bool otherInstance = false;
    float secondsSinceMidnight = 43200.5f;
    bool seeded = false;
    float seed = 0;
    std::deque<float> randomScript;
    float fallbackRandom = 0.0f;
    int randomDraws = 0;
    std::vector<std::string> log;  // one line per call that changes something, in order

    // Game wired to a close: the real window ends the program from its unload event.
    Game* unloadTarget = nullptr;
};

}  // namespace blokka::testing
