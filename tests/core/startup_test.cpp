// Start-up: a second instance ends at once; the first builds its cells, seeds the random source,
// sets the defaults and marks, and starts a new game with no figure until the first tick.

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using StartupTest = GameTest;

TEST_F(StartupTest, ASecondInstanceEndsBeforeDoingAnythingElse) {
    fake.otherInstance = true;
    game.Form_Load();
    EXPECT_EQ(fake.log, std::vector<std::string>{"end"});
    EXPECT_EQ(static_cast<const GameState&>(game), GameState{});
    EXPECT_FALSE(fake.cells[2].created);
}

TEST_F(StartupTest, CreatesCellsSeedsSetsMarksAndStartsANewGameInThatOrder) {
    fake.secondsSinceMidnight = 5025.25f;
    Start();

    for (int k = 2; k <= kDisplayCells; ++k) {
        EXPECT_EQ(fake.log.at(static_cast<std::size_t>(k - 2)), "create " + std::to_string(k));
    }
    EXPECT_EQ(LogCount(fake, "seed"), 1);
    EXPECT_EQ(fake.seed, 5025.25f);

    // Each step after the one before it.
    const std::vector<std::string> steps = {"create 208",      "seed",
                                            "check mnuSize18", "label at 190,352",
                                            "check mnuESC1",   "check mnuSpeed350",
                                            "check mnuColor7", "check mnuFigures0",
                                            "picture 1 10",    "timer off",
                                            "timer on"};
    int at = 0;
    for (const std::string& step : steps) {
        const int found = LogIndex(fake, step, at);
        ASSERT_GE(found, 0) << step << " missing or out of order";
        at = found;
    }
    EXPECT_EQ(fake.randomDraws, 0);
}

TEST_F(StartupTest, LeavesTheDefaultsAndEveryOtherFieldAtZero) {
    Start();
    GameState expected;
    expected.BackMode = 3;
    expected.CellSize = 18;
    expected.EscAction = 1;
    expected.ColorOn.Fill(1);
    EXPECT_EQ(static_cast<const GameState&>(game), expected);
}

TEST_F(StartupTest, ChecksExactlyTheStartMarks) {
    Start();
    const std::vector<std::string> expected = {
        "mnuSize18", "mnuESC1",   "mnuSpeed350", "mnuBackColor3", "mnuColors7",
        "mnuColor1", "mnuColor2", "mnuColor3",   "mnuColor4",     "mnuColor5",
        "mnuColor6", "mnuColor7", "mnuFigures0"};
    EXPECT_EQ(CheckedItems(fake), expected);
}

TEST_F(StartupTest, ShowsEveryCellWithTheDarkBackgroundAndNoFigure) {
    Start();
    for (int k = 1; k <= kDisplayCells; ++k) {
        EXPECT_TRUE(fake.cells[k].created && fake.cells[k].visible) << k;
        EXPECT_EQ(fake.cells[k].picture, 10) << k;
        EXPECT_EQ(fake.cells[k].bounds.width, 18) << k;
    }
    EXPECT_EQ(fake.labelCaption, "");
    EXPECT_EQ(fake.labelColor, kBlack);
    EXPECT_TRUE(fake.timerEnabled);
    EXPECT_EQ(fake.timerInterval, 350);
    EXPECT_EQ(fake.timerRestarts, 1);
    EXPECT_TRUE(FallingCells(game).empty());
}

TEST_F(StartupTest, TheFirstTickBringsInTheFirstFigureAndChoosesTheNext) {
    Start();
    fake.ScriptRandom({Pick(2), Pick(4), Pick(7), Pick(6)});
    ASSERT_TRUE(fake.Tick(game));
    EXPECT_EQ(game.CurType, 2);
    EXPECT_EQ(game.CurColor, 4);
    EXPECT_EQ(game.Pivot, 15);
    EXPECT_EQ(FallingCells(game), (std::vector<int>{4, 14, 15, 16}));
    EXPECT_EQ(game.NextType, 7);
    EXPECT_EQ(game.NextColor, 6);
    EXPECT_EQ(BoxPicture(game, fake), "66../.66.");
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
    EXPECT_TRUE(RecordHolds(game));
}

}  // namespace
}  // namespace blokka::testing
