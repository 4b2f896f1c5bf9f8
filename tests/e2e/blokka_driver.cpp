#include "blokka_driver.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

namespace blokka::e2e {

namespace {

Point CellOrigin(int n) {
    if (n <= 200) return {5 + kCell * ((n - 1) % 10), 5 + kCell * ((n - 1) / 10)};
    const int i = (n - 201) % 4;
    const int j = (n - 201) / 4;
    return {10 + kCell * (10 + i), 5 + kCell * j};
}

int Classify(std::uint32_t inside) {
    for (size_t k = 0; k < kBlockFaces.size(); ++k) {
        if (inside == kBlockFaces[k]) return static_cast<int>(k) + 1;
    }
    if (inside == kDarkInside || inside == kLightInside || inside == kFlat) return Board::kEmpty;
    return Board::kUnknown;
}

std::uint32_t MostCommon(const Image& image) {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t p : image.pixels) ++counts[p];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// The sum of the three channels' differences, 0 to 765.
int Difference(std::uint32_t p, std::uint32_t background) {
    int diff = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        diff += std::abs(static_cast<int>((p >> shift) & 0xff) -
                         static_cast<int>((background >> shift) & 0xff));
    }
    return diff;
}

// Text, lines and marks differ clearly from the surface they are drawn on; anti-aliasing
// fringes that barely differ are not ink.
bool Ink(std::uint32_t p, std::uint32_t background) { return Difference(p, background) > 90; }

}  // namespace

Board::Board(const Image& client) {
    for (int n = 1; n <= 208; ++n) {
        const Point o = CellOrigin(n);
        const auto k = static_cast<size_t>(n - 1);
        inside_[k] = client.At(o.x + kCell / 2, o.y + kCell / 2);
        look_[k] = Classify(inside_[k]);
        std::set<std::uint32_t> edge;
        for (int d = 0; d < kCell; ++d) {
            edge.insert(client.At(o.x + d, o.y));
            edge.insert(client.At(o.x + d, o.y + kCell - 1));
            edge.insert(client.At(o.x, o.y + d));
            edge.insert(client.At(o.x + kCell - 1, o.y + d));
        }
        edge_[k].assign(edge.begin(), edge.end());
    }
}

std::vector<int> Board::Blocks(int from, int to) const {
    std::vector<int> cells;
    for (int n = from; n <= to; ++n) {
        if (At(n) > 0) cells.push_back(n);
    }
    return cells;
}

bool Board::AllEmpty(int from, int to) const {
    for (int n = from; n <= to; ++n) {
        if (At(n) != kEmpty) return false;
    }
    return true;
}

std::string Board::Picture() const {
    auto mark = [this](int n) { return At(n) == kEmpty ? '.' : At(n) > 0 ? '#' : '?'; };
    std::string text = "\n";
    for (int n = 1; n <= 200; ++n) {
        text += mark(n);
        if (n % 10 == 0) text += '\n';
    }
    for (int n = 201; n <= 208; ++n) {
        text += mark(n);
        if (n == 204 || n == 208) text += '\n';
    }
    return text;
}

int Figure::MinColumn() const {
    int m = 10;
    for (size_t i = 0; i < cells.size(); ++i) m = std::min(m, Column(i));
    return m;
}

int Figure::MinRow() const {
    int m = 20;
    for (size_t i = 0; i < cells.size(); ++i) m = std::min(m, Row(i));
    return m;
}

int Figure::MaxRow() const {
    int m = 1;
    for (size_t i = 0; i < cells.size(); ++i) m = std::max(m, Row(i));
    return m;
}

Figure Figure::Shifted(int rows, int columns) const {
    Figure moved;
    for (const int n : cells) moved.cells.push_back(n + 10 * rows + columns);
    return moved;
}

std::vector<int> Figure::Shape() const {
    std::vector<int> shape;
    for (size_t i = 0; i < cells.size(); ++i) {
        shape.push_back(10 * (Row(i) - MinRow()) + Column(i) - MinColumn());
    }
    std::sort(shape.begin(), shape.end());
    return shape;
}

int Figure::EntryAnchorColumn() const {
    const bool square = Shape() == std::vector<int>{0, 1, 10, 11};
    return MinColumn() + (square ? 0 : 1);
}

