#pragma once
// The real program as a player meets it: started without arguments on a private X display, its
// window found by title, its board read back from screen pixels, driven by real keys, pointer
// moves, clicks and menu choices. Nothing here looks inside the program.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <ranges>

#include "x_session.h"

namespace blokka::e2e {

inline constexpr char kTitle[] = "Блокка";
inline constexpr int kCell = 18;  // the cell size the window opens with
inline constexpr std::uint32_t kWindowGrey = 0x808080;
inline constexpr std::uint32_t kDarkInside = 0x313431, kDarkFrame = 0x393c39;
inline constexpr std::uint32_t kLightInside = 0xe7ffff, kLightFrame = 0xceefff;
// The face of the block of colour 1..7: red, orange, yellow, green, light blue, blue, violet.
inline constexpr std::array<std::uint32_t, 7> kBlockFaces = {0xe70000, 0xe75d00, 0xe7e700, 0x00e700,
                                                             0x5abae7, 0x0000e7, 0xbd00e7};

// Display cells 1..200 are the board, 201..208 the next-figure box.
inline Point CellOrigin(int n) {
    if (n <= 200) return {5 + kCell * ((n - 1) % 10), 5 + kCell * ((n - 1) / 10)};
    return {10 + kCell * (10 + (n - 201) % 4), 5 + kCell * ((n - 201) / 4)};
}

// The sum of the three channels' differences, 0 to 765; text, lines and marks differ clearly
// from their surface (above 90), anti-aliasing fringes do not.
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

// One reading of the 208 display cells.
class Board {
public:
    static constexpr int kUnknown = -1, kEmpty = 0;
    explicit Board(Image client) : client_(std::move(client)) {
        for (int n = 1; n <= 208; ++n) {
            const Point o = CellOrigin(n);
            const std::uint32_t inside = client_.At(o.x + kCell / 2, o.y + kCell / 2);
            const auto face = std::ranges::find(kBlockFaces, inside);
            const bool empty =
                inside == kDarkInside || inside == kLightInside || inside == 0xc6c3c6;
            look_[size_t(n - 1)] = face != kBlockFaces.end() ? int(face - kBlockFaces.begin()) + 1
                                   : empty                   ? kEmpty
                                                             : kUnknown;
        }
    }

    // kEmpty for an empty-cell picture, 1..7 for a block of that colour, kUnknown otherwise.
    int At(int n) const { return look_[size_t(n - 1)]; }
    // Whether cell `n` shows the empty-cell picture of these colours: both, and nothing else.
    bool Shows(int n, std::uint32_t inside, std::uint32_t frame) const {
        const Point o = CellOrigin(n);
        int framePixels = 0;
        for (int y = o.y; y < o.y + kCell; ++y) {
            for (int x = o.x; x < o.x + kCell; ++x) {
                const std::uint32_t p = client_.At(x, y);
                if (p != frame && p != inside) return false;
                framePixels += p == frame ? 1 : 0;
            }
        }
        return framePixels > 0 && At(n) == kEmpty;
    }
    // Cells from..to that show a block, ascending.
    std::vector<int> Blocks(int from = 1, int to = 200) const {
        std::vector<int> cells;
        for (int n = from; n <= to; ++n) {
            if (At(n) > 0) cells.push_back(n);
        }
        return cells;
    }
    bool AllEmpty(int from = 1, int to = 208) const {
        return std::ranges::all_of(look_.begin() + from - 1, look_.begin() + to,
                                   [](int k) { return k == kEmpty; });
    }
    // 20 lines of 10 characters, then the box: '.' empty, '#' block, '?' anything else.
    std::string Picture() const {
        std::string text = "\n";
        for (int n = 1; n <= 208; ++n) {
            text += At(n) == kEmpty ? '.' : At(n) > 0 ? '#' : '?';
            if ((n <= 200 && n % 10 == 0) || n == 204 || n == 208) text += '\n';
        }
        return text;
    }
    friend bool operator==(const Board& a, const Board& b) { return a.look_ == b.look_; }

private:
    Image client_;
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
    Cells cells;
    for (const int n : now.Blocks()) {
        if (before.At(n) <= 0) cells.push_back(n);
    }
    return cells;
}

// A popup menu on screen, its text items found from pixels (separators left out).
struct PopupMenu {
    Rect rect;
    Image image;
    std::vector<std::pair<int, int>> items;  // top and bottom (exclusive) row of each item

