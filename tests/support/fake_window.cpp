#include "fake_window.h"

#include <algorithm>

#include "settings/menu_tree.h"

namespace blokka::testing {

FakeWindow::FakeWindow() {
    cells[1].visible = true;
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.item != MenuItem::None)
            marks.at(static_cast<int>(entry.item)) = entry.checkedAtCreation;
    }
}

void FakeWindow::SetCellPicture(int k, int picture) {
    cells.at(k).picture = picture;
    ++cells.at(k).paints;
    Log("picture " + std::to_string(k) + " " + std::to_string(picture));
}

void FakeWindow::SetLabelCaption(std::string_view utf8) {
    labelCaption = utf8;
    Log("caption " + labelCaption);
}

void FakeWindow::SetLabelColor(std::uint32_t rgb) {
    labelColor = rgb;
    Log("label colour " + std::to_string(rgb));
}

void FakeWindow::SetLabelPosition(int left, int top) {
    labelLeft = left;
    labelTop = top;
    Log("label at " + std::to_string(left) + "," + std::to_string(top));
}

void FakeWindow::SetTimerEnabled(bool enabled) {
    if (enabled && !timerEnabled) ++timerRestarts;
    timerEnabled = enabled;
    Log(enabled ? "timer on" : "timer off");
}

void FakeWindow::SetChecked(MenuItem item, bool checked) {
    marks.at(static_cast<int>(item)) = checked;
    const MenuEntry* entry = FindMenuEntry(item);
    Log((checked ? "check " : "clear ") + std::string(entry ? entry->name : "?"));
}

void FakeWindow::Close() {
    Log("close");
    if (unloadTarget) unloadTarget->Form_Unload();
}

void FakeWindow::End() {
    ended = true;
    timerEnabled = false;
    Log("end");
}

float FakeWindow::RandomValue() {
    ++randomDraws;
    if (randomScript.empty()) return 0.0f;
    const float value = randomScript.front();
    randomScript.pop_front();
    return value;
}

bool FakeWindow::Tick(Game& game) {
    if (!timerEnabled) return false;
    game.tmrMain_Timer();
    return true;
}

void FakeWindow::ClearLog() {
    log.clear();
    for (FakeCell& cell : cells) cell.paints = 0;
}

int FakeWindow::LogCount(const std::string& line) const {
    return static_cast<int>(std::count(log.begin(), log.end(), line));
}

}  // namespace blokka::testing
