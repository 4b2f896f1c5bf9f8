#pragma once
// A window layer that does nothing and remembers only what the game reads back: the timer, the
// cell bounds and the label colour. The benchmarks drive the game through it, so that what they
// time is the game's own work and not the bookkeeping of a recording fake.

#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "window/window_layer.h"

namespace blokka::testing {

class NullWindow final : public WindowLayer {
public:
    // Counts the pictures given to display cells; the mouse benchmark reports it per event.
    std::int64_t paints = 0;

    void CreateCell(int) override {}
    void SetCellPicture(int, int) override { ++paints; }
    void SetCellVisible(int, bool) override {}
    void SetCellBounds(int k, CellBounds bounds) override {
        bounds_[static_cast<std::size_t>(k)] = bounds;
    }
    CellBounds GetCellBounds(int k) const override { return bounds_[static_cast<std::size_t>(k)]; }
    void SetLabelCaption(std::string_view) override {}
    std::uint32_t LabelColor() const override { return labelColor_; }
    void SetLabelColor(std::uint32_t rgb) override { labelColor_ = rgb; }
    void SetLabelPosition(int, int) override {}
    bool TimerEnabled() const override { return timerEnabled_; }
    void SetTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }
    std::int32_t TimerInterval() const override { return timerInterval_; }
    void SetTimerInterval(std::int32_t milliseconds) override { timerInterval_ = milliseconds; }
    bool Checked(MenuItem) const override { return false; }
    void SetChecked(MenuItem, bool) override {}
    void Minimize() override {}
    void Close() override {}
    bool OtherInstanceRunning() override { return false; }
    void End() override {}
    float SecondsSinceMidnight() const override { return 0.0f; }
    void SeedRandom(float seed) override { state_ = static_cast<std::uint32_t>(seed) | 1u; }
    // A xorshift generator: cheap, so that the simulated games measure the game and not the
    // random source.
    float RandomValue() override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::array<CellBounds, kDisplayCells + 1> bounds_{};
    std::uint32_t labelColor_ = 0;
    bool timerEnabled_ = true;
    std::int32_t timerInterval_ = 350;
    std::uint32_t state_ = 2463534242u;
};

}  // namespace blokka::testing
