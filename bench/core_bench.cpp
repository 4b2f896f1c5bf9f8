// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own work per player action and per tick, against the tests' recording window,
// whose bookkeeping is an array store a call.
// Every action the player can take should stay far below a frame (goal: under 2 µs each), and a
// whole game should simulate at more than a million ticks a second.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "control/key_codes.h"
#include "core/figures.h"
#include "core/game.h"
#include "fake_window.h"

namespace {

using blokka::Game;
using blokka::GameState;
// The recording window with a cheap random source, so that the simulated games measure the game
// and not the generator, a count of the pictures given to cells, and no copy of the caption.
class BenchWindow final : public blokka::testing::FakeWindow {
public:
    std::int64_t painted = 0;
    void SetLabelCaption(std::string_view) override {}
    void SetCellPicture(int k, int picture) override {
        ++painted;
        FakeWindow::SetCellPicture(k, picture);
    }
    float RandomValue() override {
        state_ ^= state_ << 13, state_ ^= state_ >> 17, state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) * 0x1p-24f;
    }

private:
    std::uint32_t state_ = 2463534242u;
};

// A started game, with one figure placed by hand.
struct Bench {
    BenchWindow window;
    Game game{window};

    Bench() { game.Form_Load(); }

    // Puts a figure of `type` in orientation 0 around `pivot` on the board.
    void Place(int type, int pivot) {
        const auto& figure = blokka::kFigures[static_cast<std::size_t>(type)];
        for (std::int8_t offset : figure.orientations[0]) {
            const int cell = pivot + offset;
            game.CellState(cell) = blokka::kFalling;
            game.CellColor(cell) = static_cast<blokka::Integer>(type);
            game.CellDirty(cell) = 1;
        }
        game.CurType = static_cast<blokka::Integer>(type);
        game.CurColor = static_cast<blokka::Integer>(type);
        game.Pivot = static_cast<blokka::Integer>(pivot);
        game.Rotation = 0;
        game.DrawDirtyCells();
    }

    // Fills the cells of `row` except those in columns `first`..`last` with fixed cells.
    void FillRowExcept(int row, int first, int last) {
        for (int column = 1; column <= blokka::kBoardColumns; ++column) {
            if (column >= first && column <= last) continue;
            const int cell = (row - 1) * blokka::kBoardColumns + column;
            game.CellState(cell) = blokka::kFixed;
            game.CellColor(cell) = 1;
        }
    }

    GameState& Record() { return game; }
};

// A refused move paints nothing; a benchmark of moves that paints nothing timed only refusals.
void CheckPainted(benchmark::State& state, const Bench& b, std::int64_t paintsBefore) {
    if (b.window.painted == paintsBefore) state.SkipWithError("no move was carried out");
    state.SetItemsProcessed(state.iterations());
}

