#pragma once
// A scripted stand-in for the window layer: it records pictures, marks, label and timer, logs
// every call that changes something, answers random values from a script, and fires a tick
// only when a test asks.

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "core/game.h"
#include "window/window_layer.h"

namespace blokka::testing {

struct FakeCell {
    bool visible = false;
    int picture = 0;  // 0 = none yet
    int paints = 0;   // pictures given since the log was last cleared
    CellBounds bounds;
};

class FakeWindow : public WindowLayer {
public:
    FakeWindow();

    void CreateCell(int k) override { Log("create " + std::to_string(k)); }
    void SetCellPicture(int k, int picture) override;
    void SetCellVisible(int k, bool visible) override { cells.at(k).visible = visible; }
    void SetCellBounds(int k, CellBounds bounds) override { cells.at(k).bounds = bounds; }
    CellBounds GetCellBounds(int k) const override { return cells.at(k).bounds; }
    void SetLabelCaption(std::string_view utf8) override;
    std::uint32_t LabelColor() const override { return labelColor; }
    void SetLabelColor(std::uint32_t rgb) override;
    void SetLabelPosition(int left, int top) override;
    bool TimerEnabled() const override { return timerEnabled; }
    void SetTimerEnabled(bool enabled) override;
    std::int32_t TimerInterval() const override { return timerInterval; }
    void SetTimerInterval(std::int32_t ms) override { timerInterval = ms; }
    bool Checked(MenuItem item) const override { return marks.at(static_cast<int>(item)); }
    void SetChecked(MenuItem item, bool checked) override;
    void Minimize() override { Log("minimize"); }
    void Close() override;
    bool OtherInstanceRunning() override { return otherInstance; }
    void End() override;
    float SecondsSinceMidnight() const override { return secondsSinceMidnight; }
    void SeedRandom(float value) override { Log("seed " + std::to_string(value)); }
    float RandomValue() override;

    // Values RandomValue hands out, in order; once used up it answers 0.
    void ScriptRandom(std::initializer_list<float> values) {
        randomScript.insert(randomScript.end(), values);
    }
    // A value that makes Int(n * value) + 1 come out as `choice` (1..n).
    static float Choose(int choice, int n) { return (choice - 0.5f) / static_cast<float>(n); }
    // Fires one tick if the timer runs, as the real timer would; returns whether it fired.
    bool Tick(Game& game);
    void ClearLog();
    int LogCount(const std::string& line) const;

    std::array<FakeCell, kDisplayCells + 1> cells{};  // 1..208
    std::array<bool, kMenuItemCount> marks{};
    std::string labelCaption;
    std::uint32_t labelColor = kBlack;
    int labelLeft = 0, labelTop = 0;
    bool timerEnabled = true;
    std::int32_t timerInterval = 350;
    int timerRestarts = 0;  // off-then-on switches
    bool otherInstance = false;
    bool ended = false;
    float secondsSinceMidnight = 43200.5f;
    std::deque<float> randomScript;
    int randomDraws = 0;
    std::vector<std::string> log;
    Game* unloadTarget = nullptr;  // the real window ends the program from its unload event

private:
    void Log(std::string line) { log.push_back(std::move(line)); }
};

}  // namespace blokka::testing
