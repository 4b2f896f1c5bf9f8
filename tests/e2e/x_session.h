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
template <typename Ready>
bool WaitUntil(Ready ready, std::chrono::milliseconds deadline = 15s) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (; !ready(); std::this_thread::sleep_for(15ms)) {
        if (std::chrono::steady_clock::now() > end) return false;
    }
    return true;
}

// A child process on the session's display, killed with SIGKILL when this object goes or the
// test process dies.
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
    Process(const Process&) = delete;
    ~Process() { Kill(); }

    bool Running() { return !(reaped_ = reaped_ || waitpid(pid_, nullptr, WNOHANG) == pid_); }
    bool WaitExit() {
        return WaitUntil([this] { return !Running(); });
    }
    void Kill() {
        if (!reaped_) kill(pid_, SIGKILL);
        reaped_ = reaped_ || waitpid(pid_, nullptr, 0) == pid_;
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
        const std::string display =
            std::fscanf(told, "%d", &number) == 1 ? ":" + std::to_string(number) : "";
        std::fclose(told);
        dpy_ = XOpenDisplay(display.c_str());
        if (display.empty() || dpy_ == nullptr) throw std::runtime_error("no X server");
        // Every later child meets this server, the program too: not the offscreen platform of
        // the unit tests.
        setenv("DISPLAY", display.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        // Windows come and go while the tests look at them; a vanished one is not a failure.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
    }
    XSession(const XSession&) = delete;
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

    // Mapped top-level windows (their parent is the root), lowest first: the override-redirect
    // ones, which are the open popup menus, or else the ones titled `title` (UTF-8).
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
            const std::string text(name.value ? reinterpret_cast<char*>(name.value) : "",
                                   name.nitems);
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
        for (XEvent e; XPending(dpy_) > 0;) {
            XNextEvent(dpy_, &e);
            maps += e.type == MapNotify && !e.xmap.override_redirect ? 1 : 0;
        }
        return maps;
    }

    // Real input through XTEST; xdotool syncs with the server before it exits.
    void Xdotool(Strings args) {
        args.insert(args.begin(), "xdotool");
        if (!Process(args).WaitExit()) throw std::runtime_error("xdotool hangs");
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
    Atom Intern(const char* name) { return XInternAtom(dpy_, name, False); }

    std::optional<Process> server_;
    Display* dpy_ = nullptr;
};

}  // namespace blokka::e2e
