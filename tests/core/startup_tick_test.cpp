// Start-up and the tick: the order of start-up, its defaults, the steps of one tick, the drawing
// pass, and a whole game with the record's rules holding after every event.

#include <cstdint>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using StartupTest = GameTest;

TEST_F(StartupTest, ASecondInstanceEndsBeforeDoingAnythingElse) {
    fake.otherInstance = true;
    game.Form_Load();
    EXPECT_EQ(fake.log, std::vector<std::string>{"end"});
    EXPECT_EQ(State(), GameState{});
}

TEST_F(StartupTest, BuildsCellsSeedsSetsDefaultsAndMarksThenStartsANewGameInThatOrder) {
    fake.secondsSinceMidnight = 5025.25f;
    game.Form_Load();

    EXPECT_EQ(fake.log.at(0), "create 2");
    const std::vector<std::string> steps = {
        "create 208",    "seed 5025.250000",  "check mnuSize18", "label at 190,352",
        "check mnuESC1", "check mnuSpeed350", "check mnuColor7", "check mnuFigures0",
        "picture 1 10",  "timer off",         "timer on"};
    auto at = fake.log.begin();
    for (const std::string& step : steps) {
        at = std::find(at, fake.log.end(), step);
        ASSERT_NE(at, fake.log.end()) << step << " missing or out of order";
    }
    GameState defaults;
    defaults.BackMode = 3;
    defaults.CellSize = 18;
    defaults.EscAction = 1;
    defaults.ColorOn.Fill(1);
    EXPECT_EQ(State(), defaults);
    EXPECT_EQ(Marks(fake),
              "mnuSize18 mnuESC1 mnuSpeed350 mnuBackColor3 mnuColors7 mnuColor1 mnuColor2 "
              "mnuColor3 mnuColor4 mnuColor5 mnuColor6 mnuColor7 mnuFigures0");
    for (int k = 1; k <= kDisplayCells; ++k) {
        EXPECT_TRUE(fake.cells[k].visible && fake.cells[k].picture == 10) << k;
    }
    EXPECT_EQ(fake.labelCaption, "");
    EXPECT_EQ(fake.timerInterval, 350);
    EXPECT_EQ(fake.timerRestarts, 1);
    EXPECT_EQ(fake.randomDraws, 0);
}

