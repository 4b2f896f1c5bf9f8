#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <utility>

namespace blokka::e2e {

bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(15ms);
    }
    return true;
}

Process::Process(const std::vector<std::string>& argv, const std::string& display, int keepFd) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
        // The program must meet the real X server, not the offscreen platform of the unit tests.
        unsetenv("QT_QPA_PLATFORM");
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        if (getenv("BLOKKA_E2E_VERBOSE") == nullptr) dup2(devNull, STDERR_FILENO);
        for (int fd = 3; fd < 256; ++fd) {
            if (fd != keepFd) close(fd);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
}

Process::~Process() { Kill(); }

bool Process::Running() {
    if (pid_ <= 0 || reaped_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
}

bool Process::WaitExit(std::chrono::milliseconds deadline) {
    return WaitUntil([this] { return !Running(); }, deadline);
}

void Process::Kill() {
    if (pid_ <= 0 || reaped_) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    reaped_ = true;
}

void Image::SavePpm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (const std::uint32_t p : pixels) {
        const char rgb[3] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8),
                             static_cast<char>(p)};
        out.write(rgb, 3);
    }
}

namespace {

// Reads the display number the server writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char c = 0;
        if (read(fd, &c, 1) != 1) break;
        if (c == '\n') return number;
        number += c;
    }
    throw std::runtime_error("the X server did not report its display");
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

std::optional<std::string> Utf8Property(Display* dpy, Window w, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, property, 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<char*>(data), count);
    XFree(data);
    return text;
}

std::optional<long> CardinalProperty(Display* dpy, Window w, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, property, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    std::optional<long> value;
    if (count == 1) value = *reinterpret_cast<long*>(data);
    XFree(data);
    return value;
}

std::vector<Window> Children(Display* dpy) {
    Window root = 0;
    Window parent = 0;
    Window* kids = nullptr;
    unsigned int n = 0;
    std::vector<Window> result;
    if (XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &kids, &n) == 0) return result;
    result.assign(kids, kids + n);
    if (kids != nullptr) XFree(kids);
    return result;
}

}  // namespace

XSession::XSession() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    server_.emplace(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                 "1280x1024x24", "-nolisten", "tcp", "-noreset"},
        "", fds[1]);
    close(fds[1]);
    display_ = ":" + ReadDisplayNumber(fds[0]);
    close(fds[0]);
    dpy_ = XOpenDisplay(display_.c_str());
    if (dpy_ == nullptr) throw std::runtime_error("cannot open display " + display_);
    // Windows come and go while the tests look at them; a vanished window is not a failure.
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
}

XSession::~XSession() {
    if (dpy_ != nullptr) XCloseDisplay(dpy_);
}

Image XSession::Grab(Rect area) {
    XImage* xi =
        XGetImage(dpy_, DefaultRootWindow(dpy_), area.x, area.y, static_cast<unsigned>(area.width),
                  static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (xi == nullptr) throw std::runtime_error("XGetImage failed");
    Image image{area.width, area.height, {}};
    image.pixels.reserve(static_cast<size_t>(area.width * area.height));
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            image.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(xi, x, y) & 0xffffff));
        }
    }
    XDestroyImage(xi);
    return image;
}

Rect XSession::Geometry(Window window) {
    XWindowAttributes a{};
    if (XGetWindowAttributes(dpy_, window, &a) == 0) return {};
    Window child = 0;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(dpy_, window, DefaultRootWindow(dpy_), 0, 0, &x, &y, &child);
    return {x, y, a.width, a.height};
}

std::vector<Window> XSession::WindowsTitled(const std::string& title, pid_t pid) {
    const Atom netName = XInternAtom(dpy_, "_NET_WM_NAME", False);
    const Atom netPid = XInternAtom(dpy_, "_NET_WM_PID", False);
    std::vector<Window> found;
    for (const Window w : Children(dpy_)) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(dpy_, w, &a) == 0 || a.map_state != IsViewable ||
            a.override_redirect) {
            continue;
        }
        if (Utf8Property(dpy_, w, netName) != title) continue;
        if (pid != 0 && CardinalProperty(dpy_, w, netPid) != pid) continue;
        found.push_back(w);
    }
    return found;
}

std::vector<Window> XSession::Popups() {
    std::vector<Window> found;
    for (const Window w : Children(dpy_)) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(dpy_, w, &a) != 0 && a.map_state == IsViewable &&
            a.override_redirect) {
            found.push_back(w);
        }
    }
    return found;
}

void XSession::RequestClose(Window window) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(dpy_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy_, window, False, NoEventMask, &e);
    XFlush(dpy_);
}

int XSession::TakeMapCount() {
    XSync(dpy_, False);
    while (XPending(dpy_) > 0) {
        XEvent e;
        XNextEvent(dpy_, &e);
        if (e.type == MapNotify && !e.xmap.override_redirect) ++maps_;
    }
    return std::exchange(maps_, 0);
}

void XSession::Xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    Process tool(argv, display_);
    if (!tool.WaitExit()) throw std::runtime_error("xdotool did not finish");
}

void XSession::Keys(const std::vector<std::string>& keyNames) {
    std::vector<std::string> args{"key", "--delay", "30"};
    args.insert(args.end(), keyNames.begin(), keyNames.end());
    Xdotool(args);
}

Point XSession::Pointer() {
    Window root = 0;
    Window child = 0;
    Point at;
    int wx = 0;
    int wy = 0;
    unsigned int mask = 0;
    XQueryPointer(dpy_, DefaultRootWindow(dpy_), &root, &child, &at.x, &at.y, &wx, &wy, &mask);
    return at;
}

void XSession::MovePointer(int x, int y) {
    // Waits for the move itself: xdotool's own wait never ends when the pointer is there already.
    auto there = [&] {
        const Point at = Pointer();
        return at.x == x && at.y == y;
    };
    if (there()) return;
    Xdotool({"mousemove", std::to_string(x), std::to_string(y)});
    if (!WaitUntil(there)) throw std::runtime_error("the pointer did not move");
}

void XSession::Click(int x, int y, int button) {
    MovePointer(x, y);
    Xdotool({"click", std::to_string(button)});
}

}  // namespace blokka::e2e
