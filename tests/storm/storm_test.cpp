// Random storms of events against the whole game: runs of the program's life from start-up to
// close, mixing all 256 key codes, pointer moves and buttons over every cell and beside them,
// every menu item and ticks, with every invariant checked after each event. A broken run is cut
// down to the shortest list of events that still breaks it.
//   BLOKKA_STORM_EVENTS  how many events (default 300000)
//   BLOKKA_STORM_SEED    the storm's seed, or "random" (default a fixed one)

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

#include "invariants.h"

namespace blokka::testing {
namespace {

enum class Kind : std::uint8_t { Tick, Key, Move, Press, Menu };
struct Event {
    Kind kind;
    int value = 0, button = 0;  // key code, display cell or index into kMenuTree; the buttons
};

// The fake window with a seeded random source that now and then answers the extremes.
class StormWindow : public FakeWindow {
public:
    explicit StormWindow(std::uint64_t seed) : engine_(seed) {}
    float RandomValue() override {
        const auto roll = engine_() % 32;
        if (roll < 2) return roll == 0 ? 0.0f : 0.99999994f;  // the largest float below 1
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

struct Outcome {
    long brokenAt = -1;  // the event after which an invariant broke, -1 for none
    std::string broken;
    std::array<long, 4> moods{};  // events that came while running, paused, over, before the first
};

Outcome Play(std::uint64_t seed, const std::vector<Event>& events) {
    StormWindow w(seed);
    Game game(w);
    w.game = &game;
    game.Form_Load();
    Outcome run{BrokenInvariant(game, w).empty() ? -1 : 0, BrokenInvariant(game, w), {}};
    for (std::size_t i = 0; i < events.size() && !w.ended && run.broken.empty(); ++i) {
        ++run.moods[game.GameOver ? 2 : !w.timerOn ? 1 : game.NextType == 0 ? 3 : 0];
        const Event& e = events[i];
        if (e.kind == Kind::Tick) w.Tick();
        if (e.kind == Kind::Key) game.Form_KeyDown(Integer(e.value));
        if (e.kind == Kind::Move) game.Img_MouseMove(Integer(e.value));
        if (e.kind == Kind::Press) game.Img_MouseDown(Integer(e.value), Integer(e.button));
        if (e.kind == Kind::Menu) (game.*kMenuTree[std::size_t(e.value)].click)();
        run.broken = BrokenInvariant(game, w);
        run.brokenAt = run.broken.empty() ? -1 : long(i);
    }
    return run;
}

// The keys that play come often; every other code comes too. Pointer events land on every
// cell and on 0 and 209, beside every cell, with every combination of the three buttons.
std::vector<Event> RandomEvents(std::mt19937_64& rng, std::size_t most) {
    static constexpr int kPlayKeys[] = {37, 38, 39, 40,  65, 87,  68,  83, 32,
                                        80, 19, 27, 107, 33, 187, 109, 34, 189};
    std::vector<int> clickable;
    for (std::size_t i = 0; i < kMenuTree.size(); ++i)
        if (kMenuTree[i].click != nullptr) clickable.push_back(int(i));
    const auto pick = [&rng](std::size_t n) { return int(rng() % n); };
    std::vector<Event> events(1 + std::size_t(pick(most)));
    for (Event& e : events) {
        const int roll = pick(100);
        e = roll < 35   ? Event{Kind::Tick}
            : roll < 60 ? Event{Kind::Key, kPlayKeys[pick(std::size(kPlayKeys))]}
            : roll < 70 ? Event{Kind::Key, pick(256)}
            : roll < 85 ? Event{Kind::Move, pick(210)}
            : roll < 93 ? Event{Kind::Press, pick(210), pick(8)}
                        : Event{Kind::Menu, clickable[std::size_t(pick(clickable.size()))]};
    }
    return events;
}

// Drops ever smaller slices of the run, down to single events, while it still breaks.
std::vector<Event> Shrink(std::uint64_t seed, std::vector<Event> events) {
    events.resize(std::size_t(Play(seed, events).brokenAt + 1));
    for (std::size_t slice = events.size() / 2 + 1;; slice = std::max<std::size_t>(slice / 2, 1)) {
        bool cut = false;
        for (std::size_t from = 0; from < events.size();) {
            auto shorter = events;
            shorter.erase(shorter.begin() + long(from),
                          shorter.begin() + long(std::min(from + slice, events.size())));
            if (Play(seed, shorter).brokenAt >= 0) {
                events = std::move(shorter), cut = true;
            } else {
                from += slice;
            }
        }
        if (slice == 1 && !cut) return events;
    }
}

TEST(Storm, NoSequenceOfEventsInAnyStateBreaksTheRecordTheMarksOrTheScreen) {
    const char* seedText = std::getenv("BLOKKA_STORM_SEED");
    const char* eventsText = std::getenv("BLOKKA_STORM_EVENTS");
    const std::uint64_t seed = seedText == nullptr || *seedText == '\0' ? 20261206
                               : std::string_view(seedText) == "random"
                                   ? std::random_device{}()
                                   : std::strtoull(seedText, nullptr, 10);
    const long wanted = eventsText != nullptr && *eventsText ? std::atol(eventsText) : 300000;
    std::mt19937_64 rng(seed);
    std::array<long, 4> moods{};
    long total = 0;
    for (long runs = 0; total < wanted; ++runs) {
        const std::uint64_t randomSeed = rng();
        const auto events = RandomEvents(rng, 4000);
        const Outcome run = Play(randomSeed, events);
        if (run.brokenAt >= 0) {
            std::string list;
            for (const Event& e : Shrink(randomSeed, events))
                list += "\n  " + std::to_string(int(e.kind)) + " " + std::to_string(e.value) + " " +
                        std::to_string(e.button);
            FAIL() << "storm seed " << seed << ", run " << runs << ": " << run.broken
                   << "\nshortest run that breaks it (kind value button; kinds tick, key, move, "
                      "press, menu item), random seed "
                   << randomSeed << ":" << list;
        }
        for (std::size_t m = 0; m < moods.size(); ++m)
            moods[m] += run.moods[m], total += run.moods[m];
    }
    std::cout << "storm seed " << seed << ": " << total << " events; running " << moods[0]
              << ", paused " << moods[1] << ", over " << moods[2] << ", before the first figure "
              << moods[3] << "\n";
    for (long n : moods) EXPECT_GT(n, 0) << "a state the storm never reached";
}

}  // namespace
}  // namespace blokka::testing
