// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small X11 client for the tests and the benchmarks: a private Xvfb, the top-level windows,
// screen grabs and real input through the XTEST extension.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/shm.h>

#include <cstdlib>
#include <optional>
#include <utility>

#include "client_basics.h"

namespace blokka::x11 {

using namespace support;

// A connection to the X server of $DISPLAY, or to a private Xvfb started for it and ended with
// it (DISPLAY names it from then on).
struct Client : Desktop {
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
    ~Client() { Release(), XCloseDisplay(display); }

    // The top-level windows mapped since the last call, of which the last is given the keyboard
    // as a window manager would.
    int TakeShown() override {
        int mapped = 0;
        for (XEvent e; XSync(display, False) && XPending(display) > 0;)
            if (XNextEvent(display, &e) == 0 && e.type == MapNotify && !e.xmap.override_redirect)
                shown = e.xmap.window, ++mapped;
        XWindowAttributes a{};
        XTextProperty name{};
        if (shown == 0 || XGetWindowAttributes(display, shown, &a) == 0) return mapped;
        XGetTextProperty(display, shown, &name, Atom("_NET_WM_NAME"));
        place = {a.x, a.y, a.width, a.height}, title = name.value ? (char*)name.value : "";
        XFree(name.value), XSetInputFocus(display, shown, RevertToParent, CurrentTime);
        return mapped;
    }
    ::Atom Atom(const char* name) { return XInternAtom(display, name, False); }

    // Real input: keys by X name ("Left", "F2", "p") or code, the pointer and its buttons.
    unsigned Code(const std::string& name) {
        return XKeysymToKeycode(display, XStringToKeysym(name.c_str()));
    }
    void Key(unsigned code, bool down) { XTestFakeKeyEvent(display, code, down, 0); }
    void Keys(const Strings& names) override {
        for (const auto& name : names) Key(Code(name), true), Key(Code(name), false);
        XFlush(display);
    }
    void Click(int x, int y, unsigned button = 0) override {
        XTestFakeMotionEvent(display, 0, x, y, 0);
        for (const bool down : {true, false})
            if (button != 0) XTestFakeButtonEvent(display, button, down, 0);
        XFlush(display);
    }

    // An area of the screen, valid until the next is taken: through shared memory, about a
    // millisecond for a whole screen, where the server can attach it, else over the connection.
    Picture Take(Rect area) override {
        const auto [x, y, w, h] = area;
        if (image == nullptr || image->width != w || image->height != h) {
            Release();
            image = XShmCreateImage(display, DefaultVisual(display, 0), 24, ZPixmap, 0, &shm,
                                    unsigned(w), unsigned(h));
            shm.shmaddr = image->data = static_cast<char*>(
                shmat(shm.shmid = shmget(IPC_PRIVATE, size_t(w * h * 4), 0600), 0, 0));
            shared = XShmQueryExtension(display) && XShmAttach(display, &shm) && XSync(display, 0);
            shmctl(shm.shmid, IPC_RMID, nullptr);  // freed once both sides have let go of it
        }
        const Window root = DefaultRootWindow(display);
        if (!shared) XGetSubImage(display, root, x, y, w, h, AllPlanes, ZPixmap, image, 0, 0);
        if (shared) XShmGetImage(display, root, image, x, y, AllPlanes);
        return {w, h, 1, {reinterpret_cast<const std::uint32_t*>(image->data), size_t(w * h)}};
    }
    void Release() {
        if (image != nullptr && shared) XShmDetach(display, &shm);
        if (image != nullptr) shmdt(std::exchange(image->data, nullptr)), XDestroyImage(image);
    }

    std::optional<Process> server;  // ended after the connection has closed
    Display* display;
    Window shown = 0;
    XShmSegmentInfo shm{};
    XImage* image = nullptr;
    bool shared = false;
};

}  // namespace blokka::x11
