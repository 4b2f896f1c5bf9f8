// Watches the screen of an X server the way a player's eye would: it grabs the whole screen
// about once a millisecond through shared memory and looks for the program's pixels.
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

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <dirent.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ms / 1e3);
    ts.tv_nsec = static_cast<long>((ms - static_cast<double>(ts.tv_sec) * 1e3) * 1e6);
    nanosleep(&ts, nullptr);
}

// The whole root window, grabbed into one shared-memory image that is reused for every grab.
class ScreenGrabber {
public:
    // The whole screen, or its top left `width` by `height` pixels.
    explicit ScreenGrabber(Display* display, int width = 0, int height = 0) : display_(display) {
        const int screen = DefaultScreen(display);
        root_ = RootWindow(display, screen);
        width = width > 0 ? std::min(width, DisplayWidth(display, screen))
                          : DisplayWidth(display, screen);
        height = height > 0 ? std::min(height, DisplayHeight(display, screen))
                            : DisplayHeight(display, screen);
        image_ =
            XShmCreateImage(display, DefaultVisual(display, screen),
                            static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, nullptr,
                            &shm_, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image_ == nullptr || image_->bits_per_pixel != 32) {
            std::fprintf(stderr, "x11_probe: needs a 24-bit screen with shared memory\n");
            std::exit(2);
        }
        shm_.shmid =
            shmget(IPC_PRIVATE, static_cast<size_t>(image_->bytes_per_line * image_->height),
                   IPC_CREAT | 0600);
        shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
        shm_.readOnly = False;
        XShmAttach(display, &shm_);
        XSync(display, False);
        shmctl(shm_.shmid, IPC_RMID, nullptr);  // freed as soon as both sides detach
    }
    ~ScreenGrabber() {
        XShmDetach(display_, &shm_);
        shmdt(shm_.shmaddr);
        image_->data = nullptr;
        XDestroyImage(image_);
    }
    ScreenGrabber(const ScreenGrabber&) = delete;
    ScreenGrabber& operator=(const ScreenGrabber&) = delete;

    void Grab() { XShmGetImage(display_, root_, image_, 0, 0, AllPlanes); }

    std::size_t PixelCount() const {
        return static_cast<std::size_t>(image_->width) * static_cast<std::size_t>(image_->height);
    }
    const std::uint32_t* Pixels() const {
        return reinterpret_cast<const std::uint32_t*>(image_->data);
    }

    std::size_t Count(std::uint32_t rgb) const {
        const std::uint32_t* pixels = Pixels();
        return static_cast<std::size_t>(
            std::count_if(pixels, pixels + PixelCount(),
                          [rgb](std::uint32_t p) { return (p & 0xffffff) == rgb; }));
    }

private:
    Display* display_;
    Window root_;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
};

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
constexpr int kWindowAreaWidth = 420;
constexpr int kWindowAreaHeight = 660;

int Startup(Display* display, std::uint32_t rgb, char** program) {
    ScreenGrabber grabber(display, kWindowAreaWidth, kWindowAreaHeight);
    grabber.Grab();
    const std::size_t before = grabber.Count(rgb);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(program[0], program);
        std::perror("x11_probe: exec");
        _exit(127);
    }

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
        grabber.Grab();
        const double now = NowMs();
        const std::size_t count = grabber.Count(rgb);
        const std::size_t shown = count > before ? count - before : 0;
        const bool changed = frames.empty() || frames.back().count != shown;
        frames.push_back({now - start, shown, changed ? CpuMs(pid) : -1});
        if (shown > 0 && firstSeen < 0) firstSeen = now;
        if (firstSeen >= 0 && now - firstSeen > kSettleMs) break;
        // A program that ends before it shows anything (Blokka does when it finds another
        // instance of itself running) has no first frame.
        int status = 0;
        if (firstSeen < 0 && waitpid(pid, &status, WNOHANG) == pid) {
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
    double firstFrame = -1;
    double cpuAtFirstFrame = -1;
    for (const Frame& f : frames) {
        if (most > 0 && f.count * 10 >= most * 9) {
            firstFrame = f.ms;
            cpuAtFirstFrame = f.cpuMs;
            break;
        }
    }
    const long rss = StatusKb(pid, "VmRSS");
    const long hwm = StatusKb(pid, "VmHWM");

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);  // the next run may start only once this instance is gone

    if (firstFrame < 0) {
        std::printf("first_frame_ms=none rss_kb=%ld hwm_kb=%ld\n", rss, hwm);
        return 1;
    }
    std::printf("first_frame_ms=%.1f cpu_ms=%.1f rss_kb=%ld hwm_kb=%ld pixels=%zu\n", firstFrame,
                cpuAtFirstFrame, rss, hwm, most);
    return 0;
}

