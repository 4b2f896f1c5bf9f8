// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the display clients of the tests and the benchmarks share: child processes ended with
// them however they end, waits on what can be seen rather than on time, and what the end-to-end
// tests do on a display server, X11 or Wayland.

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace blokka::support {

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
    void Kill() { ended = ended || (kill(pid, SIGKILL), waitpid(pid, &status, 0) == pid); }
    // Its exit code once it has ended by itself, waited for up to `patience`, else -1.
    int WaitExit(std::chrono::seconds patience = 20s) {
        WaitUntil([&] { return !Running(); }, patience);
        return !Running() && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    pid_t pid;
    int status = 0;
    bool ended = false;
};

// What the shell's `command` writes to its standard output, or "" if it fails. Those run here
// are clients of a display server, which end with it.
inline std::string Output(const std::string& command) {
    std::string out;
    FILE* const pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    for (char chunk[1 << 16]; const size_t n = fread(chunk, 1, sizeof chunk, pipe);)
        out.append(chunk, n);
    return pclose(pipe) == 0 ? out : "";
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// A picture of an area of the screen, `scale` pixels to a point, 0xRRGGBB row by row below a top
// byte of no meaning, kept by the client that took it until it takes the next.
struct Picture {
    int width = 0, height = 0, scale = 1;
    std::span<const std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[size_t(y * width + x)] & 0xffffff; }
};

// A display server as the end-to-end tests drive it, in points of its screen.
struct Desktop {
    virtual ~Desktop() = default;
    // How many top-level windows have shown since the last call; then `title`, `place` (its
    // frame included) and, on Wayland, the application id `app` tell of the one shown last as it
    // is now.
    virtual int TakeShown() = 0;
    virtual void Keys(const Strings& names) = 0;  // real key presses by X names ("Left", "p")
    // The pointer onto `x`, `y`, and a click of `button` (1 left, 2 middle, 3 right) unless 0.
    virtual void Click(int x, int y, unsigned button = 0) = 0;
    virtual Picture Take(Rect area) = 0;

    std::string title, app;
    Rect place;
};

}  // namespace blokka::support
