// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game: the record and every procedure that works on it. The procedures take no arguments
// and share the record, as the main window's procedures do; event handlers take what their
// event brings. Their bodies live in the folder of their subsystem:
//   core/      start-up, tick, cell writers, spawning, landing and rows
//   control/   moves, turns and drops; keyboard, pause and Escape; mouse steering
//   view/      drawing pass, new game, layout, background modes
//   settings/  Escape, speed, colour and appearance menus

#include "core/game_state.h"
#include "core/window_layer.h"

namespace blokka {

// Colours of the score label.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kDarkRed = 0x800000;
inline constexpr Integer kScoreCap = 32000;

class Game : public GameState {
public:
    explicit Game(WindowLayer& platform) : Platform(platform) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- core: start-up and tick ---
    void Form_Load();
    void LoadCells();
    void tmrMain_Timer();

    // --- core: cell writers ---
    void SetFigureCell();
    void ClearCell();
    void FixFigure();
    void SettleFigure();

    // --- core: figure choice and spawning ---
    void SpawnFigure();
    Integer PickColor();
    void DrawNextFigure();
    void ClearNextBox();

    // --- core: landing, rows and score ---
    void GravityStep();
    void RemoveFullRows();

    // --- control: moves, turns, drops ---
    Integer CanMoveLeft();
    Integer CanMoveRight();
    Integer CanFall();
    Integer CanRotate();
    void ShiftLeft();
    void ShiftRight();
    void ShiftDown();
    void TurnType1();
    void TurnType2();
    void TurnType3();
    void TurnType5();
    void TurnType6();
    void TurnType7();
    void MoveLeft();
    void MoveRight();
    void RotateFigure();
    void DropFigure();

    // --- control: keyboard, pause, Escape ---
    void Form_KeyDown(Integer KeyCode);
    void TogglePause();
    void mnuPause_Click();
    void DoEscAction();

    // --- control: mouse steering ---
    void mnuMouse_Click();
    void Img_MouseMove(Integer Index);
    void Img_MouseDown(Integer Index, Integer Button);
    void FollowMouse();

    // --- view: drawing ---
    void DrawDirtyCells();
    void HideAllCells();
    void ShowAllCells();
    Integer EmptyCellPicture() const;  // the background picture of the present BackMode

    // --- view: new game ---
    void mnuNew_Click();
    void NewGame();

    // --- view: window and layout ---
    void mnuSize12_Click();
    void mnuSize18_Click();
    void mnuSize24_Click();
    void mnuSize30_Click();
    void ApplyCellSize();
    void LayoutCells();
    void Form_Unload();

    // --- view: background modes ---
    void mnuBackColor1_Click();
    void mnuBackColor2_Click();
    void mnuBackColor3_Click();
    void RedrawAll();

    // --- settings: Escape menu ---
    void mnuESC0_Click();
    void mnuESC1_Click();
    void mnuESC2_Click();
    void mnuESC3_Click();
    void UpdateEscChecks();

    // --- settings: speed ---
    void mnuSpeed50_Click();
    void mnuSpeed100_Click();
    void mnuSpeed150_Click();
    void mnuSpeed200_Click();
    void mnuSpeed250_Click();
    void mnuSpeed300_Click();
    void mnuSpeed350_Click();
    void mnuSpeed400_Click();
    void mnuSpeed450_Click();
    void mnuSpeed500_Click();
    void mnuSpeed550_Click();
    void mnuSpeed600_Click();
    void mnuSpeed650_Click();
    void mnuSpeed700_Click();
    void mnuSpeed750_Click();
    void mnuSpeed800_Click();
    void mnuSpeed850_Click();
    void mnuSpeed900_Click();
    void mnuSpeed950_Click();
    void mnuSpeed1000_Click();
    void SpeedUp();   // the faster step of the speed keys
    void SlowDown();  // the slower step
    void UpdateSpeedChecks();

    // --- settings: colours ---
    void mnuColors7_Click();
    void mnuColors1_Click();
    void mnuColor1_Click();
    void mnuColor2_Click();
    void mnuColor3_Click();
    void mnuColor4_Click();
    void mnuColor5_Click();
    void mnuColor6_Click();
    void mnuColor7_Click();
    void UpdateColorChecks();

    // --- settings: figure appearance ---
    void mnuFigures0_Click();
    void mnuFigures1_Click();
    void mnuFigures2_Click();
    void mnuFiguresABC_Click();
    void UpdateFiguresChecks();

private:
    // How an option group's update step moves its one mark: clearing the marks that are set and
    // then setting the one that matches, reading each first; clearing every mark unread, then
    // setting the one that matches; or once through the items, each set or cleared as it should
    // be and written only if it is not so already.
    enum class MarkSteps : std::uint8_t { ClearSetThenMark, ClearAllThenMark, EachInTurn };

    // --- settings: the option groups of the menu tree ---
    Integer MenuValue(MenuItem item) const;  // the value the menu tree gives the item
    void MarkOneOf(MenuGroup group, std::int32_t value, MarkSteps steps);

    void SelectCellSize(MenuItem item);
    void SelectBackMode(MenuItem item);
    void SelectEscAction(MenuItem item);
    void SelectSpeed(MenuItem item);
    void SwitchColor(MenuItem item);
    void SelectRepeatMode(MenuItem item);
    void TurnByTable();
    // What the cell writers, row removal and the moves write: a cell emptied, or a cell's state
    // and colour moved into a free one, both marked.
    void EmptyCell(int n);
    void MoveCell(int from, int to);

    WindowLayer& Platform;
};

}  // namespace blokka