int Keys(Display* display, int count) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "x11_probe: the X server lacks XTest\n");
        return 2;
    }
    ScreenGrabber grabber(display);
    std::vector<std::uint32_t> before(grabber.PixelCount());
    const KeyCode keys[2] = {XKeysymToKeycode(display, XK_Left),
                             XKeysymToKeycode(display, XK_Right)};

    std::vector<double> latencies;
    int unchanged = 0;
    constexpr double kGiveUpMs = 250;
    for (int i = 0; i < count; ++i) {
        grabber.Grab();
        std::copy(grabber.Pixels(), grabber.Pixels() + grabber.PixelCount(), before.begin());

        const double start = NowMs();
        XTestFakeKeyEvent(display, keys[i % 2], True, CurrentTime);
        XTestFakeKeyEvent(display, keys[i % 2], False, CurrentTime);
        XFlush(display);
        double seen = -1;
        while (NowMs() - start < kGiveUpMs) {
            SleepMs(0.5);
            grabber.Grab();
            if (!std::equal(before.begin(), before.end(), grabber.Pixels())) {
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

int KeepPlaying(Display* display, double seconds) {
    ScreenGrabber grabber(display, kWindowAreaWidth, kWindowAreaHeight);
    std::vector<std::uint32_t> last(grabber.PixelCount());
    const KeyCode newGame = XKeysymToKeycode(display, XK_F2);
    constexpr double kGrabMs = 20;         // under half the shortest tick of 50 ms
    constexpr double kStandstillMs = 200;  // four ticks of the fastest speed without a change

    const double start = NowMs();
    double lastChange = start;
    double stillMs = 0;  // time the game stood over, up to each F2
    int newGames = 0;
    long changes = 0;
    grabber.Grab();
    std::copy(grabber.Pixels(), grabber.Pixels() + grabber.PixelCount(), last.begin());
    for (double next = start + kGrabMs; next - start < seconds * 1e3; next += kGrabMs) {
        const double wait = next - NowMs();
        if (wait > 0) SleepMs(wait);
        grabber.Grab();
        const double now = NowMs();
        if (!std::equal(last.begin(), last.end(), grabber.Pixels())) {
            std::copy(grabber.Pixels(), grabber.Pixels() + grabber.PixelCount(), last.begin());
            lastChange = now;
            ++changes;
        } else if (now - lastChange >= kStandstillMs) {
            XTestFakeKeyEvent(display, newGame, True, CurrentTime);
            XTestFakeKeyEvent(display, newGame, False, CurrentTime);
            XFlush(display);
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
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || !XShmQueryExtension(display)) {
        std::fprintf(stderr, "x11_probe: no X display with shared memory\n");
        return 2;
    }
    int result = 2;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc > 3) {
        result = Startup(display, static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 16)),
                         argv + 3);
    } else if (mode == "keys" && argc > 2) {
        result = Keys(display, std::atoi(argv[2]));
    } else if (mode == "keep-playing" && argc > 2) {
        result = KeepPlaying(display, std::atof(argv[2]));
    } else {
        std::fprintf(stderr,
                     "usage: x11_probe startup RRGGBB PROGRAM [ARGS...]\n"
                     "       x11_probe keys COUNT\n"
                     "       x11_probe keep-playing SECONDS\n");
    }
    XCloseDisplay(display);
    return result;
}