    Point Centre(int item) const {
        const auto [top, bottom] = items.at(size_t(item));
        return {rect.x + rect.width / 2, rect.y + (top + bottom) / 2};
    }
    // The items whose check indicator, left of the caption, shows a near black mark.
    std::vector<int> CheckedItems() const {
        const std::uint32_t background = MostCommon(image);
        std::vector<int> checked;
        for (size_t i = 0; i < items.size(); ++i) {
            int dark = 0;
            for (int y = items[i].first; y < items[i].second; ++y) {
                for (int x = 3; x < std::min(24, rect.width / 4); ++x) {
                    dark += Difference(image.At(x, y), background) > 360 ? 1 : 0;
                }
            }
            if (dark >= 5) checked.push_back(int(i));
        }
        return checked;
    }
};

class Blokka {
public:
    explicit Blokka(XSession& x) : x_(x), process_({BLOKKA_BINARY}, x.display()) {
        // The client area starts below the menu bar, the first pixel up from the window's bottom
        // left that is not grey; the board is painted once its first cell is not grey either.
        const bool shown = WaitUntil([&] {
            const auto windows = x_.WindowsTitled(kTitle);
            const Rect g = windows.size() == 1 ? x_.Geometry(windows[0]) : Rect{};
            if (g.width == 0) return false;
            window_ = windows[0];
            const Image w = x_.Grab(g);
            int top = g.height;
            while (top > 1 && w.At(2, top - 1) == kWindowGrey) --top;
            client_ = {g.x, g.y + top, g.width, g.height - top};
            return top > 1 && top + 5 + kCell < g.height && w.At(14, top + 14) != kWindowGrey;
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
        if (captions_.empty()) {
            // A caption is a cluster of inked columns in the bar's middle rows (the borders lie
            // outside them); letters are closer than 7 pixels, captions further apart.
            const int height = client_.y - x_.Geometry(window_).y;
            const Image bar = x_.Grab({client_.x, client_.y - height, client_.width, height});
            const std::uint32_t background = MostCommon(bar);
            for (int x = 0, start = -1, gap = 0; x <= bar.width; ++x) {
                bool ink = false;
                for (int y = height / 4; x < bar.width && y < height * 3 / 4; ++y) {
                    ink = ink || Difference(bar.At(x, y), background) > 90;
                }
                if (ink) {
                    start = start < 0 ? x : start;
                    gap = 0;
                } else if (start >= 0 && (++gap > 6 || x == bar.width)) {
                    captions_.push_back(
                        {client_.x + (start + x - gap) / 2, client_.y - height / 2});
                    start = -1;
                }
            }
        }
        x_.Click(captions_.at(size_t(menu)), 1);
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
        if (!WaitUntil([&] { return x_.Popups().empty(); })) {
            throw std::runtime_error("the menu did not close after the choice");
        }
        ParkPointer();
    }
    // Closes every open popup with Escape, one per level: a surplus one would reach the game.
    void CloseMenus() {
        for (size_t open = x_.Popups().size(); open > 0; --open) {
            x_.Keys({"Escape"});
            if (!WaitUntil([&] { return x_.Popups().size() < open; })) {
                throw std::runtime_error("Escape did not close the menu");
            }
        }
        ParkPointer();
    }

private:
    // The innermost of `depth` open popups, read until two readings agree, for a popup is
    // painted after it is mapped.
    PopupMenu ReadPopup(size_t depth) {
        Window popup = 0;
        WaitUntil([&] {
            const auto open = x_.Popups();
            return (popup = open.size() == depth ? open.back() : 0) != 0;
        });
        if (popup == 0) throw std::runtime_error("the menu did not open");
        PopupMenu menu;
        size_t last = 0;
        WaitUntil([&] {
            menu.rect = x_.Geometry(popup);
            menu.image = x_.Grab(menu.rect);
            const std::uint32_t background = MostCommon(menu.image);
            const int height = menu.rect.height, width = menu.rect.width - 6;
            std::vector<int> ink(size_t(std::max(height, 0)));
            for (int y = 3; y < height - 3; ++y) {
                for (int x = 3; x < 3 + width; ++x) {
                    ink[size_t(y)] += Difference(menu.image.At(x, y), background) > 90 ? 1 : 0;
                }
            }
            // Inked rows at most two blank rows apart make an item; a group of at most three
            // rows inked across the width is a separator line.
            menu.items.clear();
            for (int y = 0; y < height; ++y) {
                if (ink[size_t(y)] == 0) continue;
                int end = y + 1;
                bool line = true;
                for (int r = y; r < height && r < end + 3; ++r) {
                    if (ink[size_t(r)] == 0) continue;
                    end = r + 1;
                    line = line && ink[size_t(r)] > width * 3 / 5;
                }
                if (!line || end - y > 3) menu.items.emplace_back(y, end);
                y = end;
            }
            const bool stable = !menu.items.empty() && menu.items.size() == last;
            last = menu.items.size();
            return stable;
        });
        return menu;
    }

    XSession& x_;
    Process process_;
    Window window_ = 0;
    Rect client_;
    std::vector<Point> captions_;  // read once, before a menu highlights its caption
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
