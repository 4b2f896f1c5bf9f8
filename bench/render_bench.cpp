// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the Qt raster engine costs to bring cells on screen, measured on the real main window
// without a display: the whole board repainted at the largest cell size, and the repaint that
// follows a sideways move of the falling figure.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QString>

#include "core/game.h"
#include "window/frm_main.h"

namespace {

// The main window, started and shown on the offscreen platform, with its timer stopped so that
// no tick moves the figure while a benchmark runs. A figure is brought in by one tick by hand.
class Window {
public:
    explicit Window(void (blokka::Game::*size)()) {
        loaded_ = frm_.load();
        frm_.show();
        (frm_.game().*size)();
        frm_.game().tmrMain_Timer();
        frm_.layer().SetTimerEnabled(false);
        QCoreApplication::processEvents();
    }
    bool loaded() const { return loaded_; }
    blokka::frmMain& frm() { return frm_; }
    blokka::Game& game() { return frm_.game(); }
    QWidget& canvas() { return frm_.layer().canvas(); }

private:
    blokka::frmMain frm_{QStringLiteral("blokka-bench-%1").arg(QCoreApplication::applicationPid())};
    bool loaded_ = false;
};

// All 208 cells at 30 pixels, painted through the window's own backing store.
void BM_FullRepaint30(benchmark::State& state) {
    Window window(&blokka::Game::mnuSize30_Click);
    if (!window.loaded()) state.SkipWithError("the window did not start");
    for (auto _ : state) window.canvas().repaint();
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * 208,
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullRepaint30)->Unit(benchmark::kMicrosecond);

// The same picture rendered into an image of the canvas's size, as a screenshot would.
void BM_FullRenderToImage30(benchmark::State& state) {
    Window window(&blokka::Game::mnuSize30_Click);
    if (!window.loaded()) state.SkipWithError("the window did not start");
    QImage image(window.canvas().size(), QImage::Format_RGB32);
    for (auto _ : state) {
        window.canvas().render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullRenderToImage30)->Unit(benchmark::kMicrosecond);

// A sideways move, left and right in turn, and the repaint of the cells it changed, done by the
// event loop exactly as after a key press.
void MovePaint(benchmark::State& state, void (blokka::Game::*size)()) {
    Window window(size);
    if (!window.loaded()) state.SkipWithError("the window did not start");
    bool left = true;
    for (auto _ : state) {
        if (left) {
            window.game().MoveLeft();
        } else {
            window.game().MoveRight();
        }
        left = !left;
        QCoreApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(MovePaint, 12, &blokka::Game::mnuSize12_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MovePaint, 18, &blokka::Game::mnuSize18_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MovePaint, 24, &blokka::Game::mnuSize24_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MovePaint, 30, &blokka::Game::mnuSize30_Click)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: the raster engine paints into the offscreen platform's memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns about every window hint it cannot honour; the warnings would
    // bury the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
