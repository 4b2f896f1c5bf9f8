// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches the screen of an X server the way a player's eye would: it grabs the screen about once
// a millisecond through shared memory and looks for the program's pixels.
//
//   x11_probe startup RRGGBB PROGRAM [ARGS...]
//     Starts PROGRAM, waits for its first frame (the first grab of the window's area in which
//     the pixels of colour RRGGBB reach 90% of the most the run ever shows), notes the CPU time the
//     program had used by then, lets it settle, reads its resident memory, ends it and waits until
//     it has exited. Prints one line of key=value figures.
//
//   x11_probe keys COUNT
//     Presses Left and Right in turn, COUNT times, through the XTest extension, and times each
//     press until the screen differs from the grab taken just before it. Prints the median and
//     the spread in milliseconds, and how many presses changed nothing.
//
//   x11_probe keep-playing SECONDS
//     Keeps a game in the window at the top left running for SECONDS: a running game changes
//     the picture at every tick, so when it has stood still for a fifth of a second the game is
//     over and F2 starts a new one. Prints the new games, the share of the time the game ran
//     and the picture changes a second while it ran, which are its ticks a second.

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "x11_client.h"

namespace {

using namespace blokka::x11;

double NowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

long StatusKb(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
            return std::strtol(line.c_str() + length + 1, nullptr, 10);
        }
    }
    return -1;
}

// CPU time all threads of `pid` have run so far, in milliseconds: unlike the time on the clock,
// it barely changes when other work on the machine competes for the cores.
double CpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr) return -1;
    double ns = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double run = 0;
        if (schedstat >> run) ns += run;
    }
    closedir(dir);
    return ns / 1e6;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Without a window manager every window opens at the top left; this area covers the game's
// window at every cell size. Grabbing no more than that keeps the probe's own load on the X
// server, which the measured program waits on, small.
Rect Screen(const Client& x) {
    return {0, 0, DisplayWidth(x.display, 0), DisplayHeight(x.display, 0)};
}
Rect WindowArea(const Client& x) {
    return {0, 0, std::min(420, Screen(x).width), std::min(660, Screen(x).height)};
}

std::size_t Count(const Picture& grab, std::uint32_t rgb) {
    return std::size_t(std::count_if(grab.pixels.begin(), grab.pixels.end(),
                                     [rgb](std::uint32_t p) { return (p & 0xffffff) == rgb; }));
}

int Startup(Client& x, std::uint32_t rgb, const Strings& program) {
    const std::size_t before = Count(x.Take(WindowArea(x)), rgb);

    const double start = NowMs();
    Process child(program);

    // Time and pixel count of every grab until the window has stood still for a while.
    struct Frame {
        double ms;
        std::size_t count;
        double cpuMs;  // read only when the picture changed
    };
    std::vector<Frame> frames;
    frames.reserve(20000);
    double firstSeen = -1;
    constexpr double kSettleMs = 1000;
    constexpr double kGiveUpMs = 15000;
    for (double next = start;; next += 1.0) {
        const Picture grab = x.Take(WindowArea(x));
        const double now = NowMs();
        const std::size_t count = Count(grab, rgb);
        const std::size_t shown = count > before ? count - before : 0;
        const bool changed = frames.empty() || frames.back().count != shown;
        frames.push_back({now - start, shown, changed ? CpuMs(child.pid) : -1});
        if (shown > 0 && firstSeen < 0) firstSeen = now;
        if (firstSeen >= 0 && now - firstSeen > kSettleMs) break;
        // A program that ends before it shows anything (Blokka does when it finds another
        // instance of itself running) has no first frame.
        if (firstSeen < 0 && !child.Running()) {
            std::printf("first_frame_ms=none exited=1\n");
            return 3;
        }
        if (now - start > kGiveUpMs) break;
        const double wait = next + 1.0 - NowMs();
        if (wait > 0) SleepMs(wait);
    }

    std::size_t most = 0;
    for (const Frame& f : frames) most = std::max(most, f.count);
    // X11_PROBE_TRACE=1 shows how the picture built up, grab by grab.
    if (std::getenv("X11_PROBE_TRACE") != nullptr) {
        std::size_t last = 0;
        for (const Frame& f : frames) {
            if (f.count != last) std::fprintf(stderr, "%8.1f ms  %zu pixels\n", f.ms, f.count);
            last = f.count;
        }
    }
    const auto first = std::find_if(frames.begin(), frames.end(), [&](const Frame& f) {
        return most > 0 && f.count * 10 >= most * 9;
    });
    const long rss = StatusKb(child.pid, "VmRSS");
    const long hwm = StatusKb(child.pid, "VmHWM");
    child.Kill();  // the next run may start only once this instance is gone

    if (first == frames.end()) {
        std::printf("first_frame_ms=none rss_kb=%ld hwm_kb=%ld\n", rss, hwm);
        return 1;
    }
    std::printf("first_frame_ms=%.1f cpu_ms=%.1f rss_kb=%ld hwm_kb=%ld pixels=%zu\n", first->ms,
                first->cpuMs, rss, hwm, most);
    return 0;
}

