#pragma once
// The real program as a player meets it: started without arguments on a private X display, its
// window found by title, its board read back from screen pixels, driven by real keys, pointer
// moves, clicks and menu choices. Nothing here looks inside the program.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <numeric>
#include <ranges>

#include "x_session.h"

namespace blokka::e2e {

inline constexpr char kTitle[] = "Блокка";
inline constexpr int kCell = 18;  // the cell size the window opens with
inline constexpr std::uint32_t kWindowGrey = 0x808080;

// Display cells 1..200 are the board, 201..208 the next-figure box.
inline Point CellOrigin(int n) {
    if (n <= 200) return {5 + kCell * ((n - 1) % 10), 5 + kCell * ((n - 1) / 10)};
    return {10 + kCell * (10 + (n - 201) % 4), 5 + kCell * ((n - 201) / 4)};
}

// The sum of the three channels' differences, 0 to 765.
inline int Difference(std::uint32_t p, std::uint32_t q) {
    int diff = 0;
    for (int s = 0; s <= 16; s += 8) diff += std::abs(int((p >> s) & 0xff) - int((q >> s) & 0xff));
    return diff;
}

inline std::uint32_t MostCommon(const Image& image) {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t p : image.pixels) ++counts[p];
    return std::ranges::max_element(counts, {}, [](const auto& c) { return c.second; })->first;
}

// The ink in each row (or column) of `area`: text, lines and marks differ clearly from the
// surface they are drawn on, anti-aliasing fringes do not.
inline std::vector<int> Ink(const Image& image, Rect area, bool perRow, int threshold = 90) {
    const std::uint32_t background = MostCommon(image);
    std::vector<int> counts(size_t(perRow ? image.height : image.width));
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            counts[size_t(perRow ? y : x)] += Difference(image.At(x, y), background) > threshold;
        }
    }
    return counts;
}

// Runs of nonzero counts joined over gaps of at most `gap` zeros, as [first, last + 1).
inline std::vector<std::pair<int, int>> Runs(const std::vector<int>& counts, int gap) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < int(counts.size()); ++i) {
        if (counts[size_t(i)] == 0) continue;
        if (runs.empty() || i - runs.back().second > gap) runs.emplace_back(i, i);
        runs.back().second = i + 1;
    }
    return runs;
}

// One reading of the 208 display cells, each by the colour in its middle.
class Board {
public:
    // 1..7 for a block of that colour; the empty-cell pictures of the three backgrounds.
    static constexpr int kUnknown = 0, kFlat = 8, kLight = 9, kDark = 10;
    explicit Board(const Image& client) {
        for (int n = 1; n <= 208; ++n) {
            const Point o = CellOrigin(n);
            const auto k = std::ranges::find(kLooks, client.At(o.x + kCell / 2, o.y + kCell / 2));
            look_[size_t(n - 1)] = k == kLooks.end() ? kUnknown : int(k - kLooks.begin()) + 1;
        }
    }

    int At(int n) const { return look_[size_t(n - 1)]; }
    static bool Block(int look) { return look >= 1 && look <= 7; }
    // Cells from..to that show a block, ascending.
    std::vector<int> Blocks(int from = 1, int to = 200) const {
        std::vector<int> cells;
        for (int n = from; n <= to; ++n) {
            if (Block(At(n))) cells.push_back(n);
        }
        return cells;
    }
    bool AllEmpty(int from = 1, int to = 208) const {
        return std::all_of(&look_[size_t(from - 1)], &look_[size_t(to - 1)] + 1,
                           [](int k) { return k >= kFlat; });
    }
    friend bool operator==(const Board&, const Board&) = default;

private:
    // The block faces: red, orange, yellow, green, light blue, blue, violet; then the insides
    // of the empty-cell pictures.
    static constexpr std::array<std::uint32_t, 10> kLooks = {0xe70000, 0xe75d00, 0xe7e700, 0x00e700,
                                                             0x5abae7, 0x0000e7, 0xbd00e7, 0xc6c3c6,
                                                             0xe7ffff, 0x313431};
    std::array<int, 208> look_{};
};

