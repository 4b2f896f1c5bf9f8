#pragma once
// The real program as a player meets it, on a private virtual X server: found by its title,
// read back from screen pixels through Xlib, driven by real input through xdotool (XTEST).

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace blokka::e2e {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

// Polls `ready` until it holds or the deadline, generous for a loaded machine, passes.
template <typename Ready>
bool WaitUntil(Ready ready, std::chrono::milliseconds deadline = 15s) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (; !ready(); std::this_thread::sleep_for(15ms))
        if (std::chrono::steady_clock::now() > end) return false;
    return true;
}

// A child process on the session's display, killed when this object goes or the test dies.
class Process {
public:
    explicit Process(Strings argv) {
        std::vector<char*> args;
        for (auto& a : argv) args.push_back(a.data());
        args.push_back(nullptr);
        const pid_t parent = getpid();
        if ((pid_ = fork()) != 0) return;
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        const int devNull = open("/dev/null", O_RDWR);
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(devNull, fd);
        execvp(args[0], args.data());
        _exit(127);
    }
    ~Process() { Kill(); }

    bool Running() { return !(reaped_ = reaped_ || waitpid(pid_, &status_, WNOHANG) == pid_); }
    bool WaitExit(std::chrono::milliseconds deadline = 15s) {
        return WaitUntil([this] { return !Running(); }, deadline);
    }
    void Kill() {
        if (!reaped_) kill(pid_, SIGKILL);
        reaped_ = reaped_ || waitpid(pid_, &status_, 0) == pid_;
    }
    // The exit code of a process that ended by itself; -1 while it runs or after a signal.
    int ExitCode() { return !Running() && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1; }

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

struct Point {
    int x = 0, y = 0;
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Pixels as 0xRRGGBB, row by row.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

class XSession {
public:
    XSession() {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
        server_.emplace(Strings{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                "1280x1024x24", "-nolisten", "tcp", "-noreset"});
        close(fds[1]);
        // The server writes its display number once it accepts connections, or dies.
        FILE* told = fdopen(fds[0], "r");
        int number = -1;
        std::string display;
        if (std::fscanf(told, "%d", &number) == 1)
            display.append(":").append(std::to_string(number));
        std::fclose(told);
        dpy_ = XOpenDisplay(display.c_str());
        if (display.empty() || dpy_ == nullptr) throw std::runtime_error("no X server");
        // Every later child meets this server: not the offscreen platform of the unit tests.
        setenv("DISPLAY", display.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        // Windows come and go while the tests look at them; a vanished one is not a failure.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
    }
    ~XSession() { XCloseDisplay(dpy_); }

    Image Grab(Rect r) {
        XImage* xi = XGetImage(dpy_, DefaultRootWindow(dpy_), r.x, r.y, unsigned(r.width),
                               unsigned(r.height), AllPlanes, ZPixmap);
        if (xi == nullptr) throw std::runtime_error("XGetImage failed");
        Image image{r.width, r.height, {}};
        for (int i = 0; i < r.width * r.height; ++i) {
            image.pixels.push_back(XGetPixel(xi, i % r.width, i / r.width) & 0xffffff);
        }
        XDestroyImage(xi);
        return image;
    }

    // Mapped top-level windows, lowest first: the popup menus, or else those titled `title`.
    std::vector<std::pair<Window, Rect>> Mapped(bool popups, const std::string& title = "") {
        Window root = 0, parent = 0, *kids = nullptr;
        unsigned int n = 0;
        XQueryTree(dpy_, DefaultRootWindow(dpy_), &root, &parent, &kids, &n);
        std::vector<std::pair<Window, Rect>> found;
        for (unsigned int i = 0; i < n; ++i) {
            XWindowAttributes a{};
            XTextProperty name{};
            XGetWindowAttributes(dpy_, kids[i], &a);
            if (a.map_state != IsViewable || (a.override_redirect != 0) != popups) continue;
            if (!popups) XGetTextProperty(dpy_, kids[i], &name, Intern("_NET_WM_NAME"));
            const std::string text(reinterpret_cast<char*>(name.value), name.nitems);
            if (popups || text == title) found.push_back({kids[i], {a.x, a.y, a.width, a.height}});
            XFree(name.value);
        }
        XFree(kids);
        return found;
    }

    // Asks the window to close as a window manager's close box does.
    void RequestClose(Window window) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = Intern("WM_PROTOCOLS");
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(Intern("WM_DELETE_WINDOW"));
        XSendEvent(dpy_, window, False, NoEventMask, &e);
        XFlush(dpy_);
    }
    // Counts the top-level windows mapped since the last call.
    int TakeMapCount() {
        XSync(dpy_, False);
        int maps = 0;
        for (XEvent e; XCheckTypedEvent(dpy_, MapNotify, &e);) maps += !e.xmap.override_redirect;
        return maps;
    }

