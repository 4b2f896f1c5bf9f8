#include "fake_window.h"

#include <cmath>

namespace blokka::testing {

namespace {
std::string ItemName(MenuItem item) {
    const MenuEntry* entry = FindMenuEntry(item);
    return entry ? std::string(entry->name) : "?";
}
}  // namespace

FakeWindow::FakeWindow() {
    cells[1].created = true;
    cells[1].visible = true;
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.item != MenuItem::None) {
            marks[static_cast<std::size_t>(entry.item)] = entry.checkedAtCreation;
        }
    }
}

void FakeWindow::CreateCell(int k) {
    cells.at(static_cast<std::size_t>(k)).created = true;
    cells.at(static_cast<std::size_t>(k)).visible = false;
    log.push_back("create " + std::to_string(k));
}

void FakeWindow::SetCellPicture(int k, int picture) {
    FakeCell& cell = cells.at(static_cast<std::size_t>(k));
    cell.picture = picture;
    ++cell.paints;
    log.push_back("picture " + std::to_string(k) + " " + std::to_string(picture));
}

void FakeWindow::SetCellVisible(int k, bool visible) {
    cells.at(static_cast<std::size_t>(k)).visible = visible;
}

void FakeWindow::SetCellBounds(int k, CellBounds bounds) {
    cells.at(static_cast<std::size_t>(k)).bounds = bounds;
}

CellBounds FakeWindow::GetCellBounds(int k) const {
    return cells.at(static_cast<std::size_t>(k)).bounds;
}

void FakeWindow::SetLabelCaption(std::string_view utf8) {
    labelCaption = utf8;
    log.push_back("caption " + labelCaption);
}

void FakeWindow::SetLabelColor(std::uint32_t rgb) {
    labelColor = rgb;
    ++labelColorWrites;
}

void FakeWindow::SetLabelPosition(int left, int top) {
    labelLeft = left;
    labelTop = top;
    log.push_back("label at " + std::to_string(left) + "," + std::to_string(top));
}

void FakeWindow::SetTimerEnabled(bool enabled) {
    if (enabled && !timerEnabled) ++timerRestarts;
    timerEnabled = enabled;
    log.push_back(enabled ? "timer on" : "timer off");
}

void FakeWindow::SetTimerInterval(std::int32_t milliseconds) {
    timerInterval = milliseconds;
    log.push_back("interval " + std::to_string(milliseconds));
}

bool FakeWindow::Checked(MenuItem item) const { return marks.at(static_cast<std::size_t>(item)); }

void FakeWindow::SetChecked(MenuItem item, bool checked) {
    marks.at(static_cast<std::size_t>(item)) = checked;
    log.push_back(std::string(checked ? "check " : "clear ") + ItemName(item));
}

void FakeWindow::Minimize() {
    ++minimizeCount;
    log.push_back("minimize");
}

void FakeWindow::Close() {
    closed = true;
    log.push_back("close");
    if (unloadTarget) unloadTarget->Form_Unload();
}

void FakeWindow::End() {
    ended = true;
    timerEnabled = false;
    log.push_back("end");
}

void FakeWindow::SeedRandom(float value) {
    seeded = true;
    seed = value;
    log.push_back("seed");
}

float FakeWindow::RandomValue() {
    ++randomDraws;
    if (randomScript.empty()) return fallbackRandom;
    const float value = randomScript.front();
    randomScript.pop_front();
    return value;
}

void FakeWindow::ScriptRandom(std::initializer_list<float> values) {
    randomScript.insert(randomScript.end(), values.begin(), values.end());
}

float FakeWindow::Choose(int choice, int n) {
    // The middle of the choice's slice of [0, 1), safe from rounding at either end.
    return (static_cast<float>(choice) - 0.5f) / static_cast<float>(n);
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

}  // namespace blokka::testing