TEST_F(StartupTest, TheFirstTickBringsInTheFirstFigureAndChoosesTheNext) {
    StartWith(2, 4, 7, 6);
    EXPECT_EQ(game.CurColor, 4);
    EXPECT_EQ(game.Pivot, 15);
    EXPECT_EQ(FallingCells(game), (std::vector<int>{4, 14, 15, 16}));
    EXPECT_EQ(game.NextType, 7);
    EXPECT_EQ(game.NextColor, 6);
    EXPECT_EQ(BoxPicture(game, fake), "66../.66.");
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

using TickTest = GameTest;

TEST_F(TickTest, OneTickFixesRemovesRowsScoresSpawnsAndDrawsInThatOrder) {
    StartOnBoard(1, 5);
    SetBottom(game, {"..3.......",  //
                     "2222..2222",  //
                     "1111..1111"});
    PlaceFigure(game, 4, 0, 185, 6);  // resting on the floor in the gap
    fake.ScriptRandom({Pick(3), Pick(2)});
    fake.ClearLog();

    ASSERT_TRUE(fake.Tick(game));

    EXPECT_EQ(Picture(game, 1, 2), "...oooo...\n..........");
    EXPECT_EQ(Picture(game, 18, 20), "..........\n..........\n..3.......");
    EXPECT_EQ(game.Score, 2);
    EXPECT_EQ(game.CurColor, 5);
    EXPECT_EQ(BoxPicture(game, fake), "..2./222.");
    const std::vector<std::string> steps = {"caption Счет: 1", "caption Счет: 2", "picture 201 10",
                                            "picture 203 2", "picture 4 5"};
    auto at = fake.log.begin();
    for (const std::string& step : steps) {
        at = std::find(at, fake.log.end(), step);
        ASSERT_NE(at, fake.log.end()) << step << " missing or out of order";
    }
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

TEST_F(TickTest, ARestingFigureIsFixedOnlyOnTheNextTickAndFallsOnIfShiftedOffALedge) {
    StartOnBoard();
    SetBottom(game, {"....######"});
    PlaceFigure(game, 4, 0, 165, 6);
    fake.Tick(game);  // comes to rest on the stack
    EXPECT_EQ(Picture(game, 18, 20), "....oo....\n....oo....\n....######");

    Key(vk::Left);
    Key(vk::Left);
    fake.Tick(game);
    EXPECT_EQ(Picture(game, 18, 20), "..........\n..oo......\n..oo######");
    fake.Tick(game);  // unable to fall: fixed, and the next figure comes in
    EXPECT_EQ(Picture(game, 19, 20), "..66......\n..66######");
    EXPECT_EQ(game.CurType, 1);
}

TEST_F(TickTest, TheDrawingPassRepaintsExactlyTheCellsAFallChangedOnce) {
    StartWith(4, 6, 1, 5);
    fake.ClearLog();
    fake.Tick(game);
    EXPECT_EQ(PaintedCells(fake), (std::vector<int>{5, 6, 15, 16, 25, 26}));
    for (int n : {5, 6, 15, 16, 25, 26}) EXPECT_EQ(fake.cells[n].paints, 1) << n;

    game.CurColor = 5;
    game.CellArg = 50;
    game.SetFigureCell();
    game.ClearCell();
    game.SetFigureCell();    // marked three times: painted once, as the model is at the pass
    game.CellDirty(60) = 1;  // marked in the dark mode, painted in the mode of the pass
    game.BackMode = 1;
    fake.ClearLog();
    game.DrawDirtyCells();
    EXPECT_EQ(PaintedCells(fake), (std::vector<int>{50, 60}));
    EXPECT_EQ(fake.cells[50].paints, 1);
    EXPECT_EQ(fake.cells[50].picture, 5);
    EXPECT_EQ(fake.cells[60].picture, 8);
}

// A whole game: fifty squares stacked column pair by column pair, so rows keep being removed,
// then pseudo-random figures moved and turned at will until the stack reaches the top.
TEST_F(TickTest, AWholeGameRunsToItsEndWithTheRulesHoldingAfterEveryEvent) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<float>((seed >> 8) % 1000) / 1000.0f;
    };
    for (int i = 0; i < 51; ++i) fake.ScriptRandom({Pick(4), next()});
    for (int i = 0; i < 20000; ++i) fake.randomScript.push_back(next());
    game.Form_Load();
    int events = 0;
    auto check = [&] {
        ++events;
        ASSERT_TRUE(RecordHolds(game)) << "event " << events;
        ASSERT_TRUE(ScreenShowsBoard(game, fake)) << "event " << events;
    };
    auto press = [&](Integer code) {
        Key(code);
        check();
    };
    auto tick = [&] {
        ASSERT_TRUE(fake.Tick(game));
        check();
    };

    for (int square = 0; square < 50; ++square) {
        tick();
        ASSERT_EQ(game.CurType, 4);
        const int column = 1 + 2 * (square % 5);
        for (int c = 5; c > column; --c) press(vk::Left);
        for (int c = 5; c < column; ++c) press(vk::D);
        press(vk::Space);
    }
    tick();
    EXPECT_EQ(fake.labelCaption, "Счет: 20");

    const Integer keys[] = {vk::Left, vk::Up, 0, vk::Right, vk::S, vk::Up, vk::A, 0};
    for (int ticks = 0; game.GameOver == 0 && ticks < 20000; ++ticks) {
        if (keys[ticks % 8] != 0) press(keys[ticks % 8]);
        tick();
    }
    ASSERT_EQ(game.GameOver, 1);
    EXPECT_FALSE(fake.timerEnabled);
    EXPECT_EQ(game.CurType, game.NextType);
    EXPECT_EQ(BoxPicture(game, fake), "..../....");
}

}  // namespace
}  // namespace blokka::testing
