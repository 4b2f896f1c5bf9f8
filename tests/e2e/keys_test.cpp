// The keyboard: pause, moves, the drop, the speed keys, a new game, keys after a menu, Escape.

#include "blokka_test.h"

namespace blokka::e2e {
namespace {

class KeysTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Slowest();
    }

    // A fresh game's first figure, seen on an otherwise empty board.
    Figure FirstFigure() {
        game->Keys({"F2"});
        game->ReadWhen([](const Board& b) { return b.AllEmpty(); });
        return game->WaitForNewFigure();
    }

    // The reading after `keys` that differs from `before`.
    Board AfterKeys(const std::vector<std::string>& keys, const Board& before) {
        game->Keys(keys);
        return game->ReadWhen([&](const Board& b) { return !(b == before); }).value_or(before);
    }

    Figure Falling(const Board& b) { return {b.Blocks()}; }
};

TEST_F(KeysTest, PStopsTheFallingFigureAndPAgainLetsItFall) {
    ASSERT_EQ(FirstFigure().cells.size(), 4u);
    game->Keys({"p"});
    const Board paused = game->Settled();
    EXPECT_FALSE(game->ReadWhen([&](const Board& b) { return !(b == paused); }, 3s))
        << "the board changed during the pause";
    const PopupMenu gameMenu = game->Open(menu::kGame, {});
    game->CloseMenus();
    EXPECT_EQ(gameMenu.CheckedItems(), std::vector<int>{1}) << "no mark on the pause item";

    const Board resumed = AfterKeys({"p"}, paused);
    EXPECT_EQ(Falling(resumed), Falling(paused).Shifted(1, 0)) << resumed.Picture();
}

TEST_F(KeysTest, LeftOnAPausedGameResumesItAndMovesTheFigureAtOnce) {
    ASSERT_EQ(FirstFigure().cells.size(), 4u);
    game->Keys({"p"});
    const Board paused = game->Settled();

    const Board moved = AfterKeys({"Left"}, paused);
    EXPECT_EQ(Falling(moved), Falling(paused).Shifted(0, -1)) << moved.Picture();
    const Board fell =
        game->ReadWhen([&](const Board& b) { return !(b == moved); }).value_or(moved);
    EXPECT_EQ(Falling(fell), Falling(moved).Shifted(1, 0)) << "the game did not resume";
}

TEST_F(KeysTest, SpaceDropsTheFigureToTheFloor) {
    const Figure figure = FirstFigure();
    ASSERT_EQ(figure.cells.size(), 4u);
    game->Keys({"space"});
    const auto landed =
        game->ReadWhen([](const Board& b) { return b.Blocks(181, 200).size() > 0; });
    ASSERT_TRUE(landed);
    const Figure floor{landed->Blocks(141, 200)};
    EXPECT_EQ(floor.Shape(), figure.Shape()) << landed->Picture();
    EXPECT_EQ(floor.MinColumn(), figure.MinColumn());
    EXPECT_EQ(floor.MaxRow(), 20);
}

TEST_F(KeysTest, PageUpAndPageDownMoveTheSpeedMarkOneLevelPerKey) {
    auto markedLevels = [&] {
        const PopupMenu speeds = game->Open(menu::kOptions, {menu::kSpeed});
        game->CloseMenus();
        std::vector<int> levels;
        for (const int item : speeds.CheckedItems()) levels.push_back(menu::SpeedLevel(item));
        return levels;
    };
    // The fixture's thirteen Page Down steps took the start level 14 down to 1.
    EXPECT_EQ(markedLevels(), std::vector<int>{1});
    game->Keys({"Next"});
    EXPECT_EQ(markedLevels(), std::vector<int>{1}) << "Page Down went below the slowest level";
    game->Keys({"Prior", "Prior", "Prior"});
    EXPECT_EQ(markedLevels(), std::vector<int>{4});
    game->Keys({"Next"});
    EXPECT_EQ(markedLevels(), std::vector<int>{3});
}

TEST_F(KeysTest, F2ClearsAPlayedBoardForANewGame) {
    ASSERT_EQ(FirstFigure().cells.size(), 4u);
    game->Keys({"space"});
    ASSERT_TRUE(game->ReadWhen([](const Board& b) { return b.Blocks(181, 200).size() > 0; }));
    game->Keys({"F2"});
    EXPECT_TRUE(game->ReadWhen([](const Board& b) { return b.AllEmpty(); }));
    EXPECT_EQ(game->WaitForNewFigure().cells.size(), 4u);
}

TEST_F(KeysTest, ArrowKeysMoveTheFigureAtOnceAfterAMenuWasOpenedAndClosed) {
    ASSERT_EQ(FirstFigure().cells.size(), 4u);

    game->Keys({"p"});
    Board paused = game->Settled();
    game->Open(menu::kGame, {});
    game->ClickMenuBar(menu::kGame);
    ASSERT_TRUE(WaitUntil([&] { return x.Popups().empty(); })) << "a click did not close the menu";
    game->ParkPointer();
    Board moved = AfterKeys({"Left"}, paused);
    EXPECT_EQ(Falling(moved), Falling(paused).Shifted(0, -1)) << "after a click" << moved.Picture();

    game->Keys({"p"});
    paused = game->Settled();
    game->Open(menu::kOptions, {});
    game->CloseMenus();
    moved = AfterKeys({"Right"}, paused);
    EXPECT_EQ(Falling(moved), Falling(paused).Shifted(0, 1)) << "after Escape" << moved.Picture();
}

TEST_F(KeysTest, EscapeEndsTheProgramOnceTheEscapeMenuSaysCloseTheGame) {
    game->Keys({"Escape"});  // the start choice pauses
    EXPECT_FALSE(game->process().WaitExit(500ms));
    game->Choose(menu::kOptions, {menu::kEsc, menu::kEscClose});
    EXPECT_TRUE(game->process().Running());
    game->Keys({"Escape"});
    EXPECT_TRUE(game->process().WaitExit());
}

}  // namespace
}  // namespace blokka::e2e
