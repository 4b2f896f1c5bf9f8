// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs of the program's life from start-up to close under random events, every invariant
// checked after each. A broken run is named by its seed, so BLOKKA_STORM_SEED replays it.
//   BLOKKA_STORM_EVENTS  how many events (default 300000)
//   BLOKKA_STORM_SEED    the storm's seed, or "random" (default a fixed one)

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game_fixture.h"

namespace blokka::testing {

struct Event {
    char kind;          // 't' tick, 'k' key, 'm' pointer move, 'p' button press, 'c' menu click
    int value, button;  // key code, display cell or index into kMenuTree; the buttons
};
void PrintTo(const Event& e, std::ostream* os) { *os << e.kind << e.value; }

// The fake window with a seeded random source that now and then answers the extremes.
struct StormWindow : FakeWindow {
    explicit StormWindow(std::uint64_t seed) : engine(seed) {}
    float RandomValue() override {
        const auto roll = engine() % 32;
        if (roll < 2) return roll == 0 ? 0.0f : 0.99999994f;  // the largest float below 1
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine);
    }
    std::mt19937_64 engine;
};

// The keys that play come often, and every other code too. Pointer events land on every cell
// and on 0 and 209, beside every cell, with every combination of the three buttons.
std::vector<Event> RandomEvents(std::mt19937_64& rng) {
    using namespace key;
    static constexpr int kPlayKeys[] = {Left,    Up,     Right, Down,     A,        W,
                                        D,       S,      Space, P,        Pause,    Escape,
                                        PadPlus, PageUp, Plus,  PadMinus, PageDown, Minus};
    const auto pick = [&rng](std::size_t n) { return int(rng() % n); };
    std::vector<Event> events(1 + std::size_t(pick(4000)));
    for (Event& e : events) {
        const int roll = pick(100);
        e = roll < 35   ? Event{'t', 0, 0}
            : roll < 60 ? Event{'k', kPlayKeys[pick(std::size(kPlayKeys))], 0}
            : roll < 70 ? Event{'k', pick(256), 0}
            : roll < 85 ? Event{'m', pick(210), 0}
            : roll < 93 ? Event{'p', pick(210), pick(8)}
                        : Event{'c', pick(kMenuTree.size()), 0};
    }
    return events;
}

TEST(Storm, NoSequenceOfEventsInAnyStateBreaksTheRecordTheMarksOrTheScreen) {
    const char* text = std::getenv("BLOKKA_STORM_SEED");
    const std::uint64_t seed = text == nullptr || *text == '\0' ? 20261206
                               : std::string_view(text) == "random"
                                   ? std::random_device{}()
                                   : std::strtoull(text, nullptr, 10);
    text = std::getenv("BLOKKA_STORM_EVENTS");
    const long wanted = text != nullptr && *text != '\0' ? std::atol(text) : 300000;
    std::mt19937_64 rng(seed);
    std::array<long, 4> moods{};  // events while running, paused, over, before the first figure
    for (long run = 0, total = 0; total < wanted; ++run) {
        StormWindow w(rng());
        Game game(w);
        w.game = &game;
        game.Form_Load();
        ASSERT_EQ(BrokenInvariant(game, w), "") << "after start-up";
        const std::vector<Event> events = RandomEvents(rng);
        for (std::size_t i = 0; i < events.size() && !w.ended; ++i, ++total) {
            ++moods[game.GameOver ? 2 : !w.timerOn ? 1 : game.NextType == 0 ? 3 : 0];
            const auto [kind, value, button] = events[i];
            if (kind == 't') w.Tick();
            if (kind == 'k') game.Form_KeyDown(Integer(value));
            if (kind == 'm') game.Img_MouseMove(Integer(value));
            if (kind == 'p') game.Img_MouseDown(Integer(value), Integer(button));
            if (kind == 'c' && kMenuTree[std::size_t(value)].click != nullptr)
                (game.*kMenuTree[std::size_t(value)].click)();
            const std::string broken = BrokenInvariant(game, w);
            if (broken.empty()) continue;
            const std::vector last(events.begin() + long(i < 20 ? 0 : i - 20),
                                   events.begin() + long(i) + 1);
            FAIL() << "storm seed " << seed << ", run " << run << ", event " << i << ": " << broken
                   << "\nlast events: " << ::testing::PrintToString(last);
        }
    }
    EXPECT_EQ(Count(moods, 0), 0) << "storm seed " << seed
                                  << " left a state unreached: " << ::testing::PrintToString(moods);
}

}  // namespace blokka::testing