int Keys(Client& x, int count) {
    std::vector<std::uint32_t> before(x.Take(Screen(x)).pixels.size());
    std::vector<double> latencies;
    int unchanged = 0;
    constexpr double kGiveUpMs = 250;
    for (int i = 0; i < count; ++i) {
        std::ranges::copy(x.Take(Screen(x)).pixels, before.begin());

        const double start = NowMs();
        x.Keys({i % 2 == 0 ? "Left" : "Right"});
        double seen = -1;
        while (NowMs() - start < kGiveUpMs) {
            SleepMs(0.5);
            if (!std::ranges::equal(before, x.Take(Screen(x)).pixels)) {
                seen = NowMs() - start;
                break;
            }
        }
        if (seen < 0) {
            ++unchanged;
        } else {
            latencies.push_back(seen);
        }
        // Let the window come to rest, at an uneven pace so as not to beat with its timer.
        SleepMs(40 + (i * 7) % 23);
    }
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) {
        return latencies.empty() ? 0.0
                                 : latencies[static_cast<std::size_t>(
                                       q * static_cast<double>(latencies.size() - 1))];
    };
    std::printf("median_ms=%.2f min_ms=%.2f p90_ms=%.2f max_ms=%.2f presses=%zu unchanged=%d\n",
                Median(latencies), at(0), at(0.9), at(1), latencies.size(), unchanged);
    return latencies.empty() ? 1 : 0;
}

int KeepPlaying(Client& x, double seconds) {
    constexpr double kGrabMs = 20;         // under half the shortest tick of 50 ms
    constexpr double kStandstillMs = 200;  // four ticks of the fastest speed without a change

    const double start = NowMs();
    double lastChange = start;
    double stillMs = 0;  // time the game stood over, up to each F2
    int newGames = 0;
    long changes = 0;
    const auto first = x.Take(WindowArea(x)).pixels;
    std::vector<std::uint32_t> last(first.begin(), first.end());
    for (double next = start + kGrabMs; next - start < seconds * 1e3; next += kGrabMs) {
        const double wait = next - NowMs();
        if (wait > 0) SleepMs(wait);
        const auto grab = x.Take(WindowArea(x)).pixels;
        const double now = NowMs();
        if (!std::ranges::equal(last, grab)) {
            std::ranges::copy(grab, last.begin());
            lastChange = now;
            ++changes;
        } else if (now - lastChange >= kStandstillMs) {
            x.Keys({"F2"});
            ++newGames;
            stillMs += now - lastChange;
            lastChange = now;
        }
    }
    const double totalMs = NowMs() - start;
    const double runningMs = std::max(totalMs - stillMs, 1.0);
    std::printf("new_games=%d running_pct=%.1f ticks_per_s=%.1f\n", newGames,
                100 * runningMs / totalMs, static_cast<double>(changes) * 1e3 / runningMs);
    return changes > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    try {
        Client x;
        if (mode == "startup" && argc > 3) {
            return Startup(x, std::uint32_t(std::strtoul(argv[2], nullptr, 16)),
                           {argv + 3, argv + argc});
        } else if (mode == "keys" && argc > 2) {
            return Keys(x, std::atoi(argv[2]));
        } else if (mode == "keep-playing" && argc > 2) {
            return KeepPlaying(x, std::atof(argv[2]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "x11_probe: %s\n", e.what());
        return 2;
    }
    std::fprintf(stderr,
                 "usage: x11_probe startup RRGGBB PROGRAM [ARGS...]\n"
                 "       x11_probe keys COUNT\n"
                 "       x11_probe keep-playing SECONDS\n");
    return 2;
}