// A figure as seen: its board cells, ascending.
using Cells = std::vector<int>;
inline int RowOf(int n) { return (n - 1) / 10 + 1; }
inline int ColumnOf(int n) { return (n - 1) % 10 + 1; }
inline int MinColumn(const Cells& c) {
    return std::ranges::min(c | std::views::transform(ColumnOf));
}
inline Cells Shifted(Cells cells, int rows, int columns) {
    for (int& n : cells) n += 10 * rows + columns;
    return cells;
}
// The cells moved to the top left corner.
inline Cells Shape(const Cells& cells) {
    Cells shape = Shifted(cells, 1 - RowOf(cells.front()), 1 - MinColumn(cells));
    std::ranges::sort(shape);
    return shape;
}
// The blocks of `now` that `before` did not show.
inline Cells NewBlocks(const Board& now, const Board& before) {
    Cells cells = now.Blocks();
    std::erase_if(cells, [&](int n) { return Board::Block(before.At(n)); });
    return cells;
}

// A popup menu on screen, its text items found from pixels.
struct PopupMenu {
    Rect rect;
    Image image;
    std::vector<std::pair<int, int>> items;  // the rows of each item, separators left out

    Point Centre(int item) const {
        const auto [top, bottom] = items.at(size_t(item));
        return {rect.x + rect.width / 2, rect.y + (top + bottom) / 2};
    }
    // The items whose check indicator, left of the caption, shows a near black mark.
    std::vector<int> CheckedItems() const {
        const auto marks =
            Ink(image, {3, 0, std::min(21, rect.width / 4 - 3), image.height}, true, 360);
        std::vector<int> checked;
        for (size_t i = 0; i < items.size(); ++i) {
            const auto [top, bottom] = items[i];
            if (std::accumulate(&marks[size_t(top)], &marks[size_t(bottom)], 0) >= 5)
                checked.push_back(int(i));
        }
        return checked;
    }
};

class Blokka {
public:
    explicit Blokka(XSession& x) : x_(x), process_({BLOKKA_BINARY}) {
        // The client area starts below the menu bar, the first pixel up from the window's bottom
        // left that is not grey; the board is painted once its first cell is not grey either.
        const bool shown = WaitUntil([&] {
            const auto windows = x_.Mapped(false, kTitle);
            if (windows.size() != 1) return false;
            std::tie(window_, frame_) = windows[0];
            const Image w = x_.Grab(frame_);
            int top = frame_.height;
            while (top > 1 && w.At(2, top - 1) == kWindowGrey) --top;
            client_ = {frame_.x, frame_.y + top, frame_.width, frame_.height - top};
            return top > 1 && top + 5 + kCell < w.height && w.At(14, top + 14) != kWindowGrey;
        });
        if (!shown) throw std::runtime_error("the window titled Блокка did not show its board");
        // A window manager hands the keyboard to a new window; there is none on this display.
        x_.Xdotool({"windowfocus", "--sync", std::to_string(window_)});
        ParkPointer();
    }

    Process& process() { return process_; }
    Window window() const { return window_; }
    Rect client() const { return client_; }
    void Keys(const Strings& keyNames) { x_.Keys(keyNames); }

    // A reading two grabs in a row agree on: the program may paint a change in pieces.
    Board Read() {
        for (Board last(x_.Grab(client_));;) {
            Board next(x_.Grab(client_));
            if (next == last) return next;
            last = std::move(next);
        }
    }
    // The first reading for which `ready` holds, or nullopt at the deadline.
    template <typename Pred>
    std::optional<Board> ReadWhen(Pred ready, std::chrono::milliseconds deadline = 15s) {
        std::optional<Board> seen;
        if (!WaitUntil([&] { return ready(seen.emplace(Read())); }, deadline)) seen.reset();
        return seen;
    }
    // The first reading that differs from `before` (`before` itself at the deadline).
    Board Changed(const Board& before, std::chrono::milliseconds deadline = 15s) {
        return ReadWhen([&](const Board& b) { return !(b == before); }, deadline).value_or(before);
    }
    // A reading that stayed the same for a while: the board after the last input's effects.
    Board Settled() {
        Board b = Read();
        for (Board next = Changed(b, 300ms); !(next == b); next = Changed(b, 300ms)) b = next;
        return b;
    }
    // A figure that has just entered an empty top: four blocks in rows 1-2, one in row 1, and
    // the next one waiting in the box.
    Cells WaitForNewFigure() {
        const auto seen = ReadWhen([](const Board& b) {
            const Cells top = b.Blocks(1, 20);
            return top.size() == 4 && top[0] <= 10 && b.Blocks(201, 208).size() == 4;
        });
        return seen ? seen->Blocks(1, 20) : Cells{};
    }

