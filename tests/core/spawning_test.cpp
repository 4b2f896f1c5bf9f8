// Spawning: the waiting figure comes in on rows 1 and 2 or ends the game; the next type comes
// at random, in turn or repeated; colours come only from the enabled set.

#include <ostream>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using SpawnTest = GameTest;

class BlockedSpawnTest : public SpawnTest, public ::testing::WithParamInterface<int> {};

TEST_P(BlockedSpawnTest, AnyTakenSpawnCellEndsTheGameWithNothingPlaced) {
    const int type = GetParam();
    for (int blocked : kFigures[type].spawnCells) {
        FakeWindow fresh;
        Game other(fresh);
        other.Form_Load();
        other.NextType = static_cast<Integer>(type);
        other.NextColor = 3;
        other.CellState(blocked) = kFixed;
        other.CellColor(blocked) = 2;
        const GameState before = other;

        fresh.Tick(other);

        EXPECT_EQ(other.GameOver, 1) << "type " << type << " blocked at " << blocked;
        EXPECT_FALSE(fresh.timerEnabled);
        EXPECT_EQ(other.CellState, before.CellState);
        EXPECT_EQ(other.CellColor, before.CellColor);
        EXPECT_EQ(other.Pivot, 0);
        EXPECT_EQ(other.CurType, type);
        EXPECT_EQ(other.CurColor, 3);
        EXPECT_EQ(other.NextType, type);
        EXPECT_EQ(other.NextColor, 3);
        EXPECT_EQ(BoxPicture(other, fresh), "..../....");
        EXPECT_FALSE(fresh.Checked(MenuItem::mnuPause));
        EXPECT_TRUE(RecordHolds(other));
    }
}

TEST_P(BlockedSpawnTest, OtherCellsOfTheTopRowsDoNotMatter) {
    const int type = GetParam();
    StartOnBoard(type, 4);
    SetRows(game, 1, {"##########", "#########."});
    for (int n : kFigures[type].spawnCells) {
        game.CellState(n) = kEmpty;
        game.CellColor(n) = 0;
    }
    fake.Tick(game);
    EXPECT_EQ(game.GameOver, 0);
    EXPECT_EQ(game.Pivot, kFigures[type].spawnPivot);
    std::vector<int> spawn(kFigures[type].spawnCells.begin(), kFigures[type].spawnCells.end());
    std::sort(spawn.begin(), spawn.end());
    EXPECT_EQ(FallingCells(game), spawn);
    EXPECT_TRUE(RecordHolds(game));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, BlockedSpawnTest, ::testing::Range(1, 8));

TEST_F(SpawnTest, TheFirstFigureIsRandomEvenInTurnModeAndLaterOnesFollowInTurn) {
    Start();
    game.mnuFiguresABC_Click();
    fake.ScriptRandom({Pick(5), Pick(1), Pick(2)});
    fake.Tick(game);
    EXPECT_EQ(game.CurType, 5);
    EXPECT_EQ(game.NextType, 6);
    EXPECT_EQ(game.NextColor, 2);
    EXPECT_EQ(fake.randomDraws, 3);
}

TEST_F(SpawnTest, PairsInTurnRunThroughTheTypesAndWrapFromSevenToOne) {
    StartOnBoard(3, 1);
    game.mnuFigures1_Click();  // type 3 now waits as the first of a pair
    game.mnuFiguresABC_Click();
    std::vector<int> types;
    for (int i = 0; i < 16; ++i) types.push_back(NextFalling());
    EXPECT_EQ(types, (std::vector<int>{3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 1, 1, 2, 2, 3, 3}));
}

TEST_F(SpawnTest, ThreesInTurnComeThreeTimesEach) {
    StartOnBoard(3, 1);
    game.RepeatMode = 2;
    game.RepeatLeft = 2;
    game.mnuFiguresABC_Click();
    std::vector<int> types;
    for (int i = 0; i < 7; ++i) types.push_back(NextFalling());
    EXPECT_EQ(types, (std::vector<int>{3, 3, 3, 4, 4, 4, 5}));
}

TEST_F(SpawnTest, RandomPairsDrawATypeOncePerPairAndAColourForEveryFigure) {
    StartOnBoard(6, 1);
    game.RepeatMode = 1;
    game.RepeatLeft = 0;
    fake.ScriptRandom({Pick(2), Pick(3),  // 6 comes in; 2 in colour 3 is chosen
                       Pick(4),           // 2 comes in; 2 again, in colour 4
                       Pick(7), Pick(5),  // 2 comes in; 7 in colour 5
                       Pick(6)});         // 7 comes in; 7 again, in colour 6
    std::vector<int> types;
    std::vector<int> colors;
    for (int i = 0; i < 4; ++i) {
        types.push_back(NextFalling());
        colors.push_back(game.NextColor);
    }
    EXPECT_EQ(types, (std::vector<int>{6, 2, 2, 7}));
    EXPECT_EQ(colors, (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(game.NextType, 7);
}

struct ColorWalk {
    std::array<int, 7> on;
    int choice;  // which of the enabled colours the random value picks
    int color;
};

void PrintTo(const ColorWalk& w, std::ostream* os) {
    for (int on : w.on) *os << on;
    *os << " choice " << w.choice;
}

class PickColorTest : public GameTest, public ::testing::WithParamInterface<ColorWalk> {};

TEST_P(PickColorTest, TheWalkCountsOnlyEnabledColours) {
    const ColorWalk& walk = GetParam();
    Start();
    int enabled = 0;
    for (int k = 1; k <= 7; ++k) {
        game.ColorOn(k) = static_cast<Byte>(walk.on[k - 1]);
        enabled += walk.on[k - 1];
    }
    fake.ScriptRandom({FakeWindow::Choose(walk.choice, enabled)});
    EXPECT_EQ(game.PickColor(), walk.color);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PickColorTest,
                         ::testing::Values(ColorWalk{{1, 1, 1, 1, 1, 1, 1}, 1, 1},
                                           ColorWalk{{1, 1, 1, 1, 1, 1, 1}, 7, 7},
                                           ColorWalk{{0, 1, 0, 1, 1, 0, 1}, 1, 2},
                                           ColorWalk{{0, 1, 0, 1, 1, 0, 1}, 3, 5},
                                           ColorWalk{{0, 1, 0, 1, 1, 0, 1}, 4, 7},
                                           ColorWalk{{0, 0, 0, 0, 0, 1, 0}, 1, 6},
                                           ColorWalk{{1, 0, 0, 0, 0, 0, 1}, 2, 7}));

TEST_F(SpawnTest, WithColoursTwoAndFiveOnlyThoseAppearWithEvenOdds) {
    StartOnBoard(1, 1);
    for (auto click : {&Game::mnuColor1_Click, &Game::mnuColor3_Click, &Game::mnuColor4_Click,
                       &Game::mnuColor6_Click, &Game::mnuColor7_Click}) {
        (game.*click)();
    }
    fake.ScriptRandom({Pick(1), 0.0f, Pick(1), 0.49f, Pick(1), 0.5f, Pick(1), 0.99f});
    std::vector<int> colors;
    for (int i = 0; i < 4; ++i) {
        NextFalling();
        colors.push_back(game.NextColor);
    }
    EXPECT_EQ(colors, (std::vector<int>{2, 2, 5, 5}));
}

}  // namespace
}  // namespace blokka::testing
