#pragma once
// A private X display for one test process: a virtual X server on a free display number, an Xlib
// connection that reads pixels and lists windows, and real input through xdotool (XTEST). Every
// child process dies with the test process, also when a test aborts.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace blokka::e2e {

using namespace std::chrono_literals;

// The deadline every wait for something on screen or in a process gets: generous, because a
// loaded machine may be slow, while a wait that succeeds returns as soon as it can.
inline constexpr std::chrono::milliseconds kPatience = 15s;

// Polls `ready` until it answers true or `deadline` passes; answers its last verdict.
bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds deadline = kPatience);

// A child process; killed with SIGKILL when this object goes, and by the kernel when the test
// process dies first.
class Process {
public:
    Process(const std::vector<std::string>& argv, const std::string& display, int keepFd = -1);
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    pid_t pid() const { return pid_; }
    bool Running();
    bool WaitExit(std::chrono::milliseconds deadline = kPatience);
    void Kill();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Pixels as 0xRRGGBB, row by row.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    void SavePpm(const std::string& path) const;
};

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& display() const { return display_; }

    Image Grab(Rect area);
    Rect Geometry(Window window);  // outer rectangle in root coordinates
    // Mapped top-level windows titled `title` (UTF-8), optionally only those of process `pid`.
    std::vector<Window> WindowsTitled(const std::string& title, pid_t pid = 0);
    // Mapped override-redirect windows: the open popup menus, in stacking order (lowest first).
    std::vector<Window> Popups();
    // Asks the window to close as a window manager's close box does (WM_DELETE_WINDOW).
    void RequestClose(Window window);
    // Counts the top-level windows mapped since the last call.
    int TakeMapCount();

    // Real input through the XTEST extension.
    void Xdotool(const std::vector<std::string>& args);
    void Keys(const std::vector<std::string>& keyNames);
    Point Pointer();
    void MovePointer(int x, int y);
    void Click(int x, int y, int button);

private:
    std::optional<Process> server_;
    std::string display_;
    Display* dpy_ = nullptr;
    int maps_ = 0;
};

}  // namespace blokka::e2e