    Point CellCentre(int n) const {
        const Point o = CellOrigin(n);
        return {client_.x + o.x + kCell / 2, client_.y + o.y + kCell / 2};
    }
    // Moves the pointer onto the window's grey margin, where it touches no display cell.
    void ParkPointer() { x_.MovePointer({client_.x + 2, client_.y + client_.height - 2}); }

    // Clicks the caption of menu `menu` of the bar (0 "Игра", 1 "Настройки"), which opens it or,
    // when open, closes it.
    void ClickMenuBar(int menu) {
        const int height = client_.y - frame_.y;
        if (captions_.empty()) {
            // A caption is a run of columns inked in the bar's middle rows (clear of its
            // borders); letters are closer than 7 pixels, captions further apart.
            const Image bar = x_.Grab({frame_.x, frame_.y, frame_.width, height});
            captions_ = Runs(Ink(bar, {0, height / 4, bar.width, height / 2}, false), 6);
        }
        const auto [start, end] = captions_.at(size_t(menu));
        x_.Click({frame_.x + (start + end) / 2, frame_.y + height / 2}, 1);
    }
    // Opens menu `menu` and walks down the text items of `path` into submenus.
    PopupMenu Open(int menu, const std::vector<int>& path = {}) {
        ClickMenuBar(menu);
        PopupMenu popup = ReadPopup(1);
        for (size_t i = 0; i < path.size(); ++i) {
            x_.Click(popup.Centre(path[i]), 1);
            popup = ReadPopup(i + 2);
        }
        return popup;
    }
    // Chooses the item at the end of `path`.
    void Choose(int menu, const std::vector<int>& path) {
        x_.Click(Open(menu, {path.begin(), path.end() - 1}).Centre(path.back()), 1);
        if (!WaitUntil([&] { return x_.Mapped(true).empty(); })) {
            throw std::runtime_error("the menu did not close after the choice");
        }
        ParkPointer();
    }
    // Closes every open popup with Escape, one per level: a surplus one would reach the game.
    void CloseMenus() {
        for (size_t open = x_.Mapped(true).size(); open > 0; --open) {
            x_.Keys({"Escape"});
            if (!WaitUntil([&] { return x_.Mapped(true).size() < open; })) {
                throw std::runtime_error("Escape did not close the menu");
            }
        }
        ParkPointer();
    }

private:
    // The innermost of `depth` open popups, read until two readings agree: a popup is painted
    // after it is mapped.
    PopupMenu ReadPopup(size_t depth) {
        PopupMenu menu;
        size_t last = 0;
        const bool read = WaitUntil([&] {
            const auto open = x_.Mapped(true);
            if (open.size() != depth) return false;
            menu.rect = open.back().second;
            menu.image = x_.Grab(menu.rect);
            const int width = menu.rect.width - 6;
            const auto rows = Ink(menu.image, {3, 3, width, menu.rect.height - 6}, true);
            // Inked rows at most two blank rows apart make an item, unless a thin run of rows
            // inked across the width makes a separator line.
            menu.items = Runs(rows, 2);
            std::erase_if(menu.items, [&](const auto& run) {
                return run.second - run.first <= 3 && rows[size_t(run.first)] > width * 3 / 5;
            });
            const bool stable = !menu.items.empty() && menu.items.size() == last;
            last = menu.items.size();
            return stable;
        });
        if (!read) throw std::runtime_error("the menu did not open");
        return menu;
    }

    XSession& x_;
    Process process_;
    Window window_ = 0;
    Rect frame_, client_;
    std::vector<std::pair<int, int>> captions_;  // read once, before a menu highlights one
};

// The text items under "Настройки" and in its submenus, separators not counted.
namespace menu {
inline constexpr int kGame = 0, kOptions = 1;
inline constexpr int kEsc = 1, kEscClose = 3;                // "Закрыть игру"
inline constexpr int kSpeed = 2;                             // "[PAGE UP] [+]", 20, 19, ... 1
inline constexpr int kBackground = 3, kBackgroundLight = 1;  // "Светлый"
inline constexpr int kMouse = 6;                             // "Управлять мышкой"
constexpr int SpeedItem(int level) { return 21 - level; }
}  // namespace menu

}  // namespace blokka::e2e
