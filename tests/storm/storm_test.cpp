// Random storms of events against the whole game, the invariant checker they rely on, and the
// cutting down of a broken run to the events that matter.
//   BLOKKA_STORM_EVENTS  how many events (default 300000)
//   BLOKKA_STORM_SEED    the storm's seed, or "random" (default a fixed one)

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

#include "game_fixture.h"
#include "storm.h"

namespace blokka::testing::storm {
namespace {

std::uint64_t StormSeed() {
    const char* text = std::getenv("BLOKKA_STORM_SEED");
    if (text == nullptr || *text == '\0') return 20261206;
    if (std::string_view(text) == "random") return std::random_device{}();
    return std::strtoull(text, nullptr, 10);
}

long StormEvents() {
    const char* text = std::getenv("BLOKKA_STORM_EVENTS");
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : 300000;
}

TEST(Storm, NoSequenceOfEventsInAnyStateBreaksTheRecordTheMarksOrTheScreen) {
    const std::uint64_t seed = StormSeed();
    const long wanted = StormEvents();
    std::mt19937_64 rng(seed);
    std::array<long, static_cast<int>(GameMood::Count)> eventsIn{};
    long total = 0, sessions = 0;
    while (total < wanted) {
        const Session session = MakeSession(rng, 4000);
        const Outcome outcome = RunSession(session);
        if (outcome.broke) {
            const Session shortest = Shrink(session);
            FAIL() << "storm seed " << seed << ", run " << sessions << ": " << outcome.broken
                   << "\nshortest run that breaks it (" << RunSession(shortest).broken
                   << "): " << Describe(shortest);
        }
        for (std::size_t m = 0; m < eventsIn.size(); ++m) {
            eventsIn[m] += outcome.eventsIn[m];
            total += outcome.eventsIn[m];
        }
        ++sessions;
    }
    std::cout << "storm seed " << seed << ": " << total << " events in " << sessions
              << " runs; running " << eventsIn[0] << ", paused " << eventsIn[1] << ", over "
              << eventsIn[2] << ", before the first figure " << eventsIn[3] << "\n";
    for (long n : eventsIn) EXPECT_GT(n, 0) << "a state the storm never reached";
}

// Each corruption is one a fault in the game could cause; the checker must see every one.
TEST(Storm, TheCheckerSeesEveryKindOfCorruption) {
    FakeWindow fake;
    Game game(fake);
    game.Form_Load();
    fake.Script({6, 2, 1, 5});
    fake.Tick(game);
    game.Form_KeyDown(40);
    ASSERT_EQ(BrokenInvariant(game, fake), "");

    using Corruption = void (*)(GameState&, FakeWindow&);
    const std::vector<std::pair<const char*, Corruption>> corruptions = {
        {"colour without a figure", [](GameState& g, FakeWindow&) { g.CellColor(150) = 3; }},
        {"a falling cell lost", [](GameState& g, FakeWindow&) { g.CellState(g.Pivot) = kFixed; }},
        {"anchor off the figure", [](GameState& g, FakeWindow&) { g.Pivot += 1; }},
        {"turned in the record only", [](GameState& g, FakeWindow&) { g.Rotation = 1; }},
        {"a cell left marked", [](GameState& g, FakeWindow&) { g.CellDirty(7) = 1; }},
        {"every colour off", [](GameState& g, FakeWindow&) { g.ColorOn.Fill(0); }},
        {"repeats above the mode", [](GameState& g, FakeWindow&) { g.RepeatLeft = 1; }},
        {"pointer beyond the cells", [](GameState& g, FakeWindow&) { g.MouseCell = 209; }},
        {"odd cell size", [](GameState& g, FakeWindow&) { g.CellSize = 20; }},
        {"odd interval", [](GameState&, FakeWindow& w) { w.timerInterval = 375; }},
        {"paused without a mark", [](GameState&, FakeWindow& w) { w.timerEnabled = false; }},
        {"two speed marks",
         [](GameState&, FakeWindow& w) { w.SetChecked(MenuItem::mnuSpeed400, true); }},
        {"colour mark astray", [](GameState& g, FakeWindow&) { g.ColorOn(4) = 0; }},
        {"over with the timer on", [](GameState& g, FakeWindow&) { g.GameOver = 1; }},
        {"stale board picture", [](GameState&, FakeWindow& w) { w.picture[191] = 2; }},
        {"stale box picture", [](GameState&, FakeWindow& w) { w.picture[208] = 9; }},
        {"a hidden cell", [](GameState&, FakeWindow& w) { w.visible[100] = false; }},
        {"a cell out of its grid", [](GameState&, FakeWindow& w) { w.bounds[205].left += 1; }},
        {"score not shown", [](GameState& g, FakeWindow&) { g.Score = 3; }},
        {"cap colour early", [](GameState&, FakeWindow& w) { w.labelColor = kDarkRed; }},
    };
    for (const auto& [name, corrupt] : corruptions) {
        GameState state = game;
        FakeWindow window = fake;
        corrupt(state, window);
        EXPECT_NE(BrokenInvariant(state, window), "") << name;
    }
}

TEST(Storm, ABrokenRunIsCutDownToTheEventsThatBreakIt) {
    // A planted rule: mouse steering must never be on while the game is paused.
    const Checker planted = [](const Game& g, const FakeWindow& w) -> std::string {
        return g.MouseMode == 1 && !w.TimerEnabled() ? "steering while paused" : "";
    };
    const auto mouseItem = [] {
        for (std::size_t i = 0; i < kMenuTree.size(); ++i) {
            if (kMenuTree[i].item == MenuItem::mnuMouse) return static_cast<std::int16_t>(i);
        }
        return std::int16_t{0};
    }();
    Session session{7, {}};
    for (int i = 0; i < 40; ++i) session.events.push_back({Event::Kind::Tick});
    session.events.push_back({Event::Kind::Menu, mouseItem});
    for (std::int16_t k = 1; k <= 30; ++k) session.events.push_back({Event::Kind::Move, k});
    session.events.push_back({Event::Kind::Key, 80});
    for (int i = 0; i < 40; ++i) session.events.push_back({Event::Kind::Tick});
    ASSERT_TRUE(RunSession(session, planted).broke);

    const Session shortest = Shrink(session, planted);

    ASSERT_EQ(shortest.events.size(), 2u) << Describe(shortest);
    EXPECT_EQ(Describe(shortest.events[0]), "mnuMouse");
    EXPECT_EQ(Describe(shortest.events[1]), "key 80");
}

}  // namespace
}  // namespace blokka::testing::storm
