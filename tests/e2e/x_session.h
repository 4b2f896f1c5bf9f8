#pragma once
// A private X display for one test process: a virtual X server on a free display number, an Xlib
// connection that reads pixels and lists windows, and real input through xdotool (XTEST). Every
// child process dies with the test process, also when a test aborts.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace blokka::e2e {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

// Polls `ready` until it answers true or `deadline` passes, and answers its last verdict. The
// deadline is generous, for a loaded machine; a wait that succeeds returns as soon as it can.
inline bool WaitUntil(const std::function<bool()>& ready,
                      std::chrono::milliseconds deadline = 15s) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(15ms);
    }
    return true;
}

// A child process, killed with SIGKILL when this object goes or the test process dies.
class Process {
public:
    Process(const Strings& argv, const std::string& display, int keepFd = -1) {
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        const pid_t parent = getpid();
        if ((pid_ = fork()) != 0) return;
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
        // The program must meet the real X server, not the offscreen platform of the unit tests.
        unsetenv("QT_QPA_PLATFORM");
        const int devNull = open("/dev/null", O_RDWR);
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(devNull, fd);
        for (int fd = 3; fd < 256; ++fd) {
            if (fd != keepFd) close(fd);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
    Process(const Process&) = delete;
    ~Process() { Kill(); }

    bool Running() { return !(reaped_ = reaped_ || waitpid(pid_, nullptr, WNOHANG) == pid_); }
    bool WaitExit() {
        return WaitUntil([this] { return !Running(); });
    }
    void Kill() {
        if (reaped_) return;
        kill(pid_, SIGKILL);
        reaped_ = waitpid(pid_, nullptr, 0) == pid_;
    }

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

struct Point {
    int x = 0, y = 0;
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Pixels as 0xRRGGBB, row by row.
struct Image {
    int width = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

class XSession {
public:
    XSession() {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
        server_.emplace(Strings{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                        "", fds[1]);
        close(fds[1]);
        // The server writes its display number once it accepts connections, or dies.
        FILE* number = fdopen(fds[0], "r");
        int n = -1;
        if (std::fscanf(number, "%d", &n) == 1) display_ = ":" + std::to_string(n);
        std::fclose(number);
        dpy_ = XOpenDisplay(display_.c_str());
        if (display_.empty() || dpy_ == nullptr) throw std::runtime_error("no X server");
        // Windows come and go while the tests look at them; a vanished one is not a failure.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
    }
    XSession(const XSession&) = delete;
    ~XSession() { XCloseDisplay(dpy_); }

    const std::string& display() const { return display_; }

    Image Grab(Rect r) {
        XImage* xi = XGetImage(dpy_, DefaultRootWindow(dpy_), r.x, r.y, unsigned(r.width),
                               unsigned(r.height), AllPlanes, ZPixmap);
        if (xi == nullptr) throw std::runtime_error("XGetImage failed");
        Image image{r.width, {}};
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x)
                image.pixels.push_back(XGetPixel(xi, x, y) & 0xffffff);
        }
        XDestroyImage(xi);
        return image;
    }

    Rect Geometry(Window window) {  // in root coordinates
        XWindowAttributes a{};
        Window child = 0;
        int x = 0, y = 0;
        if (XGetWindowAttributes(dpy_, window, &a) == 0) return {};
        XTranslateCoordinates(dpy_, window, DefaultRootWindow(dpy_), 0, 0, &x, &y, &child);
        return {x, y, a.width, a.height};
    }

    // Mapped top-level windows titled `title` (UTF-8).
    std::vector<Window> WindowsTitled(const std::string& title) {
        std::vector<Window> found;
        for (const Window w : TopLevel(false)) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* name = nullptr;
            XGetWindowProperty(dpy_, w, XInternAtom(dpy_, "_NET_WM_NAME", False), 0, 1024, False,
                               AnyPropertyType, &type, &format, &count, &after, &name);
            if (name == nullptr) continue;
            if (std::string(reinterpret_cast<char*>(name), count) == title) found.push_back(w);
            XFree(name);
        }
        return found;
    }

    // Mapped override-redirect windows: the open popup menus, lowest first.
    std::vector<Window> Popups() { return TopLevel(true); }

    // Asks the window to close as a window manager's close box does.
    void RequestClose(Window window) {
        XEvent e{};
        e.xclient = {ClientMessage,
                     0,
                     False,
                     dpy_,
                     window,
                     XInternAtom(dpy_, "WM_PROTOCOLS", False),
                     32,
                     {}};
        e.xclient.data.l[0] = long(XInternAtom(dpy_, "WM_DELETE_WINDOW", False));
        XSendEvent(dpy_, window, False, NoEventMask, &e);
        XFlush(dpy_);
    }

    // Counts the top-level windows mapped since the last call.
    int TakeMapCount() {
        XSync(dpy_, False);
        int maps = 0;
        for (XEvent e; XPending(dpy_) > 0;) {
            XNextEvent(dpy_, &e);
            maps += e.type == MapNotify && !e.xmap.override_redirect ? 1 : 0;
        }
        return maps;
    }

    // Real input through XTEST; xdotool syncs with the server before it exits.
    void Xdotool(Strings args) {
        args.insert(args.begin(), "xdotool");
        if (!Process(args, display_).WaitExit()) throw std::runtime_error("xdotool hangs");
    }
    void Keys(const Strings& keyNames) {
        Strings args{"key", "--delay", "30"};
        args.insert(args.end(), keyNames.begin(), keyNames.end());
        Xdotool(args);
    }
    void MovePointer(Point p) { Xdotool({"mousemove", std::to_string(p.x), std::to_string(p.y)}); }
    void Click(Point p, int button) {
        Xdotool({"mousemove", std::to_string(p.x), std::to_string(p.y), "click",
                 std::to_string(button)});
    }

private:
    std::vector<Window> TopLevel(bool overrideRedirect) {
        Window root = 0, parent = 0, *kids = nullptr;
        unsigned int n = 0;
        XQueryTree(dpy_, DefaultRootWindow(dpy_), &root, &parent, &kids, &n);
        std::vector<Window> found;
        for (unsigned int i = 0; i < n; ++i) {
            XWindowAttributes a{};
            if (XGetWindowAttributes(dpy_, kids[i], &a) != 0 && a.map_state == IsViewable &&
                (a.override_redirect != 0) == overrideRedirect) {
                found.push_back(kids[i]);
            }
        }
        if (kids != nullptr) XFree(kids);
        return found;
    }

    std::optional<Process> server_;
    std::string display_;
    Display* dpy_ = nullptr;
};

}  // namespace blokka::e2e
