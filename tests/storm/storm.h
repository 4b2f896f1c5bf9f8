#pragma once
// Event storms: random runs of the program's life against the fake window, from start-up to
// close, mixing every key code, pointer moves and buttons over every cell and beside them, every
// menu item and timer ticks, with every invariant checked after each event. A broken run is cut
// down to the shortest list of events that still breaks it.

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "fake_window.h"
#include "invariants.h"
#include "settings/menu_tree.h"

namespace blokka::testing::storm {

struct Event {
    enum class Kind : std::uint8_t { Tick, Key, Move, Press, Menu } kind;
    std::int16_t value = 0;   // key code, display cell or index into kMenuTree
    std::int16_t button = 0;  // for Press
};

inline std::string Describe(const Event& e) {
    switch (e.kind) {
        case Event::Kind::Tick:
            return "tick";
        case Event::Kind::Key:
            return "key " + std::to_string(e.value);
        case Event::Kind::Move:
            return "move " + std::to_string(e.value);
        case Event::Kind::Press:
            return "press " + std::to_string(e.value) + " button " + std::to_string(e.button);
        case Event::Kind::Menu:
            return std::string(kMenuTree[static_cast<std::size_t>(e.value)].name);
    }
    return "?";
}

// One run of the program: the seed of its random source and the events after start-up.
struct Session {
    std::uint64_t randomSeed = 0;
    std::vector<Event> events;
};

// The fake window with a seeded random source that now and then answers the extremes.
class StormWindow : public FakeWindow {
public:
    explicit StormWindow(std::uint64_t seed) : engine_(seed) { logging = false; }
    float RandomValue() override {
        switch (engine_() % 32) {
            case 0:
                return 0.0f;
            case 1:
                return 0.99999994f;  // the largest float below 1
            default:
                return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
        }
    }

private:
    std::mt19937_64 engine_;
};

// What state the game was in when an event came: running, paused, over, or before the first
// figure was chosen.
enum class GameMood { Running, Paused, Over, BeforeFirst, Count };

struct Outcome {
    bool broke = false;
    long brokenAt = -1;  // index of the event after which an invariant broke; -1 for start-up
    std::string broken;
    std::array<long, static_cast<int>(GameMood::Count)> eventsIn{};
};

using Checker = std::function<std::string(const Game&, const FakeWindow&)>;

inline void Apply(Game& game, StormWindow& window, const Event& e) {
    switch (e.kind) {
        case Event::Kind::Tick:
            window.Tick(game);  // a stopped timer does not tick
            break;
        case Event::Kind::Key:
            game.Form_KeyDown(e.value);
            break;
        case Event::Kind::Move:
            game.Img_MouseMove(e.value);
            break;
        case Event::Kind::Press:
            game.Img_MouseDown(e.value, e.button);
            break;
        case Event::Kind::Menu:
            (game.*kMenuTree[static_cast<std::size_t>(e.value)].click)();
            break;
    }
}

inline Outcome RunSession(const Session& session, const Checker& check = BrokenInvariant) {
    Outcome outcome;
    StormWindow window(session.randomSeed);
    Game game(window);
    window.unloadTarget = &game;
    game.Form_Load();
    if (std::string broken = check(game, window); !broken.empty()) {
        outcome.broke = true;
        outcome.broken = "after start-up: " + broken;
        return outcome;
    }
    for (std::size_t i = 0; i < session.events.size() && !window.ended; ++i) {
        const GameMood mood = game.GameOver == 1       ? GameMood::Over
                              : !window.TimerEnabled() ? GameMood::Paused
                              : game.NextType == 0     ? GameMood::BeforeFirst
                                                       : GameMood::Running;
        ++outcome.eventsIn[static_cast<std::size_t>(mood)];
        Apply(game, window, session.events[i]);
        if (std::string broken = check(game, window); !broken.empty()) {
            outcome.broke = true;
            outcome.brokenAt = static_cast<long>(i);
            outcome.broken = broken;
            return outcome;
        }
    }
    return outcome;
}

// A random session of up to `maxEvents` events. The keys that play the game come often; every
// other code of the 256 comes too. Pointer events land on every cell, on index 0 and on 209
// (beside every cell), with every combination of the three buttons.
inline Session MakeSession(std::mt19937_64& rng, std::size_t maxEvents) {
    static constexpr std::array<std::int16_t, 18> kPlayKeys = {
        37, 38, 39, 40, 65, 87, 68, 83, 32, 80, 19, 27, 107, 33, 187, 109, 34, 189};
    static const std::vector<std::int16_t> kClickable = [] {
        std::vector<std::int16_t> items;
        for (std::size_t i = 0; i < kMenuTree.size(); ++i) {
            if (kMenuTree[i].click != nullptr) items.push_back(static_cast<std::int16_t>(i));
        }
        return items;
    }();
    const auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    Session session{rng(), {}};
    session.events.resize(1 + pick(maxEvents));
    for (Event& e : session.events) {
        const std::size_t roll = pick(100);
        if (roll < 35) {
            e = {Event::Kind::Tick};
        } else if (roll < 60) {
            e = {Event::Kind::Key, kPlayKeys[pick(kPlayKeys.size())]};
        } else if (roll < 70) {
            e = {Event::Kind::Key, static_cast<std::int16_t>(pick(256))};
        } else if (roll < 85) {
            e = {Event::Kind::Move, static_cast<std::int16_t>(pick(kDisplayCells + 2))};
        } else if (roll < 93) {
            e = {Event::Kind::Press, static_cast<std::int16_t>(pick(kDisplayCells + 2)),
                 static_cast<std::int16_t>(pick(8))};
        } else {
            e = {Event::Kind::Menu, kClickable[pick(kClickable.size())]};
        }
    }
    return session;
}

// Cuts a breaking session down: slices of half its length, then ever smaller ones, down to
// single events, again and again until no single event can go.
inline Session Shrink(Session session, const Checker& check = BrokenInvariant) {
    session.events.resize(static_cast<std::size_t>(RunSession(session, check).brokenAt + 1));
    std::size_t slice = std::max<std::size_t>(session.events.size() / 2, 1);
    for (;;) {
        bool cut = false;
        for (std::size_t from = 0; from < session.events.size();) {
            Session shorter = session;
            const auto first = shorter.events.begin() + static_cast<std::ptrdiff_t>(from);
            const std::size_t length = std::min(slice, shorter.events.size() - from);
            shorter.events.erase(first, first + static_cast<std::ptrdiff_t>(length));
            if (RunSession(shorter, check).broke) {
                session = std::move(shorter);
                cut = true;
            } else {
                from += slice;
            }
        }
        if (slice > 1) {
            slice /= 2;
        } else if (!cut) {
            return session;
        }
    }
}

inline std::string Describe(const Session& session) {
    std::string out = "random seed " + std::to_string(session.randomSeed) + ", events:";
    for (const Event& e : session.events) out += "\n  " + Describe(e);
    return out;
}

}  // namespace blokka::testing::storm
