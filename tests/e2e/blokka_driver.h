#pragma once
// The real program as a player meets it: started without arguments on a private X display, its
// window found by title, its board read back from screen pixels, driven by real keys, pointer
// moves, clicks and menu choices. Nothing here looks inside the program.

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "x_session.h"

namespace blokka::e2e {

inline constexpr char kTitle[] = "Блокка";
inline constexpr int kCell = 18;  // the cell size the window opens with
inline constexpr int kClientWidth = 265;
inline constexpr int kClientHeight = 370;

inline constexpr std::uint32_t kWindowGrey = 0x808080;
inline constexpr std::uint32_t kDarkInside = 0x313431;
inline constexpr std::uint32_t kDarkFrame = 0x393c39;
inline constexpr std::uint32_t kLightInside = 0xe7ffff;
inline constexpr std::uint32_t kLightFrame = 0xceefff;
inline constexpr std::uint32_t kFlat = 0xc6c3c6;
// The face of the block of colour 1..7: red, orange, yellow, green, light blue, blue, violet.
inline constexpr std::array<std::uint32_t, 7> kBlockFaces = {0xe70000, 0xe75d00, 0xe7e700, 0x00e700,
                                                             0x5abae7, 0x0000e7, 0xbd00e7};

// One reading of the 208 display cells: 1..200 the board, 201..208 the next-figure box.
class Board {
public:
    static constexpr int kUnknown = -1;
    static constexpr int kEmpty = 0;

    Board() = default;
    explicit Board(const Image& client);

    // kEmpty for a background picture, 1..7 for a block of that colour, kUnknown otherwise.
    int At(int n) const { return look_[static_cast<size_t>(n - 1)]; }
    // The colour in the middle of the cell, and the set of colours on its edge.
    std::uint32_t Inside(int n) const { return inside_[static_cast<size_t>(n - 1)]; }
    const std::vector<std::uint32_t>& Edge(int n) const {
        return edge_[static_cast<size_t>(n - 1)];
    }

    // Board cells (from..to) that show a block, ascending.
    std::vector<int> Blocks(int from = 1, int to = 200) const;
    bool AllEmpty(int from = 1, int to = 208) const;
    // 20 lines of 10 characters, then the box: '.' empty, '#' block, '?' anything else.
    std::string Picture() const;

    friend bool operator==(const Board&, const Board&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Board& b) {
        return out << b.Picture();
    }

private:
    std::array<int, 208> look_{};
    std::array<std::uint32_t, 208> inside_{};
    std::array<std::vector<std::uint32_t>, 208> edge_{};
};

// The falling figure as seen: its four board cells.
struct Figure {
    std::vector<int> cells;
    int Row(size_t i) const { return (cells[i] - 1) / 10 + 1; }
    int Column(size_t i) const { return (cells[i] - 1) % 10 + 1; }
    int MinColumn() const;
    int MinRow() const;
    int MaxRow() const;
    // The same four cells moved by whole rows and columns.
    Figure Shifted(int rows, int columns) const;
    // The cells as a shape anchored at its top-left bounding corner.
    std::vector<int> Shape() const;
    // Column of the anchor cell of a figure in its entering orientation: the 2x2 square is
    // anchored at its left column, every other type one column right of its left edge.
    int EntryAnchorColumn() const;
    friend bool operator==(const Figure&, const Figure&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Figure& f) {
        out << "cells";
        for (const int n : f.cells) out << ' ' << n;
        return out;
    }
};

// A popup menu on screen, its text rows found from pixels.
struct PopupMenu {
    Rect rect;
    Image image;
    std::uint32_t background = 0;
    struct Row {
        int top = 0;
        int bottom = 0;  // exclusive
    };
    std::vector<Row> items;  // text items in display order; separators are left out
    // The items whose check indicator shows a mark.
    std::vector<int> CheckedItems() const;
};

class Blokka {
public:
    explicit Blokka(XSession& x);

    Process& process() { return process_; }
    Window window() const { return window_; }
    Rect client() const { return client_; }
    int menuBarHeight() const { return menuBarHeight_; }

    Board Read();
    // A reading that stayed the same for `quiet`: the board after the effects of the last input.
    Board Settled(std::chrono::milliseconds quiet = 300ms);
    // Reads until `ready` holds for a reading; that reading, or nullopt at the deadline.
    template <typename Pred>
    std::optional<Board> ReadWhen(Pred ready, std::chrono::milliseconds deadline = kPatience) {
        std::optional<Board> seen;
        WaitUntil(
            [&] {
                Board b = Read();
                if (!ready(b)) return false;
                seen = std::move(b);
                return true;
            },
            deadline);
        return seen;
    }
    // The figure that has just entered a board whose rows 1 and 2 were empty: four blocks there,
    // one of them in row 1, and a figure waiting in the box.
    Figure WaitForNewFigure();
    // The blocks of a reading that are not in `before`.
    static Figure NewBlocks(const Board& now, const Board& before);

    void Keys(const std::vector<std::string>& keyNames) { x_.Keys(keyNames); }
    Point CellCentre(int n) const;
    // Moves the pointer onto the window's grey margin, where it touches no display cell.
    void ParkPointer();

    // Opens the menu bar menu `menu` (0 "Игра", 1 "Настройки") and walks down the text items
    // `path` (separators not counted); the last one is clicked.
    void Choose(int menu, const std::vector<int>& path);
    // Opens the menus along `path` without clicking its last entry, and reads the innermost popup.
    PopupMenu Open(int menu, const std::vector<int>& path);
    // Closes every open popup with Escape.
    void CloseMenus();
    // Clicks the caption of menu bar menu `menu`, which opens it or, when open, closes it.
    void ClickMenuBar(int menu);

private:
    PopupMenu ReadPopup(Window popup);
    std::vector<Point> MenuBarCaptions();

    XSession& x_;
    Process process_;
    Window window_ = 0;
    Rect client_;
    int menuBarHeight_ = 0;
    std::vector<Point> captions_;  // read once, before a menu highlights its caption
};

// The menus of the bar, and the text items under "Настройки" by their index, separators not
// counted.
namespace menu {
inline constexpr int kGame = 0;
inline constexpr int kOptions = 1;
inline constexpr int kEsc = 1;
inline constexpr int kEscClose = 3;  // "Закрыть игру"
inline constexpr int kSpeed = 2;
inline constexpr int kBackground = 3;
inline constexpr int kBackgroundLight = 1;  // "Светлый"
inline constexpr int kMouse = 6;            // "Управлять мышкой"
inline constexpr int kSize = 0;
inline constexpr int kColours = 4;
inline constexpr int kFigures = 5;
// The speed submenu lists "[PAGE UP] [+]", levels 20 down to 1, "[PAGE DOWN] [-]".
constexpr int SpeedItem(int level) { return 1 + (20 - level); }
constexpr int SpeedLevel(int item) { return 21 - item; }
}  // namespace menu

}  // namespace blokka::e2e
