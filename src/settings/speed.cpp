// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The twenty speed levels. The timer's interval is the only record of the speed; the marks are
// derived from it.

#include "core/game.h"
#include "settings/menu_tree.h"

namespace blokka {

namespace {
// The intervals of the speed items, from the fastest; the keys step between them.
struct SpeedRange {
    std::int32_t fastest, slowest, step;
};
constexpr SpeedRange kSpeeds = [] {
    SpeedRange range{0, 0, 0};
    int seen = 0;
    for (const MenuEntry& entry : kMenuTree) {
        if (entry.group != MenuGroup::Speed) continue;
        if (seen == 0) range.fastest = entry.value;
        if (seen == 1) range.step = entry.value - range.fastest;
        range.slowest = entry.value;
        ++seen;
    }
    return range;
}();
static_assert(kSpeeds.fastest > 0 && kSpeeds.step > 0 &&
              (kSpeeds.slowest - kSpeeds.fastest) % kSpeeds.step == 0);
}  // namespace

// Setting the interval neither starts nor stops the timer: a paused game stays paused.
void Game::SelectSpeed(MenuItem item) {
    Platform.SetTimerInterval(MenuValue(item));
    UpdateSpeedChecks();
}

void Game::mnuSpeed50_Click() { SelectSpeed(MenuItem::mnuSpeed50); }
void Game::mnuSpeed100_Click() { SelectSpeed(MenuItem::mnuSpeed100); }
void Game::mnuSpeed150_Click() { SelectSpeed(MenuItem::mnuSpeed150); }
void Game::mnuSpeed200_Click() { SelectSpeed(MenuItem::mnuSpeed200); }
void Game::mnuSpeed250_Click() { SelectSpeed(MenuItem::mnuSpeed250); }
void Game::mnuSpeed300_Click() { SelectSpeed(MenuItem::mnuSpeed300); }
void Game::mnuSpeed350_Click() { SelectSpeed(MenuItem::mnuSpeed350); }
void Game::mnuSpeed400_Click() { SelectSpeed(MenuItem::mnuSpeed400); }
void Game::mnuSpeed450_Click() { SelectSpeed(MenuItem::mnuSpeed450); }
void Game::mnuSpeed500_Click() { SelectSpeed(MenuItem::mnuSpeed500); }
void Game::mnuSpeed550_Click() { SelectSpeed(MenuItem::mnuSpeed550); }
void Game::mnuSpeed600_Click() { SelectSpeed(MenuItem::mnuSpeed600); }
void Game::mnuSpeed650_Click() { SelectSpeed(MenuItem::mnuSpeed650); }
void Game::mnuSpeed700_Click() { SelectSpeed(MenuItem::mnuSpeed700); }
void Game::mnuSpeed750_Click() { SelectSpeed(MenuItem::mnuSpeed750); }
void Game::mnuSpeed800_Click() { SelectSpeed(MenuItem::mnuSpeed800); }
void Game::mnuSpeed850_Click() { SelectSpeed(MenuItem::mnuSpeed850); }
void Game::mnuSpeed900_Click() { SelectSpeed(MenuItem::mnuSpeed900); }
void Game::mnuSpeed950_Click() { SelectSpeed(MenuItem::mnuSpeed950); }
void Game::mnuSpeed1000_Click() { SelectSpeed(MenuItem::mnuSpeed1000); }

// The marks are refreshed even at a bound, where the interval stays.
void Game::SpeedUp() {
    const std::int32_t interval = Platform.TimerInterval();
    if (interval > kSpeeds.fastest) Platform.SetTimerInterval(interval - kSpeeds.step);
    UpdateSpeedChecks();
}

void Game::SlowDown() {
    const std::int32_t interval = Platform.TimerInterval();
    if (interval < kSpeeds.slowest) Platform.SetTimerInterval(interval + kSpeeds.step);
    UpdateSpeedChecks();
}

void Game::UpdateSpeedChecks() {
    MarkOneOf(MenuGroup::Speed, Platform.TimerInterval(), MarkSteps::ClearSetThenMark);
}

}  // namespace blokka