std::vector<int> PopupMenu::CheckedItems() const {
    // The check indicator sits left of the captions. An empty box is drawn in a light grey; the
    // mark in a checked one is near black.
    const int strip = std::min(24, rect.width / 4);
    std::vector<int> checked;
    for (size_t i = 0; i < items.size(); ++i) {
        int dark = 0;
        for (int y = items[i].top; y < items[i].bottom; ++y) {
            for (int x = 3; x < strip; ++x) dark += Difference(image.At(x, y), background) > 360;
        }
        if (dark >= 5) checked.push_back(static_cast<int>(i));
    }
    return checked;
}

Blokka::Blokka(XSession& x) : x_(x), process_({BLOKKA_BINARY}, x.display()) {
    if (!WaitUntil([&] {
            const auto windows = x_.WindowsTitled(kTitle, process_.pid());
            if (windows.size() != 1) return false;
            window_ = windows.front();
            return true;
        })) {
        throw std::runtime_error("the window titled Блокка did not appear");
    }
    // The client area starts below the menu bar: find the board's top edge five grey pixels
    // below it, in the middle of the board's first column.
    const bool found = WaitUntil([&] {
        const Rect g = x_.Geometry(window_);
        const Image w = x_.Grab(g);
        const int column = 5 + kCell / 2;
        for (int y = 1; y + 5 < w.height; ++y) {
            bool margin = w.At(2, y) == kWindowGrey && w.At(2, y - 1) != kWindowGrey;
            for (int d = 0; d < 5 && margin; ++d) margin = w.At(column, y + d) == kWindowGrey;
            if (margin && w.At(column, y + 5) != kWindowGrey &&
                w.At(4, y + 5 + kCell / 2) == kWindowGrey) {
                menuBarHeight_ = y;
                client_ = {g.x, g.y + y, g.width, g.height - y};
                return true;
            }
        }
        return false;
    });
    if (!found) throw std::runtime_error("the board did not appear in the window");
    // A window manager hands the keyboard to a new window; there is none on this display.
    x_.Xdotool({"windowfocus", "--sync", std::to_string(window_)});
    ParkPointer();
}

Board Blokka::Read() {
    // The program may bring a change on screen in several pieces; a reading counts once two
    // grabs in a row agree.
    Board last(x_.Grab(client_));
    for (;;) {
        Board next(x_.Grab(client_));
        if (next == last) return next;
        last = std::move(next);
    }
}

Board Blokka::Settled(std::chrono::milliseconds quiet) {
    Board b = Read();
    while (auto changed = ReadWhen([&](const Board& now) { return !(now == b); }, quiet)) {
        b = std::move(*changed);
    }
    return b;
}

Figure Blokka::WaitForNewFigure() {
    Figure figure;
    const auto seen = ReadWhen([&](const Board& b) {
        const auto top = b.Blocks(1, 20);
        return top.size() == 4 && top.front() <= 10 && b.Blocks(201, 208).size() == 4;
    });
    if (seen) figure.cells = seen->Blocks(1, 20);
    return figure;
}

Figure Blokka::NewBlocks(const Board& now, const Board& before) {
    Figure figure;
    for (const int n : now.Blocks()) {
        if (before.At(n) <= 0) figure.cells.push_back(n);
    }
    return figure;
}

Point Blokka::CellCentre(int n) const {
    const Point o = CellOrigin(n);
    return {client_.x + o.x + kCell / 2, client_.y + o.y + kCell / 2};
}

void Blokka::ParkPointer() { x_.MovePointer(client_.x + 2, client_.y + client_.height - 2); }

std::vector<Point> Blokka::MenuBarCaptions() {
    const Image bar =
        x_.Grab({client_.x, client_.y - menuBarHeight_, client_.width, menuBarHeight_});
    const std::uint32_t background = MostCommon(bar);
    // Rows that run across the whole bar are its border, not text.
    std::vector<bool> textRow(static_cast<size_t>(bar.height));
    for (int y = 0; y < bar.height; ++y) {
        int ink = 0;
        for (int x = 0; x < bar.width; ++x) ink += Ink(bar.At(x, y), background) ? 1 : 0;
        textRow[static_cast<size_t>(y)] = ink > 0 && ink < bar.width * 3 / 4;
    }
    std::vector<Point> captions;
    int start = -1;
    int gap = 0;
    for (int x = 0; x <= bar.width; ++x) {
        bool ink = false;
        for (int y = 0; x < bar.width && y < bar.height && !ink; ++y) {
            ink = textRow[static_cast<size_t>(y)] && Ink(bar.At(x, y), background);
        }
        if (ink) {
            if (start < 0) start = x;
            gap = 0;
        } else if (start >= 0 && (++gap > 6 || x == bar.width)) {
            const int end = x - gap;
            captions.push_back({client_.x + (start + end) / 2, client_.y - menuBarHeight_ / 2});
            start = -1;
        }
    }
    return captions;
}

