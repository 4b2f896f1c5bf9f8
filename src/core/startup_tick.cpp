// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and the game tick, the game's only clock.

#include "core/game.h"

namespace blokka {

void Game::Form_Load() {
    if (Platform.OtherInstanceRunning()) {
        Platform.End();
        return;
    }
    LoadCells();
    // The only seeding: every random choice of the run draws from this one sequence.
    Platform.SeedRandom(Platform.SecondsSinceMidnight());

    BackMode = 3;
    CellSize = 18;
    ApplyCellSize();

    EscAction = 1;
    UpdateEscChecks();

    // The interval is the timer's design value; only the marks follow it.
    UpdateSpeedChecks();

    ColorOn.Fill(1);
    UpdateColorChecks();

    UpdateFiguresChecks();

    mnuNew_Click();
}

void Game::LoadCells() {
    for (int k = 2; k <= kDisplayCells; ++k) Platform.CreateCell(k);
}

void Game::tmrMain_Timer() {
    if (GameOver == 1) return;
    GravityStep();
    if (CurType != 0) return;

    Rotation = 0;
    Pivot = 0;
    SettleFigure();
    RemoveFullRows();
    SpawnFigure();
    if (MouseMode == 1) FollowMouse();
    DrawDirtyCells();
}

}  // namespace blokka
