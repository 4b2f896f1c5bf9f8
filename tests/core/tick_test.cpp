// The tick: falling, landing a rested figure one interval late, rows, score and the next figure
// in one tick, and the drawing pass that shows exactly what changed. A whole game runs to its
// end with the record's rules holding after every event.

#include <cstdint>

#include "game_fixture.h"

namespace blokka::testing {
namespace {

using TickTest = GameTest;

TEST_F(TickTest, CellWritersActOnCellArgAndFixingKeepsColourAndMarks) {
    Start();
    game.CurColor = 6;
    game.CellArg = 57;
    game.SetFigureCell();
    EXPECT_EQ(game.CellState(57), kFalling);
    EXPECT_EQ(game.CellColor(57), 6);
    EXPECT_EQ(game.CellDirty(57), 1);

    game.CellDirty(57) = 0;
    game.Pivot = 57;
    game.FixFigure();
    EXPECT_EQ(game.CellState(57), kFixed);
    EXPECT_EQ(game.CellColor(57), 6);
    EXPECT_EQ(game.CellDirty(57), 0);
    EXPECT_EQ(game.Pivot, 57);

    game.CellArg = 58;
    game.SetFigureCell();
    game.SettleFigure();
    EXPECT_EQ(game.Pivot, 0);
    EXPECT_EQ(game.CellState(58), kFixed);

    game.CellArg = 58;
    game.ClearCell();
    EXPECT_EQ(game.CellState(58), kEmpty);
    EXPECT_EQ(game.CellColor(58), 0);
    EXPECT_EQ(game.CellDirty(58), 1);
}

TEST_F(TickTest, OneTickFixesRemovesRowsScoresAndSpawnsInThatOrder) {
    StartOnBoard(/*nextType=*/1, /*nextColor=*/5);
    SetBottom(game, {"..3.......",  //
                     "2222..2222",  //
                     "1111..1111"});
    PlaceFigure(game, 4, 0, 185, 6);  // resting on the floor in the gap
    fake.ScriptRandom({Pick(3), Pick(2)});
    fake.ClearLog();

    ASSERT_TRUE(fake.Tick(game));

    EXPECT_EQ(ColorPicture(game, 1, 2), "...5555...\n..........");
    EXPECT_EQ(ColorPicture(game, 18, 20), "..........\n..........\n..3.......");
    EXPECT_EQ(game.Score, 2);
    EXPECT_EQ(fake.labelCaption, "Счет: 2");
    EXPECT_EQ(game.CurType, 1);
    EXPECT_EQ(game.Pivot, 5);
    EXPECT_EQ(BoxPicture(game, fake), "..2./222.");

    const int firstCaption = LogIndex(fake, "caption Счет: 1");
    const int secondCaption = LogIndex(fake, "caption Счет: 2");
    const int boxCleared = LogIndex(fake, "picture 201 10");
    const int boxDrawn = LogIndex(fake, "picture 203 2");
    const int boardDrawn = LogIndex(fake, "picture 4 5");
    EXPECT_GE(firstCaption, 0);
    EXPECT_LT(firstCaption, secondCaption);
    EXPECT_LT(secondCaption, boxCleared);
    EXPECT_LT(boxCleared, boxDrawn);
    EXPECT_LT(boxDrawn, boardDrawn);
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

TEST_F(TickTest, AFigureThatComesToRestStaysMovableForOneInterval) {
    StartOnBoard();
    SetBottom(game, {"#########."});
    PlaceFigure(game, 4, 0, 165, 6);

    fake.Tick(game);  // falls onto the stack and rests there
    EXPECT_EQ(BoardPicture(game, 18, 20), "....oo....\n....oo....\n#########.");
    EXPECT_EQ(game.CurType, 4);

    Key(vk::Right);
    EXPECT_EQ(BoardPicture(game, 18, 19), ".....oo...\n.....oo...");

    fake.Tick(game);  // still unable to fall: fixed, and the next figure comes in
    EXPECT_EQ(BoardPicture(game, 18, 20), ".....##...\n.....##...\n#########.");
    EXPECT_EQ(game.CurType, 1);
    EXPECT_TRUE(RecordHolds(game));
}

TEST_F(TickTest, ARestingFigureShiftedOffALedgeKeepsFalling) {
    StartOnBoard();
    SetBottom(game, {"....######"});
    PlaceFigure(game, 4, 0, 175, 6);
    Key(vk::Left);
    Key(vk::Left);

    fake.Tick(game);
    EXPECT_EQ(BoardPicture(game, 18, 20), "..........\n..oo......\n..oo######");
    EXPECT_EQ(game.CurType, 4);
}

TEST_F(TickTest, TheDrawingPassRepaintsExactlyTheCellsAFallChanged) {
    StartWith(4, 6, 1, 5);
    fake.ClearLog();
    fake.Tick(game);

    EXPECT_EQ(PaintedCells(fake), (std::vector<int>{5, 6, 15, 16, 25, 26}));
    for (int n : {5, 6, 15, 16, 25, 26}) EXPECT_EQ(fake.cells[n].paints, 1) << n;
    EXPECT_TRUE(ScreenShowsBoard(game, fake));
}

TEST_F(TickTest, NothingHappensOnATickAfterTheGameIsOver) {
    StartOnBoard(4, 2);
    SetRows(game, 2, {".....#...."});
    fake.Tick(game);
    ASSERT_EQ(game.GameOver, 1);
    EXPECT_FALSE(fake.Tick(game));

    const GameState before = game;
    fake.ClearLog();
    game.tmrMain_Timer();
    EXPECT_EQ(static_cast<const GameState&>(game), before);
    EXPECT_TRUE(fake.log.empty());
}

// A whole game: first fifty squares that a player stacks column pair by column pair, so rows
// keep being removed, then pseudo-random figures moved and turned at will until the stack
// reaches the top. The record's rules and the screen are checked after every event.
class WholeGameTest : public GameTest {
protected:
    void Check(const char* event) {
        ASSERT_TRUE(RecordHolds(game)) << "after " << event << " " << events;
        ASSERT_TRUE(ScreenShowsBoard(game, fake)) << "after " << event << " " << events;
        ++events;
    }
    void Press(Integer code) {
        Key(code);
        Check("key");
    }
    void Tick() {
        ASSERT_TRUE(fake.Tick(game));
        Check("tick");
    }
    int events = 0;
};

TEST_F(WholeGameTest, RunsToItsEndWithTheRulesHoldingAfterEveryEvent) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<float>((seed >> 8) % 1000) / 1000.0f;
    };
    for (int i = 0; i < 51; ++i) fake.ScriptRandom({Pick(4), next()});
    for (int i = 0; i < 20000; ++i) fake.randomScript.push_back(next());
    Start();

    for (int square = 0; square < 50; ++square) {
        Tick();
        ASSERT_EQ(game.CurType, 4);
        const int column = 1 + 2 * (square % 5);
        for (int c = 5; c > column; --c) Press(vk::Left);
        for (int c = 5; c < column; ++c) Press(vk::D);
        Press(vk::Space);
    }
    Tick();
    EXPECT_EQ(game.Score, 20);
    EXPECT_EQ(fake.labelCaption, "Счет: 20");

    const Integer keys[] = {vk::Left, vk::Up, 0, vk::Right, vk::S, vk::Up, vk::A, 0};
    for (int ticks = 0; game.GameOver == 0 && ticks < 20000; ++ticks) {
        const Integer key = keys[ticks % 8];
        if (key != 0) Press(key);
        Tick();
    }
    ASSERT_EQ(game.GameOver, 1);
    EXPECT_FALSE(fake.timerEnabled);
    EXPECT_EQ(game.Pivot, 0);
    EXPECT_EQ(game.CurType, game.NextType);
    EXPECT_EQ(game.CurColor, game.NextColor);
    EXPECT_EQ(BoxPicture(game, fake), "..../....");
}

}  // namespace
}  // namespace blokka::testing
