// Start-up and the tick: the order of start-up and its defaults, the steps of one tick, row
// removal and the score, and a whole game with the record's rules holding after every event.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using StartupTest = GameTest;

::testing::AssertionResult InOrder(const FakeWindow& fake, std::vector<std::string> steps) {
    auto at = fake.log.begin();
    for (const std::string& step : steps) {
        at = std::find(at, fake.log.end(), step);
        if (at == fake.log.end()) return ::testing::AssertionFailure() << step << " missing";
    }
    return ::testing::AssertionSuccess();
}

TEST_F(StartupTest, ASecondInstanceEndsBeforeDoingAnythingElse) {
    fake.otherInstance = true;
    game.Form_Load();
    EXPECT_EQ(fake.log, std::vector<std::string>{"end"});
    EXPECT_EQ(State(), GameState{});
}

TEST_F(StartupTest, BuildsCellsSeedsSetsDefaultsAndMarksThenStartsANewGameInThatOrder) {
    game.Form_Load();
    EXPECT_TRUE(
        InOrder(fake, {"create 2", "create 208", "seed 5025.250000", "check mnuSize18",
                       "label at 190,352", "check mnuESC1", "check mnuSpeed350", "check mnuColor7",
                       "check mnuFigures0", "picture 1 10", "timer off", "timer on"}));
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
        EXPECT_TRUE(fake.visible[k] && fake.picture[k] == 10) << k;
    }
    EXPECT_EQ(fake.timerInterval, 350);
    EXPECT_EQ(fake.randomDraws, 0);
    game.mnuFiguresABC_Click();  // the first figure comes at random even so, the next in turn
    fake.Script({5, 1, 2});
    fake.Tick(game);
    EXPECT_EQ(game.CurType, 5);
    EXPECT_EQ(game.NextType, 6);
    EXPECT_EQ(game.NextColor, 2);
}

using TickTest = GameTest;

TEST_F(TickTest, OneTickFixesRemovesFourRowsScoresSpawnsAndDrawsInThatOrder) {
    StartOnBoard(1, 5);
    SetBottom(game, {"..3.......",  //
                     "#########.",  //
                     "#########.",  //
                     "#########.",  //
                     "#########."});
    PlaceFigure(game, 1, 1, 180, 6);  // upright in column 10, resting on the floor
    fake.Script({3, 2});
    ASSERT_TRUE(fake.Tick(game));
    EXPECT_EQ(Picture(game, 1, 2), "...oooo...\n..........");
    EXPECT_EQ(Picture(game, 19, 20), "..........\n..3.......");
    EXPECT_EQ(game.Rotation, 0);  // the upright figure that landed does not pass on its turn
    EXPECT_EQ(BoxPicture(game, fake), "..2./222.");
    EXPECT_TRUE(
        InOrder(fake, {"caption Счет: 1", "caption Счет: 2", "caption Счет: 3", "caption Счет: 4",
                       "picture 201 10", "picture 203 2", "picture 4 5"}));
    EXPECT_TRUE(Holds(game, fake));
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

// Fifty squares stacked to clear rows, then figures moved and turned until the stack tops out.
TEST_F(TickTest, AWholeGameRunsToItsEndWithTheRulesHoldingAfterEveryEvent) {
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        fake.randomScript.push_back(i < 102 && i % 2 == 0 ? 0.5f : (seed >> 8) % 1000 / 1000.0f);
    }
    game.Form_Load();
    auto act = [&](Integer code) {  // a tick for code 0, else a key
        ASSERT_TRUE(code != 0 || fake.Tick(game));
        Key(code);
        ASSERT_TRUE(Holds(game, fake)) << "after key " << code;
    };
    for (int square = 0; square < 50; ++square) {
        act(0);
        const int column = 1 + 2 * (square % 5);
        for (int c = 5; c > column; --c) act(vk::Left);
        for (int c = 5; c < column; ++c) act(vk::D);
        act(vk::Space);
    }
    act(0);
    EXPECT_EQ(fake.caption, "Счет: 20");

    const Integer keys[] = {vk::Left, vk::Up, 0, vk::Right, vk::S, vk::Up, vk::A, 0};
    for (int ticks = 0; game.GameOver == 0 && ticks < 20000; ++ticks) {
        if (keys[ticks % 8] != 0) act(keys[ticks % 8]);
        act(0);
    }
    EXPECT_EQ(game.GameOver, 1);
}

using RowsTest = GameTest;

TEST_F(RowsTest, RowsEighteenAndTwentyGoAndTheRowsAboveMoveDownMarkingWhatChanged) {
    game.Form_Load();
    SetBottom(game, {".........6",  //
                     "#########6",  //
                     "3.4......6",  //
                     "#########6"});
    game.RemoveFullRows();
    EXPECT_EQ(Picture(game, 17, 20), "..........\n..........\n.........6\n3.4......6");
    std::string marked;
    for (int n = 161; n <= kBoardCells; ++n) marked += game.CellDirty(n) ? 'x' : '.';
    EXPECT_EQ(marked, ".........xxxxxxxxxxxx.x......xxxxxxxxxxx");

    SetBottom(game, {"#########."});  // nine of ten cells are not a full row
    const GameState before = game;
    fake.ClearLog();
    game.RemoveFullRows();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(RowsTest, TheScoreStopsAt32000AndTheLabelTurnsDarkRedOnce) {
    game.Form_Load();
    game.Score = 31998;
    SetBottom(game, {"##########"});
    game.RemoveFullRows();
    SetBottom(game, {"##########", "##########"});
    game.RemoveFullRows();
    EXPECT_EQ(fake.caption, "Счет: 32000");
    EXPECT_EQ(fake.LogCount("colour " + std::to_string(kDarkRed)), 1);
}

}  // namespace
}  // namespace blokka::testing
