// The real program under abuse: hard kills and simultaneous starts, keys held at the fastest
// auto-repeat, and storms of random input at every cell size. Afterwards it must still run and
// every display cell must show one of the stock pictures exactly.
//
// BLOKKA_FAULT_SCALE=long repeats each abuse far longer (`make faults`); BLOKKA_FAULT_SEED
// replays a storm.

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

#include "blokka_driver.h"
#include "storm_input.h"
#include "view/stock_pictures.h"
#include "window/stock_image.h"

namespace blokka::e2e {
namespace {

bool LongRun() {
    const char* scale = std::getenv("BLOKKA_FAULT_SCALE");
    return scale != nullptr && std::strcmp(scale, "long") == 0;
}
int Repetitions() { return LongRun() ? 200 : 20; }
std::chrono::seconds StormLength() { return LongRun() ? 60s : 3s; }

// The display cells fully or partly inside the client area, as the game lays them out for
// cell size `s`, each with the stock pictures as the canvas draws them at that size.
class Screen {
public:
    explicit Screen(int s) : size_(s) {
        for (int picture = 1; picture <= kStockPictures; ++picture) {
            pictures_[size_t(picture - 1)] =
                stockImage(picture)
                    .scaled(s, s, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .convertToFormat(QImage::Format_RGB32);
        }
    }

    // The cells that show no stock picture exactly, listed for a failure message.
    std::string Torn(const Image& client) const {
        std::string torn;
        for (int n = 1; n <= 208; ++n) {
            const Point at =
                n <= 200 ? Point{size_ * ((n - 1) % 10) + 5, size_ * ((n - 1) / 10) + 5}
                         : Point{size_ * ((n - 201) % 4 + 10) + 10, size_ * ((n - 201) / 4) + 5};
            const int width = std::min(size_, client.width - at.x);
            const int height = std::min(size_, client.height - at.y);
            if (width <= 0 || height <= 0) continue;
            const bool stock = std::ranges::any_of(pictures_, [&](const QImage& picture) {
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        if ((picture.pixel(x, y) & 0xffffff) != client.At(at.x + x, at.y + y))
                            return false;
                return true;
            });
            if (!stock) torn.append(" ").append(std::to_string(n));
        }
        return torn;
    }

private:
    int size_;
    std::array<QImage, kStockPictures> pictures_;
};

// Pauses the game through its menu (the storm leaves it paused or not), then expects the
// program alive and, once the picture settles, every cell whole.
void ExpectAliveAndWhole(XSession& x, Blokka& game, int size, const std::string& context) {
    ASSERT_TRUE(game.process().Running()) << context << ": the program ended";
    game.CloseMenus();
    const PopupMenu menu = game.Open(kGame);  // "Заново", "Пауза"
    if (menu.CheckedItems() == std::vector{1}) {
        game.CloseMenus();
    } else {
        x.Click(menu.Centre(1), 1);
        WaitUntil([&] { return x.Mapped(true).empty(); });
        game.ParkPointer();
    }
    const Screen screen(size);
    std::string torn;
    // A paint may still be on its way: the cells must come right, not be right at once.
    const bool whole = WaitUntil([&] {
        torn = screen.Torn(x.Grab(game.client()));
        return torn.empty();
    });
    EXPECT_TRUE(whole) << context << ": cells without a whole stock picture:" << torn;
    EXPECT_TRUE(game.process().Running()) << context << ": the program ended";
}

TEST(Faults, AStartRightAfterAHardKillShowsItsWindowEveryTime) {
    XSession x;
    std::optional<Blokka> game(std::in_place, x);
    for (int i = 0; i < Repetitions(); ++i) {
        game->process().Kill();
        x.TakeMapCount();
        game.emplace(x);
        int maps = 0;
        ASSERT_TRUE(WaitUntil([&] {
            maps += x.TakeMapCount();
            return maps == 1 && x.Mapped(false, kTitle).size() == 1;
        })) << "start "
            << i << " after a kill showed " << maps << " windows";
        ASSERT_TRUE(game->process().Running()) << i;
    }
}

TEST(Faults, OfTwoStartsAtTheSameMomentExactlyOneRunsWithOneWindowEveryTime) {
    XSession x;
    for (int i = 0; i < Repetitions(); ++i) {
        x.TakeMapCount();
        Process one({BinaryUnderTest()}), other({BinaryUnderTest()});
        ASSERT_TRUE(WaitUntil([&] { return !one.Running() || !other.Running(); })) << i;
        int maps = 0;
        EXPECT_TRUE(WaitUntil([&] {
            maps += x.TakeMapCount();
            return maps >= 1 && x.Mapped(false, kTitle).size() == 1;
        })) << i;
        maps += x.TakeMapCount();
        EXPECT_EQ(maps, 1) << i;
        ASSERT_NE(one.Running(), other.Running()) << i << ": none stayed";
        Process& ended = one.Running() ? other : one;
        EXPECT_EQ(ended.ExitCode(), 0) << i << ": the second start did not end cleanly";
        (one.Running() ? one : other).Kill();
        ASSERT_TRUE(WaitUntil([&] { return x.Mapped(false, kTitle).empty(); })) << i;
    }
}

TEST(Faults, KeysHeldAtTheFastestAutoRepeatAtSpeed20LeaveTheGameRunningAndWhole) {
    XSession x;
    Blokka game(x);
    // Two seconds held at 250 Hz: some five hundred repeats of the key. Only while a key is
    // held: at that rate the driver's own short key presses (Escape closing a menu) would repeat.
    auto hold = [&](const std::string& key) {
        ASSERT_TRUE(x.SetAutoRepeat(10, 4)) << "the X server refused a 250 Hz auto-repeat";
        x.Xdotool({"keydown", key, "sleep", "2", "keyup", key});
        x.SetAutoRepeat(660, 40);  // the server's default
    };
    auto speedMark = [&] {
        const PopupMenu speeds = game.Open(kOptions, {2});  // "[PAGE UP] [+]", "20", ... "1"
        game.CloseMenus();
        return speeds.CheckedItems();
    };
    // One press moves the mark one step from 14: repeats must carry it to either end.
    hold("Next");
    ASSERT_EQ(speedMark(), std::vector{20}) << "holding Page Down did not repeat to speed 1";
    hold("Prior");
    ASSERT_EQ(speedMark(), std::vector{1}) << "holding Page Up did not repeat to speed 20";

    for (const char* key : {"Left", "Right", "Up", "Down", "F2", "space", "minus", "plus", "p"}) {
        hold(key);
        ASSERT_TRUE(game.process().Running()) << "after holding " << key;
    }
    ExpectAliveAndWhole(x, game, kCell, "after the held keys");
}

// Menu choices that end nothing: new game, pause, speeds, backgrounds, colours, the order of
// figures and mouse steering.
std::vector<std::pair<Menu, std::vector<int>>> StormMenuChoices() {
    std::vector<std::pair<Menu, std::vector<int>>> choices = {
        {kGame, {0}}, {kGame, {1}}, {kOptions, {6}}};
    // "Скорость" without its two hints, "Цвет фона", "Цвета", "Появление": item, first, end.
    constexpr std::array<std::array<int, 3>, 4> kSubmenus = {
        {{2, 1, 21}, {3, 0, 3}, {4, 0, 9}, {5, 0, 4}}};
    for (const auto& [item, first, end] : kSubmenus) {
        for (int k = first; k < end; ++k) choices.push_back({kOptions, {item, k}});
    }
    return choices;
}

TEST(Faults, AStormOfRandomKeysClicksAndMenuChoicesAtEveryCellSizeLeavesTheGameWhole) {
    const char* chosen = std::getenv("BLOKKA_FAULT_SEED");
    const unsigned seed = chosen != nullptr ? unsigned(std::stoul(chosen)) : std::random_device{}();
    SCOPED_TRACE("BLOKKA_FAULT_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    auto pick = [&](int below) { return Pick(random, below); };
    const auto menuChoices = StormMenuChoices();

    XSession x;
    Blokka game(x);
    const Rect client = game.client();
    for (int size : {12, 18, 24, 30}) {
        game.Choose(kOptions, {0, size / 6 - 2});  // "Размер": 12, 18, 24, 30
        const std::string context = "cell size " + std::to_string(size);
        // The pointer roams the board, the next-figure box, the window's margin and the
        // desktop, never the menu bar: menus open only through the menu reader.
        auto somewhere = [&]() -> Point {
            switch (pick(4)) {
                case 0:
                    return {client.x + 5 + pick(10 * size), client.y + 5 + pick(20 * size)};
                case 1:
                    return {client.x + 10 + 10 * size + pick(4 * size),
                            client.y + 5 + pick(2 * size)};
                case 2:
                    return {client.x + pick(client.width), client.y + pick(client.height)};
                default:
                    return {client.x + client.width + pick(400), client.y + pick(600)};
            }
        };
        const auto end = std::chrono::steady_clock::now() + StormLength();
        while (std::chrono::steady_clock::now() < end) {
            x.Xdotool(StormBatch(random, 40, somewhere));
            ASSERT_TRUE(game.process().Running()) << context;
            if (pick(4) == 0) {
                const auto& [menu, path] = menuChoices[size_t(pick(int(menuChoices.size())))];
                game.CloseMenus();
                game.Choose(menu, path);
            }
        }
        ExpectAliveAndWhole(x, game, size, context);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace blokka::e2e
