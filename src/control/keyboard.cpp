// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The key map, pausing and the Escape action.

#include "control/key_codes.h"
#include "core/game.h"

namespace blokka {

namespace {
constexpr bool IsMoveKey(Integer code) {
    switch (code) {
        case vk::Left:
        case vk::Up:
        case vk::Right:
        case vk::Down:
        case vk::A:
        case vk::W:
        case vk::D:
        case vk::S:
            return true;
        default:
            return false;
    }
}
}  // namespace

// The tests below are separate steps, not alternatives: a move key pressed while paused first
// resumes the game and then makes its move.
void Game::Form_KeyDown(Integer KeyCode) {
    if (KeyCode == vk::Escape) DoEscAction();
    if (GameOver == 1) return;
    if (KeyCode == vk::P || KeyCode == vk::Pause) TogglePause();
    if (!Platform.TimerEnabled()) {
        if (!IsMoveKey(KeyCode)) return;
        TogglePause();
    }
    if (KeyCode == vk::NumpadPlus || KeyCode == vk::PageUp || KeyCode == vk::Plus) SpeedUp();
    if (KeyCode == vk::NumpadMinus || KeyCode == vk::PageDown || KeyCode == vk::Minus) SlowDown();
    if (KeyCode == vk::Left || KeyCode == vk::A) MoveLeft();
    if (KeyCode == vk::Up || KeyCode == vk::W) RotateFigure();
    if (KeyCode == vk::Right || KeyCode == vk::D) MoveRight();
    if (KeyCode == vk::Down || KeyCode == vk::S) {
        GravityStep();
        // Still falling: the next tick comes a full interval after the key. A figure the key
        // has just fixed keeps the old schedule.
        if (CurType != 0) {
            Platform.SetTimerEnabled(false);
            Platform.SetTimerEnabled(true);
        }
    }
    if (KeyCode == vk::Space) DropFigure();
}

void Game::TogglePause() {
    if (GameOver == 1) return;
    if (Platform.TimerEnabled()) {
        Platform.SetTimerEnabled(false);
        Platform.SetChecked(MenuItem::mnuPause, true);
    } else {
        Platform.SetTimerEnabled(true);
        Platform.SetChecked(MenuItem::mnuPause, false);
    }
}

void Game::mnuPause_Click() { TogglePause(); }

void Game::DoEscAction() {
    switch (EscAction) {
        case 1:
            TogglePause();
            break;
        case 2:
            if (Platform.TimerEnabled()) mnuPause_Click();
            Platform.Minimize();
            break;
        case 3:
            Platform.Close();
            break;
        default:
            break;
    }
}

}  // namespace blokka
