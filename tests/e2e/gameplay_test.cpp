// A game left to itself: figures enter at the top, fall a row per tick, stack up and end the game.

#include <set>

#include "blokka_test.h"

namespace blokka::e2e {
namespace {

TEST_F(GameTest, ANewGameShowsAnEmptyBoardUntilTheFirstTickBringsAFigureThatFallsRowByRow) {
    Slowest();
    game->Keys({"F2"});
    const auto empty = game->ReadWhen([](const Board& b) { return b.AllEmpty(); });
    ASSERT_TRUE(empty) << "the new game did not clear the board and the box";

    Figure figure = game->WaitForNewFigure();
    ASSERT_EQ(figure.cells.size(), 4u) << game->Read().Picture();
    EXPECT_EQ(figure.MinRow(), 1);
    EXPECT_GE(figure.MinColumn(), 4);
    EXPECT_LE(figure.MinColumn() + 3, 10);

    for (int fall = 0; fall < 3; ++fall) {
        const Figure before = figure;
        const auto moved =
            game->ReadWhen([&](const Board& b) { return b.Blocks() != before.cells; });
        ASSERT_TRUE(moved);
        figure.cells = moved->Blocks();
        EXPECT_EQ(figure, before.Shifted(1, 0)) << moved->Picture();
    }
}

TEST_F(GameTest, AnUntouchedGameStacksUpInTheMiddleAndEndsWithAnEmptyBoxAndAStillScreen) {
    game->Keys(std::vector<std::string>(6, "Prior"));  // the fastest speed
    // The end: blocks on the board, an empty box, and then nothing changes any more (40 ticks).
    std::optional<Board> over;
    const bool still = WaitUntil(
        [&] {
            over = game->ReadWhen(
                [](const Board& b) { return !b.Blocks().empty() && b.AllEmpty(201, 208); });
            return over && !game->ReadWhen([&](const Board& b) { return !(b == *over); }, 2s);
        },
        120s);
    ASSERT_TRUE(still && over) << game->Read().Picture();
    EXPECT_TRUE(game->process().Running());

    // A figure nobody moves stays in the columns it entered in, and each one lands on the one
    // before: every row from the top two down to the floor holds a block.
    std::set<int> rows;
    for (const int n : over->Blocks()) {
        const int column = (n - 1) % 10 + 1;
        EXPECT_GE(column, 4) << over->Picture();
        EXPECT_LE(column, 7) << over->Picture();
        rows.insert((n - 1) / 10 + 1);
    }
    for (int row = 2; row <= 20; ++row) EXPECT_TRUE(rows.count(row)) << row << over->Picture();

    // No row was ever full, so the score label stays blank.
    const Image client = x.Grab(game->client());
    for (int y = 5 + 2 * kCell + 4; y < kClientHeight; ++y) {
        for (int px = 190; px < kClientWidth; ++px) {
            ASSERT_EQ(client.At(px, y), kWindowGrey) << "score label shows at " << px << "," << y;
        }
    }
}

}  // namespace
}  // namespace blokka::e2e