PopupMenu Blokka::ReadPopup(Window popup) {
    PopupMenu menu;
    auto read = [&] {
        menu.rect = x_.Geometry(popup);
        menu.image = x_.Grab(menu.rect);
        menu.background = MostCommon(menu.image);
        menu.items.clear();
        const int left = 3;
        const int right = menu.rect.width - 3;
        std::vector<int> ink(static_cast<size_t>(menu.rect.height));
        for (int y = 3; y < menu.rect.height - 3; ++y) {
            for (int x = left; x < right; ++x) {
                ink[static_cast<size_t>(y)] += Ink(menu.image.At(x, y), menu.background) ? 1 : 0;
            }
        }
        // Group inked rows; a thin group of rows inked across the width is a separator line.
        for (int y = 0; y < menu.rect.height;) {
            if (ink[static_cast<size_t>(y)] == 0) {
                ++y;
                continue;
            }
            int end = y;
            int blank = 0;
            bool line = true;
            for (int r = y; r < menu.rect.height && blank <= 2; ++r) {
                if (ink[static_cast<size_t>(r)] == 0) {
                    ++blank;
                    continue;
                }
                blank = 0;
                end = r + 1;
                line = line && ink[static_cast<size_t>(r)] > (right - left) * 3 / 5;
            }
            if (!(line && end - y <= 3)) menu.items.push_back({y, end});
            y = end;
        }
    };
    // A popup is painted after it is mapped: read until two readings agree.
    size_t last = 0;
    WaitUntil([&] {
        read();
        const bool stable = !menu.items.empty() && menu.items.size() == last;
        last = menu.items.size();
        return stable;
    });
    return menu;
}

void Blokka::ClickMenuBar(int menuIndex) {
    if (captions_.empty()) captions_ = MenuBarCaptions();
    if (static_cast<size_t>(menuIndex) >= captions_.size()) {
        throw std::runtime_error("menu bar caption not found");
    }
    const Point at = captions_[static_cast<size_t>(menuIndex)];
    x_.Click(at.x, at.y, 1);
}

PopupMenu Blokka::Open(int menuIndex, const std::vector<int>& path) {
    ClickMenuBar(menuIndex);
    size_t depth = 1;
    auto innermost = [&]() -> Window {
        Window top = 0;
        WaitUntil([&] {
            const auto popups = x_.Popups();
            if (popups.size() != depth) return false;
            top = popups.back();
            return true;
        });
        if (top == 0) throw std::runtime_error("the menu did not open");
        return top;
    };
    PopupMenu popup = ReadPopup(innermost());
    for (const int item : path) {
        if (static_cast<size_t>(item) >= popup.items.size()) {
            throw std::runtime_error("menu item not found");
        }
        const auto& row = popup.items[static_cast<size_t>(item)];
        x_.Click(popup.rect.x + popup.rect.width / 2, popup.rect.y + (row.top + row.bottom) / 2, 1);
        ++depth;
        popup = ReadPopup(innermost());
    }
    return popup;
}

void Blokka::Choose(int menuIndex, const std::vector<int>& path) {
    std::vector<int> submenus(path.begin(), path.end() - 1);
    const PopupMenu popup = Open(menuIndex, submenus);
    const auto& row = popup.items.at(static_cast<size_t>(path.back()));
    x_.Click(popup.rect.x + popup.rect.width / 2, popup.rect.y + (row.top + row.bottom) / 2, 1);
    if (!WaitUntil([&] { return x_.Popups().empty(); })) {
        throw std::runtime_error("the menu did not close after the choice");
    }
    ParkPointer();
}

void Blokka::CloseMenus() {
    // One Escape per open level: a surplus one would reach the game.
    for (size_t open = x_.Popups().size(); open > 0; --open) {
        x_.Keys({"Escape"});
        if (!WaitUntil([&] { return x_.Popups().size() < open; })) {
            throw std::runtime_error("Escape did not close the menu");
        }
    }
    ParkPointer();
}

}  // namespace blokka::e2e
