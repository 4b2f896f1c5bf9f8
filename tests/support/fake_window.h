#pragma once
// A scripted stand-in for the window layer: it records what the game shows, logs every change,
// answers random values from a script, and fires a tick only when a test asks.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/game.h"
#include "settings/menu_tree.h"
#include "window/window_layer.h"

namespace blokka::testing {

class FakeWindow : public WindowLayer {
public:
    FakeWindow() {
        visible[1] = true;
        for (const MenuEntry& e : kMenuTree)
            marks.at(static_cast<int>(e.item)) = e.checkedAtCreation;
    }

    void CreateCell(int k) override { Log("create " + std::to_string(k)); }
    void SetCellPicture(int k, int p) override {
        picture.at(k) = p;
        ++paints.at(k);
        Log("picture " + std::to_string(k) + " " + std::to_string(p));
    }
    void SetCellVisible(int k, bool v) override { visible.at(k) = v; }
    void SetCellBounds(int k, CellBounds b) override { bounds.at(k) = b; }
    CellBounds GetCellBounds(int k) const override { return bounds.at(k); }
    void SetLabelCaption(std::string_view utf8) override { Log("caption " + (caption = utf8)); }
    std::uint32_t LabelColor() const override { return labelColor; }
    void SetLabelColor(std::uint32_t rgb) override {
        Log("colour " + std::to_string(labelColor = rgb));
    }
    void SetLabelPosition(int left, int top) override {
        Log("label at " + std::to_string(left) + "," + std::to_string(top));
    }
    bool TimerEnabled() const override { return timerEnabled; }
    void SetTimerEnabled(bool enabled) override {
        timerRestarts += enabled && !timerEnabled ? 1 : 0;
        Log((timerEnabled = enabled) ? "timer on" : "timer off");
    }
    std::int32_t TimerInterval() const override { return timerInterval; }
    void SetTimerInterval(std::int32_t ms) override { timerInterval = ms; }
    bool Checked(MenuItem item) const override { return marks.at(static_cast<int>(item)); }
    void SetChecked(MenuItem item, bool checked) override {
        marks.at(static_cast<int>(item)) = checked;
        Log((checked ? "check " : "clear ") + std::string(FindMenuEntry(item)->name));
    }
    void Minimize() override { Log("minimize"); }
    void Close() override {
        Log("close");
        if (unloadTarget) unloadTarget->Form_Unload();
    }
    bool OtherInstanceRunning() override { return otherInstance; }
    void End() override {
        ended = true;
        Log("end");
    }
    float SecondsSinceMidnight() const override { return 5025.25f; }
    void SeedRandom(float value) override { Log("seed " + std::to_string(value)); }
    float RandomValue() override {
        return ++randomDraws <= std::ssize(randomScript) ? randomScript[randomDraws - 1] : 0.0f;
    }
    // Adds random values that make Int(7 * value) + 1 come out as the choices given.
    void Script(std::initializer_list<int> choices) {
        randomScript.resize(std::max<std::size_t>(randomScript.size(), randomDraws));  // skip 0s
        for (int c : choices) randomScript.push_back((c - 0.5f) / 7);
    }
    // Fires one tick if the timer runs, as the real timer would; returns whether it fired.
    bool Tick(Game& game) {
        if (!timerEnabled) return false;
        game.tmrMain_Timer();
        return true;
    }
    void ClearLog() {
        log.clear();
        paints.fill(0);
    }
    int LogCount(const std::string& line) const { return std::ranges::count(log, line); }

    std::array<int, kDisplayCells + 1> picture{}, paints{};  // Img(1..208); paints since ClearLog
    std::array<bool, kDisplayCells + 1> visible{};
    std::array<CellBounds, kDisplayCells + 1> bounds{};
    std::array<bool, kMenuItemCount> marks{};
    std::string caption;
    std::uint32_t labelColor = kBlack;
    bool timerEnabled = true;
    std::int32_t timerInterval = 350;
    int timerRestarts = 0;  // off-then-on switches
    bool otherInstance = false;
    std::vector<float> randomScript;  // drawn in order; 0 once used up
    int randomDraws = 0;
    std::vector<std::string> log;
    Game* unloadTarget = nullptr;  // the real window ends the program from its unload event
    bool ended = false;            // the program has ended: the real window takes no more events
    bool logging = true;           // long runs switch the log off to keep memory flat

private:
    void Log(std::string line) {
        if (logging) log.push_back(std::move(line));
    }
};

}  // namespace blokka::testing