// One tick of a figure falling one row on an empty board. The figure is put back at the top
// every 16 ticks; the copy of the record that does it is timed apart in BM_RestoreRecord.
void BM_TickFall(benchmark::State& state) {
    Bench b;
    b.Place(1, 5);
    const GameState start = b.Record();
    int ticks = 0;
    for (auto _ : state) {
        if (ticks++ % 16 == 0) b.Record() = start;
        b.game.tmrMain_Timer();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TickFall);

void BM_RestoreRecord(benchmark::State& state) {
    Bench b;
    const GameState start = b.Record();
    for (auto _ : state) {
        b.Record() = start;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RestoreRecord);

// Left and right in turn, so the figure stays in the middle of the board.
template <typename Step>
void Alternate(benchmark::State& state, Step step) {
    Bench b;
    b.Place(6, 15);
    const std::int64_t paintsBefore = b.window.painted;
    bool left = true;
    for (auto _ : state) {
        step(b.game, left);
        left = !left;
    }
    CheckPainted(state, b, paintsBefore);
}

// A sideways move.
void BM_MoveSideways(benchmark::State& state) {
    Alternate(state, [](Game& game, bool left) {
        if (left) {
            game.MoveLeft();
        } else {
            game.MoveRight();
        }
    });
}
BENCHMARK(BM_MoveSideways);

// The same moves as key presses, through the key handler.
void BM_KeyLeftRight(benchmark::State& state) {
    Alternate(state, [](Game& game, bool left) {
        game.Form_KeyDown(left ? blokka::vk::Left : blokka::vk::Right);
    });
}
BENCHMARK(BM_KeyLeftRight);

// A turn of a figure with four orientations in the middle of the board; it turns round and
// round in place.
void BM_Turn(benchmark::State& state) {
    Bench b;
    b.Place(2, 55);
    const std::int64_t paintsBefore = b.window.painted;
    for (auto _ : state) b.game.RotateFigure();
    CheckPainted(state, b, paintsBefore);
}
BENCHMARK(BM_Turn);

// A hard drop from the top onto the two bottom rows, which it completes, and the tick after it,
// which removes both rows and brings in the next figure, timed apart. Each iteration starts again
// from a copy of the record (see BM_RestoreRecord for its share).
struct RowsToRemove : Bench {
    RowsToRemove() {
        FillRowExcept(20, 5, 6);
        FillRowExcept(19, 5, 6);
        Place(4, 5);  // the square, in columns 5 and 6
    }
};

void BM_HardDrop(benchmark::State& state) {
    RowsToRemove b;
    const GameState start = b.Record();
    for (auto _ : state) {
        b.Record() = start;
        b.game.DropFigure();
    }
    if (b.game.CellState(195) != blokka::kFixed) state.SkipWithError("the drop did not land");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HardDrop);

void BM_TickRemovingRows(benchmark::State& state) {
    RowsToRemove b;
    b.game.DropFigure();
    const GameState dropped = b.Record();
    for (auto _ : state) {
        b.Record() = dropped;
        b.game.tmrMain_Timer();
    }
    if (b.game.Score != 2) state.SkipWithError("the tick did not remove two rows");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TickRemovingRows);

// Whole games: before every tick a random player action (often none), until the game is over.
void BM_SimulatedGame(benchmark::State& state) {
    Bench b;
    std::uint32_t random = 12345;
    const auto next = [&random] {
        random ^= random << 13;
        random ^= random >> 17;
        random ^= random << 5;
        return random;
    };
    std::int64_t ticks = 0;
    std::int64_t rows = 0;
    for (auto _ : state) {
        b.game.mnuNew_Click();
        while (b.game.GameOver == 0) {
            switch (next() % 16) {
                case 0:
                case 1:
                    b.game.MoveLeft();
                    break;
                case 2:
                case 3:
                    b.game.MoveRight();
                    break;
                case 4:
                    b.game.RotateFigure();
                    break;
                case 5:
                    b.game.DropFigure();
                    break;
                default:
                    break;
            }
            b.game.tmrMain_Timer();
            ++ticks;
        }
        rows += b.game.Score;
    }
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
    state.counters["ticks/game"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
    state.counters["rows/game"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SimulatedGame);

// Mouse steering: the pointer sweeps over row 10 from column 1 to column 10 and back, one
// column per move event, and the figure follows it one column at a time. Reports the cells
// repainted per event, on average and at most.
void BM_MouseSweep(benchmark::State& state) {
    Bench b;
    b.game.mnuMouse_Click();
    b.Place(6, 15);
    int column = 5;
    int step = 1;
    const std::int64_t paintsBefore = b.window.painted;
    std::int64_t most = 0;
    for (auto _ : state) {
        if (column + step < 1 || column + step > blokka::kBoardColumns) step = -step;
        column += step;
        const std::int64_t before = b.window.painted;
        b.game.Img_MouseMove(static_cast<blokka::Integer>(90 + column));
        most = std::max(most, b.window.painted - before);
    }
    state.counters["cells/event"] = benchmark::Counter(
        static_cast<double>(b.window.painted - paintsBefore), benchmark::Counter::kAvgIterations);
    state.counters["max cells/event"] = static_cast<double>(most);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MouseSweep);

}  // namespace

BENCHMARK_MAIN();
