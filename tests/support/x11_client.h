// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small X11 client for the tests and the benchmarks: a private Xvfb, child processes, the
// top-level windows, screen grabs and real input through the XTEST extension.

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace blokka::x11 {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

// Polls `ready` until it holds or `deadline`, generous for a loaded machine, has passed.
bool WaitUntil(auto ready, std::chrono::milliseconds deadline = 20s) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (; !ready(); std::this_thread::sleep_for(5ms))
        if (std::chrono::steady_clock::now() > end) return false;
    return true;
}

// A child process, its output discarded or its standard output into `out`, killed when this
// object goes or its parent dies, however that ends: a crash, a time-out's kill or Ctrl-C.
struct Process {
    explicit Process(const Strings& argv, int out = -1) {
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        const pid_t parent = getpid();
        if ((pid = fork()) != 0) return;
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(1);  // the parent died before it could be told
        for (const int fd : {0, 1, 2})
            dup2(fd == 1 && out >= 0 ? out : open("/dev/null", O_RDWR), fd);
        _exit(execvp(args[0], args.data()));
    }
    ~Process() { Kill(); }
    bool Running() { return !(ended = ended || waitpid(pid, &status, WNOHANG) == pid); }
    bool WaitExit(std::chrono::seconds d = 20s) {
        return WaitUntil([&] { return !Running(); }, d);
    }
    void Kill() { ended = ended || (kill(pid, SIGKILL), waitpid(pid, &status, 0) == pid); }
    // The exit code of a process that ended by itself, else -1.
    int ExitCode() { return !Running() && WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

    pid_t pid;
    int status = 0;
    bool ended = false;
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// An area of the screen, grabbed again and again into one image: through shared memory, about
// a millisecond for a whole screen, where the server can attach it, else over the connection.
struct Grab {
    Grab(Display* display, Rect area) : display(display), area(area) {
        const auto w = unsigned(area.width), h = unsigned(area.height);
        image = XShmCreateImage(display, DefaultVisual(display, 0), 24, ZPixmap, 0, &shm, w, h);
        shm.shmaddr = image->data =
            static_cast<char*>(shmat(shm.shmid = shmget(IPC_PRIVATE, w * h * 4, 0600), 0, 0));
        shared = XShmQueryExtension(display) && XShmAttach(display, &shm) && XSync(display, 0);
        shmctl(shm.shmid, IPC_RMID, nullptr);  // freed once both sides have let go of it
    }
    ~Grab() {
        if (shared) XShmDetach(display, &shm);
        shmdt(std::exchange(image->data, nullptr)), XDestroyImage(image);
    }
    void Take() {
        const auto [x, y, w, h] = area;
        if (!shared) XGetSubImage(display, root, x, y, w, h, AllPlanes, ZPixmap, image, 0, 0);
        if (shared) XShmGetImage(display, root, image, x, y, AllPlanes);
    }
    // Pixels as 0xRRGGBB below a top byte of no meaning, row by row.
    const std::uint32_t* begin() const { return reinterpret_cast<std::uint32_t*>(image->data); }
    const std::uint32_t* end() const { return begin() + area.width * area.height; }
    std::uint32_t At(int x, int y) const { return begin()[y * area.width + x] & 0xffffff; }

    Display* display;
    Rect area;
    Window root = DefaultRootWindow(display);
    XShmSegmentInfo shm{};
    XImage* image;
    bool shared;
};

// A connection to the X server of $DISPLAY, or to a private Xvfb started for it and ended with
// it (DISPLAY names it from then on).
struct Client {
    explicit Client(bool ownServer = false) {
        if (ownServer) {
            // Xvfb tells its number once it takes connections, through a pipe. Picking its own
            // number it takes no lock, and would take over the socket file of a server outside
            // its network namespace: its clients use the abstract socket alone.
            int told[2];
            if (pipe2(told, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
            server.emplace(
                Strings{"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-nolisten", "unix"},
                told[1]);
            close(told[1]);
            // The whole line: the server writes the newline apart, and a closed pipe ends it.
            std::string number = ":";
            for (char c = 0; read(told[0], &c, 1) == 1 && c != '\n';) number += c;
            close(told[0]);
            if (number.size() == 1) throw std::runtime_error("no Xvfb");
            setenv("DISPLAY", number.c_str(), 1);
            unsetenv("QT_QPA_PLATFORM");  // not the offscreen platform of the Qt tests
            // Without a session bus Qt would have one started for the display, which would
            // outlive the test; the programs on this server have none.
            setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
        }
        if ((display = XOpenDisplay(nullptr)) == nullptr) throw std::runtime_error("no X server");
        // Windows come and go while they are looked at: a vanished one is no failure.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask),
            XSync(display, 0);
    }
    ~Client() { XCloseDisplay(display); }

    // The top-level windows mapped since the last call; a window's place and title.
    std::vector<Window> TakeMapped() {
        std::vector<Window> mapped;
        for (XEvent e; XSync(display, False) && XPending(display) > 0;)
            if (XNextEvent(display, &e) == 0 && e.type == MapNotify && !e.xmap.override_redirect)
                mapped.push_back(e.xmap.window);
        return mapped;
    }
    Rect Place(Window window) {
        XWindowAttributes a{};
        return XGetWindowAttributes(display, window, &a), Rect{a.x, a.y, a.width, a.height};
    }
    std::string Title(Window window) {
        XTextProperty name{};
        XGetTextProperty(display, window, &name, Atom("_NET_WM_NAME"));
        const std::string title = name.value ? reinterpret_cast<char*>(name.value) : "";
        return XFree(name.value), title;
    }
    // Gives a window the keyboard, or asks it to close, as a window manager would.
    void Focus(Window window) { XSetInputFocus(display, window, RevertToParent, CurrentTime); }
    void Close(Window window) {
        XEvent e{.xclient = {ClientMessage, 0, 0, display, window, Atom("WM_PROTOCOLS"), 32, {}}};
        e.xclient.data.l[0] = long(Atom("WM_DELETE_WINDOW"));
        XSendEvent(display, window, False, NoEventMask, &e), XFlush(display);
    }
    ::Atom Atom(const char* name) { return XInternAtom(display, name, False); }

    // Real input: keys by code or X name ("Left", "F2", "p"), the pointer and its buttons.
    void Key(unsigned code, bool down) {
        XTestFakeKeyEvent(display, code, down, 0), XFlush(display);
    }
    void Key(const std::string& name, bool down) {
        Key(XKeysymToKeycode(display, XStringToKeysym(name.c_str())), down);
    }
    void Keys(const Strings& names) {
        for (const auto& name : names) Key(name, true), Key(name, false);
    }
    void Click(int x, int y, unsigned button = 0) {
        XTestFakeMotionEvent(display, 0, x, y, 0);
        for (const bool down : {true, false})
            if (button != 0) XTestFakeButtonEvent(display, button, down, 0);
        XFlush(display);
    }

    std::optional<Process> server;  // ended after the connection has closed
    Display* display;
};

}  // namespace blokka::x11