    // Real input through XTEST; xdotool syncs with the server before it exits.
    void Xdotool(Strings args) {
        args.insert(args.begin(), "xdotool");
        if (!Process(args).WaitExit()) throw std::runtime_error("xdotool hangs");
    }
    void Keys(Strings keys) {
        keys.insert(keys.begin(), {"key", "--delay", "30"});
        Xdotool(keys);
    }
    void MovePointer(Point p) { Xdotool({"mousemove", std::to_string(p.x), std::to_string(p.y)}); }
    void Click(Point p, int button) {
        MovePointer(p);
        Xdotool({"click", std::to_string(button)});
    }

    // Held keys repeat after `delay` milliseconds every `interval` milliseconds, on every
    // keyboard including the one XTEST drives; false if the server keeps other values.
    bool SetAutoRepeat(unsigned delay, unsigned interval) {
        XAutoRepeatOn(dpy_);
        XkbSetAutoRepeatRate(dpy_, XkbUseCoreKbd, delay, interval);
        unsigned setDelay = 0, setInterval = 0;
        XkbGetAutoRepeatRate(dpy_, XkbUseCoreKbd, &setDelay, &setInterval);
        return setDelay == delay && setInterval == interval;
    }

private:
    Atom Intern(const char* name) { return XInternAtom(dpy_, name, False); }

    std::optional<Process> server_;
    Display* dpy_ = nullptr;
};

inline constexpr char kTitle[] = "Блокка";
inline constexpr int kCell = 18;  // the cell size the window opens with
inline constexpr std::uint32_t kWindowGrey = 0x808080;

// The middle of a display cell in the client area: 1..200 the board, 201..208 the box.
inline Point Middle(int n) {
    constexpr int kIn = 5 + kCell / 2;
    if (n <= 200) return {kIn + kCell * ((n - 1) % 10), kIn + kCell * ((n - 1) / 10)};
    return {kIn + 5 + kCell * (10 + (n - 201) % 4), kIn + kCell * ((n - 201) / 4)};
}

// The ink in each row (or column) of `area`: pixels whose channels differ from the most common
// colour by more than `threshold` together, which anti-aliasing fringes do not.
inline std::vector<int> Ink(const Image& image, Rect area, bool perRow, int threshold = 90) {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t p : image.pixels) ++counts[p];
    const std::uint32_t background =
        std::ranges::max_element(counts, {}, [](const auto& c) { return c.second; })->first;
    std::vector<int> ink(size_t(perRow ? image.height : image.width));
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            int diff = 0;
            for (int s = 0; s <= 16; s += 8)
                diff += std::abs(int(p >> s & 255) - int(background >> s & 255));
            ink[size_t(perRow ? y : x)] += diff > threshold;
        }
    }
    return ink;
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
            const auto k = std::ranges::find(kLooks, client.At(Middle(n).x, Middle(n).y));
            look_[size_t(n - 1)] = k == kLooks.end() ? kUnknown : int(k - kLooks.begin()) + 1;
        }
    }

    int At(int n) const { return look_[size_t(n - 1)]; }
    static bool Block(int look) { return look >= 1 && look <= 7; }
    // Cells from..to that show a block, ascending.
    std::vector<int> Blocks(int from = 1, int to = 200) const {
        std::vector<int> cells;
        for (int n = from; n <= to; ++n)
            if (Block(At(n))) cells.push_back(n);
        return cells;
    }
    bool AllEmpty(int from = 1, int to = 208) const {
        return std::all_of(&look_[size_t(from - 1)], &look_[size_t(to - 1)] + 1,
                           [](int k) { return k >= kFlat; });
    }
    friend bool operator==(const Board&, const Board&) = default;

private:
    // The block faces red, orange, yellow, green, light blue, blue, violet; empty insides.
    static constexpr std::array<std::uint32_t, 10> kLooks = {0xe70000, 0xe75d00, 0xe7e700, 0x00e700,
                                                             0x5abae7, 0x0000e7, 0xbd00e7, 0xc6c3c6,
                                                             0xe7ffff, 0x313431};
    std::array<int, 208> look_{};
};

// A figure as seen: its board cells, ascending.
using Cells = std::vector<int>;
inline int RowOf(int n) { return (n - 1) / 10 + 1; }
inline int ColumnOf(int n) { return (n - 1) % 10 + 1; }
inline int MinColumn(const Cells& c) { return ColumnOf(std::ranges::min(c, {}, ColumnOf)); }
inline Cells Shifted(Cells cells, int rows, int columns) {
    for (int& n : cells) n += 10 * rows + columns;
    return cells;
}
// The cells moved to the top left corner.
inline Cells Shape(const Cells& cells) {
    if (cells.empty()) return cells;
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
            if (std::accumulate(&marks[items[i].first], &marks[items[i].second], 0) >= 5)
                checked.push_back(int(i));
        }
        return checked;
    }
};

