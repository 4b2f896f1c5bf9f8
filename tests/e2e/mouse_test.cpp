// The mouse: steering the figure, turning and dropping it by clicks, and the background menu.

#include <algorithm>

#include "blokka_test.h"

namespace blokka::e2e {
namespace {

class MouseTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Slowest();
    }

    // The cell of the board's row 15 in `column`: well below a figure near the top.
    static int Row15(int column) { return 140 + column; }

    // The figure now falling: the blocks that `landed` did not show, read once they stop moving.
    Figure FallingOn(const Board& landed) { return Blokka::NewBlocks(game->Settled(), landed); }
};

TEST_F(MouseTest, WithSteeringOnTheFigureFollowsThePointerTurnsOnARightClickAndDropsOnALeftClick) {
    game->Choose(menu::kOptions, {menu::kMouse});
    game->Keys({"F2"});
    const auto empty = game->ReadWhen([](const Board& b) { return b.AllEmpty(); });
    ASSERT_TRUE(empty);

    // The square does not turn; let it drop and take the next figure.
    Board landed = *empty;
    Figure figure;
    for (int tries = 0; tries < 12; ++tries) {
        const auto entered = game->ReadWhen([&](const Board& b) {
            const Figure f = Blokka::NewBlocks(b, landed);
            return f.cells.size() == 4 && f.MinRow() == 1 && b.Blocks(201, 208).size() == 4;
        });
        ASSERT_TRUE(entered);
        figure = Blokka::NewBlocks(*entered, landed);
        if (figure.Shape() != std::vector<int>{0, 1, 10, 11}) break;
        const Point under = game->CellCentre(Row15(figure.EntryAnchorColumn()));
        x.Click(under.x, under.y, 1);
        const auto down = game->ReadWhen([&](const Board& b) {
            const Figure f = Blokka::NewBlocks(b, landed);
            return f.cells.size() == 4 && f.MinRow() > 2;
        });
        ASSERT_TRUE(down) << "a left click did not drop the square";
        landed = *down;
    }
    ASSERT_NE(figure.Shape(), (std::vector<int>{0, 1, 10, 11})) << "only squares came";

    const int anchor = figure.EntryAnchorColumn();
    for (const int column : {8, 2}) {
        const Point p = game->CellCentre(Row15(column));
        x.MovePointer(p.x, p.y);
        const Figure steered = FallingOn(landed);
        EXPECT_EQ(steered.Shape(), figure.Shape());
        EXPECT_EQ(steered.MinColumn(), figure.MinColumn() + column - anchor)
            << "pointer in column " << column;
    }

    const Figure before = FallingOn(landed);
    const Point there = game->CellCentre(Row15(2));
    x.Click(there.x, there.y, 3);
    const Figure turned = FallingOn(landed);
    EXPECT_EQ(turned.cells.size(), 4u);
    EXPECT_NE(turned.Shape(), before.Shape()) << "a right click did not turn the figure";

    x.Click(there.x, there.y, 1);
    const auto dropped = game->ReadWhen([&](const Board& b) {
        return Blokka::NewBlocks(b, landed).cells.size() == 4 &&
               Blokka::NewBlocks(b, landed).MaxRow() == 20;
    });
    ASSERT_TRUE(dropped) << "a left click did not drop the figure";
    EXPECT_EQ(Blokka::NewBlocks(*dropped, landed).Shape(), turned.Shape());
}

TEST_F(MouseTest, TheLightBackgroundRepaintsEveryEmptyCellAndKeepsTheBlocks) {
    ASSERT_EQ(game->WaitForNewFigure().cells.size(), 4u);
    game->Keys({"p"});
    const Board dark = game->Settled();
    game->Choose(menu::kOptions, {menu::kBackground, menu::kBackgroundLight});
    const auto light = game->ReadWhen([](const Board& b) { return b.Inside(1) == kLightInside; });
    ASSERT_TRUE(light) << "the background did not change";
    for (int n = 1; n <= 208; ++n) {
        EXPECT_EQ(light->At(n), dark.At(n)) << "cell " << n;
        if (light->At(n) != Board::kEmpty) continue;
        const auto& edge = light->Edge(n);
        EXPECT_EQ(light->Inside(n), kLightInside) << "cell " << n;
        EXPECT_NE(std::find(edge.begin(), edge.end(), kLightFrame), edge.end()) << "cell " << n;
        EXPECT_TRUE(
            std::all_of(edge.begin(), edge.end(),
                        [](std::uint32_t p) { return p == kLightFrame || p == kLightInside; }))
            << "cell " << n;
    }
}

}  // namespace
}  // namespace blokka::e2e
