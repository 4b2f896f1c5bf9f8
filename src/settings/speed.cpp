// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The twenty speed levels. The timer's interval is the only record of the speed; the marks are
// derived from it.

#include <array>

#include "core/game.h"

namespace blokka {

namespace {
struct SpeedItem {
    MenuItem item;
    std::int32_t interval;
};

constexpr std::array<SpeedItem, 20> kSpeedItems = {{
    {MenuItem::mnuSpeed50, 50},   {MenuItem::mnuSpeed100, 100},   {MenuItem::mnuSpeed150, 150},
    {MenuItem::mnuSpeed200, 200}, {MenuItem::mnuSpeed250, 250},   {MenuItem::mnuSpeed300, 300},
    {MenuItem::mnuSpeed350, 350}, {MenuItem::mnuSpeed400, 400},   {MenuItem::mnuSpeed450, 450},
    {MenuItem::mnuSpeed500, 500}, {MenuItem::mnuSpeed550, 550},   {MenuItem::mnuSpeed600, 600},
    {MenuItem::mnuSpeed650, 650}, {MenuItem::mnuSpeed700, 700},   {MenuItem::mnuSpeed750, 750},
    {MenuItem::mnuSpeed800, 800}, {MenuItem::mnuSpeed850, 850},   {MenuItem::mnuSpeed900, 900},
    {MenuItem::mnuSpeed950, 950}, {MenuItem::mnuSpeed1000, 1000},
}};

constexpr std::int32_t kFastest = 50;
constexpr std::int32_t kSlowest = 1000;
constexpr std::int32_t kStep = 50;
}  // namespace

// Setting the interval neither starts nor stops the timer: a paused game stays paused.
void Game::SelectSpeed(std::int32_t interval) {
    Platform.SetTimerInterval(interval);
    UpdateSpeedChecks();
}

void Game::mnuSpeed50_Click() { SelectSpeed(50); }
void Game::mnuSpeed100_Click() { SelectSpeed(100); }
void Game::mnuSpeed150_Click() { SelectSpeed(150); }
void Game::mnuSpeed200_Click() { SelectSpeed(200); }
void Game::mnuSpeed250_Click() { SelectSpeed(250); }
void Game::mnuSpeed300_Click() { SelectSpeed(300); }
void Game::mnuSpeed350_Click() { SelectSpeed(350); }
void Game::mnuSpeed400_Click() { SelectSpeed(400); }
void Game::mnuSpeed450_Click() { SelectSpeed(450); }
void Game::mnuSpeed500_Click() { SelectSpeed(500); }
void Game::mnuSpeed550_Click() { SelectSpeed(550); }
void Game::mnuSpeed600_Click() { SelectSpeed(600); }
void Game::mnuSpeed650_Click() { SelectSpeed(650); }
void Game::mnuSpeed700_Click() { SelectSpeed(700); }
void Game::mnuSpeed750_Click() { SelectSpeed(750); }
void Game::mnuSpeed800_Click() { SelectSpeed(800); }
void Game::mnuSpeed850_Click() { SelectSpeed(850); }
void Game::mnuSpeed900_Click() { SelectSpeed(900); }
void Game::mnuSpeed950_Click() { SelectSpeed(950); }
void Game::mnuSpeed1000_Click() { SelectSpeed(1000); }

// The marks are refreshed even at a bound, where the interval stays.
void Game::SpeedUp() {
    const std::int32_t interval = Platform.TimerInterval();
    if (interval > kFastest) Platform.SetTimerInterval(interval - kStep);
    UpdateSpeedChecks();
}

void Game::SlowDown() {
    const std::int32_t interval = Platform.TimerInterval();
    if (interval < kSlowest) Platform.SetTimerInterval(interval + kStep);
    UpdateSpeedChecks();
}

void Game::UpdateSpeedChecks() {
    for (const SpeedItem& speed : kSpeedItems) {
        if (Platform.Checked(speed.item)) Platform.SetChecked(speed.item, false);
    }
    const std::int32_t interval = Platform.TimerInterval();
    for (const SpeedItem& speed : kSpeedItems) {
        if (speed.interval == interval) Platform.SetChecked(speed.item, true);
    }
}

}  // namespace blokka
