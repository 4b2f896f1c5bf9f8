// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The waiting figure enters the board; the next one is chosen and shown in the box.

#include "core/figures.h"
#include "core/game.h"
#include "core/random_choice.h"

namespace blokka {

void Game::SpawnFigure() {
    if (NextType == 0)
        NextType = static_cast<Integer>(RandomWhole(Platform.RandomValue(), kFigureTypes));
    if (NextColor == 0) NextColor = PickColor();
    CurColor = NextColor;
    CurType = NextType;

    const FigureType& figure = kFigures[static_cast<std::size_t>(CurType)];
    bool fits = true;
    for (Integer cell : figure.spawnCells) {
        if (CellState(cell) != kEmpty) fits = false;
    }
    if (!fits) {
        GameOver = 1;
        Platform.SetTimerEnabled(false);
    } else {
        Pivot = figure.spawnPivot;
        for (Integer cell : figure.spawnCells) {
            CellArg = cell;
            SetFigureCell();
        }
    }

    ClearNextBox();
    if (GameOver == 1) return;

    if (RepeatLeft > 0) {
        --RepeatLeft;
    } else {
        if (InTurn == 0) {
            NextType = static_cast<Integer>(RandomWhole(Platform.RandomValue(), kFigureTypes));
        } else {
            NextType = NextType < kFigureTypes ? static_cast<Integer>(NextType + 1) : Integer{1};
        }
        RepeatLeft = RepeatMode;
    }
    NextColor = PickColor();
    DrawNextFigure();
}

Integer Game::PickColor() {
    int enabled = 0;
    for (Byte on : ColorOn) enabled += on;
    if (enabled == 0) return 0;
    const int wanted = RandomWhole(Platform.RandomValue(), enabled);
    int seen = 0;
    for (int k = 1; k <= kColors; ++k) {
        if (ColorOn(k) == 1 && ++seen == wanted) return static_cast<Integer>(k);
    }
    return 0;
}

// Before the first spawn of a run nothing waits yet; the box then stays empty.
void Game::DrawNextFigure() {
    if (NextType < 1 || NextType > kFigureTypes || NextColor < 1 || NextColor > kColors) return;
    for (Integer cell : kFigures[static_cast<std::size_t>(NextType)].boxCells) {
        Platform.SetCellPicture(cell, NextColor);
    }
}

void Game::ClearNextBox() {
    const Integer picture = EmptyCellPicture();
    for (int k = kBoxFirst; k <= kDisplayCells; ++k) Platform.SetCellPicture(k, picture);
}

}  // namespace blokka