// The program under test: the one this build made, or the one named by BLOKKA_UNDER_TEST (an
// installed copy, say).
inline std::string BinaryUnderTest() {
    const char* chosen = std::getenv("BLOKKA_UNDER_TEST");
    return chosen != nullptr && *chosen != '\0' ? chosen : BLOKKA_BINARY;
}

class Blokka {
public:
    explicit Blokka(XSession& x) : Blokka(x, {BinaryUnderTest()}) {}
    // The program started by `command` (under a checker, say) that may take `patience` for
    // every step a player waits for.
    Blokka(XSession& x, Strings command, std::chrono::milliseconds patience = 15s)
        : x_(x), process_(std::move(command)), patience_(patience) {
        // The client area is grey up from its bottom left corner to the menu bar.
        const bool shown = WaitUntil(
            [&] {
                const auto windows = x_.Mapped(false, kTitle);
                if (windows.size() != 1) return false;
                std::tie(window_, frame_) = windows[0];
                const Image w = x_.Grab(frame_);
                int top = frame_.height;
                while (top > 1 && w.At(2, top - 1) == kWindowGrey) --top;
                client_ = {frame_.x, frame_.y + top, frame_.width, frame_.height - top};
                return top > 1 && top + 5 + kCell < w.height && w.At(14, top + 14) != kWindowGrey;
            },
            patience_);
        if (!shown) throw std::runtime_error("the window titled Блокка did not show its board");
        // A window manager hands the keyboard to a new window; there is none on this display.
        x_.Xdotool({"windowfocus", "--sync", std::to_string(window_)});
        ParkPointer();
    }

    Process& process() { return process_; }
    Rect client() const { return client_; }

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
    // The board once the effects of `keys` (or of the last input) are all painted.
    Board After(const Strings& keys = {}) {
        if (!keys.empty()) x_.Keys(keys);
        Board b = Read();
        for (Board next = Changed(b, 300ms); !(next == b); next = Changed(b, 300ms)) b = next;
        return b;
    }
    Point CellCentre(int n) const { return {client_.x + Middle(n).x, client_.y + Middle(n).y}; }
    // Moves the pointer onto the window's grey margin, where it touches no display cell.
    void ParkPointer() { x_.MovePointer({client_.x + 2, client_.y + client_.height - 2}); }

    // Clicks the caption of menu `menu` (0 "Игра", 1 "Настройки"): it opens or closes.
    void ClickMenuBar(int menu) {
        const int height = client_.y - frame_.y;
        if (captions_.empty()) {
            // Runs of columns inked in the middle rows, clear of the borders, over letter gaps.
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
    void Choose(int menu, const std::vector<int>& path) {
        x_.Click(Open(menu, {path.begin(), path.end() - 1}).Centre(path.back()), 1);
        WaitUntil([&] { return x_.Mapped(true).empty(); }, patience_);
        ParkPointer();
    }
    // Closes every open popup with Escape, one per level: a surplus one would reach the game.
    void CloseMenus() {
        for (size_t open = x_.Mapped(true).size(); open > 0; --open) {
            x_.Keys({"Escape"});
            WaitUntil([&] { return x_.Mapped(true).size() < open; }, patience_);
        }
        ParkPointer();
    }

private:
    // The innermost of `depth` open popups, read until two readings agree.
    PopupMenu ReadPopup(size_t depth) {
        PopupMenu menu;
        size_t last = 0;
        WaitUntil(
            [&] {
                const auto open = x_.Mapped(true);
                if (open.size() != depth) return false;
                menu.rect = open.back().second;
                menu.image = x_.Grab(menu.rect);
                const int width = menu.rect.width - 6;
                const auto rows = Ink(menu.image, {3, 3, width, menu.rect.height - 6}, true);
                // Runs of inked rows are items, but thin ones across the width are separator lines.
                menu.items = Runs(rows, 2);
                std::erase_if(menu.items, [&](const auto& run) {
                    return run.second - run.first <= 3 && rows[size_t(run.first)] > width * 3 / 5;
                });
                return std::exchange(last, menu.items.size()) == menu.items.size() && last > 0;
            },
            patience_);
        return menu;
    }

    XSession& x_;
    Process process_;
    std::chrono::milliseconds patience_;
    Window window_ = 0;
    Rect frame_, client_;
    std::vector<std::pair<int, int>> captions_;  // read once, before a menu highlights one
};

enum Menu { kGame, kOptions };  // the bar's; items below are counted from 0, separators left out

}  // namespace blokka::e2e
