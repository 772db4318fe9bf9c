// wait_for_window: starts a program on the current X display and measures the time until it maps
// its first top-level window and until it first draws into it, optionally the time until a key
// typed right after the map shows, then its memory and the OpenGL libraries it has loaded.
//
// Usage: wait_for_window [--settle MS] [--timeout MS] [--key 0|1] -- PROGRAM [ARGS...]
// Prints one line "map_us=N paint_us=N input_us=N key_us=N cpu_us=N rss_kb=N settled_rss_kb=N
// anon_kb=N private_kb=N libs=N gl_driver=NAME,...|- gl_stubs=NAME,...|-" and exits 0.
// cpu_us is the processor time of all the program's threads when it mapped, which stays
// meaningful on a busy machine; paint_us is -1 when nothing was drawn before the time-out.
// settled_rss_kb, anon_kb (anonymous) and private_kb (private dirty: what no other process can
// share; a library's clean pages count as private only while no other process maps it, so they
// are left out) are read --settle MS after the map (default 1000).
//
// With --key 1, the waiter gives the mapped window the X input focus (as a window manager would)
// and types "7" through XTEST at once; the program is started with ZEMTRIX_INPUT_PROBE=1 and its
// stdout on a pipe, and writes "input" there when its line's text first changes. input_us is that
// moment, key_us the first drawing into the window after it (the digit on the screen); both are
// -1 when it did not come before the time-out.
// On a time-out before the map or an early exit of the program it prints a message on stderr and
// exits 1. The program is always ended (SIGTERM, then SIGKILL) before this one returns.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

struct TOptions {
    Milliseconds Settle{1000};
    Milliseconds Timeout{10000};
    bool TypesKey = false;
    char** Command = nullptr;
};

struct TWatch {
    Display* Connection = nullptr;
    Atom WmPid = None;
    int DamageEventBase = 0;
    // Damage of every top-level window since its creation; re-armed after each report, so that
    // every drawing is reported, not only the first.
    std::map<Window, Damage> Damages;
};

std::optional<TOptions> ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            options.Command = argv + i + 1;
            return options;
        }
        if (i + 1 >= argc) return std::nullopt;
        const long value = std::strtol(argv[++i], nullptr, 10);
        if (value < 0) return std::nullopt;
        if (arg == "--settle")
            options.Settle = Milliseconds(value);
        else if (arg == "--timeout")
            options.Timeout = Milliseconds(value);
        else if (arg == "--key")
            options.TypesKey = value != 0;
        else
            return std::nullopt;
    }
    return std::nullopt;
}

// A window can vanish between its MapNotify and our property query; Xlib's default handler
// would end this process for that.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

std::optional<TWatch> WatchRootWindow(bool ATypesKey) {
    TWatch watch;
    // A display that has just started, or is busy with the previous program's exit, may refuse
    // a connection for a moment.
    for (int attempt = 0; attempt < 20 && watch.Connection == nullptr; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(Milliseconds(50));
        watch.Connection = XOpenDisplay(nullptr);
    }
    if (watch.Connection == nullptr) return std::nullopt;
    XSetErrorHandler(IgnoreXError);
    // The started program must not inherit our X connection.
    fcntl(ConnectionNumber(watch.Connection), F_SETFD, FD_CLOEXEC);
    watch.WmPid = XInternAtom(watch.Connection, "_NET_WM_PID", False);
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(watch.Connection, &watch.DamageEventBase, &damageErrorBase))
        return std::nullopt;
    int xtest = 0;
    if (ATypesKey && !XTestQueryExtension(watch.Connection, &xtest, &xtest, &xtest, &xtest))
        return std::nullopt;
    XSelectInput(watch.Connection, DefaultRootWindow(watch.Connection), SubstructureNotifyMask);
    XSync(watch.Connection, False);
    return watch;
}

// Windows without _NET_WM_PID are taken as the program's: the display is expected to be ours alone.
bool IsOwnedBy(const TWatch& watch, Window window, pid_t pid) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(watch.Connection, window, watch.WmPid, 0, 1, False,
                                          XA_CARDINAL, &type, &format, &count, &remaining, &data);
    bool owned = true;
    if (status == Success && data != nullptr && format == 32 && count == 1)
        owned = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    if (data != nullptr) XFree(data);
    return owned;
}

// Damage is tracked from a window's creation on, so that no drawing can slip past before its map.
void TrackDamage(TWatch& watch, const XCreateWindowEvent& created) {
    if (created.parent == DefaultRootWindow(watch.Connection) && !created.override_redirect)
        watch.Damages[created.window] =
            XDamageCreate(watch.Connection, created.window, XDamageReportNonEmpty);
}

std::optional<Window> TakeOwnMapEvent(TWatch& watch, pid_t pid) {
    while (XPending(watch.Connection) > 0) {
        XEvent event;
        XNextEvent(watch.Connection, &event);
        if (event.type == CreateNotify) TrackDamage(watch, event.xcreatewindow);
        if (event.type != MapNotify || event.xmap.override_redirect) continue;
        if (IsOwnedBy(watch, event.xmap.window, pid)) return event.xmap.window;
    }
    return std::nullopt;
}

bool TakeDamageEvent(const TWatch& watch, Window window) {
    while (XPending(watch.Connection) > 0) {
        XEvent event;
        XNextEvent(watch.Connection, &event);
        if (event.type != watch.DamageEventBase + XDamageNotify) continue;
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        XDamageSubtract(watch.Connection, damage.damage, None, None);
        if (damage.drawable == window) return true;
    }
    return false;
}

// Gives the window the focus and types one digit into it.
void TypeKey(const TWatch& watch, Window window) {
    Display* connection = watch.Connection;
    XSetInputFocus(connection, window, RevertToPointerRoot, CurrentTime);
    const KeyCode seven = XKeysymToKeycode(connection, XK_7);
    XTestFakeKeyEvent(connection, seven, True, CurrentTime);
    XTestFakeKeyEvent(connection, seven, False, CurrentTime);
    XFlush(connection);
}

bool TakeProbeLine(int probe) {
    char buffer[64];
    pollfd readable{probe, POLLIN, 0};
    if (poll(&readable, 1, 0) <= 0) return false;
    const ssize_t count = read(probe, buffer, sizeof buffer);
    return count > 0 &&
           std::string_view(buffer, std::size_t(count)).find("input") != std::string_view::npos;
}

bool HasExited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Blocks on the X connection in short slices so that an early death of the program is noticed.
template <typename TTake>
auto WaitFor(const TWatch& watch, pid_t pid, Clock::time_point deadline, TTake take, int probe = -1)
    -> decltype(take()) {
    std::array<pollfd, 2> sources{pollfd{ConnectionNumber(watch.Connection), POLLIN, 0},
                                  pollfd{probe, POLLIN, 0}};
    while (Clock::now() < deadline) {
        if (auto taken = take()) return taken;
        if (HasExited(pid)) break;
        poll(sources.data(), probe >= 0 ? 2 : 1, 20);
    }
    return {};
}

long ReadRssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

struct TPrivateMemory {
    long AnonymousKb = -1;
    long PrivateKb = -1;
};

TPrivateMemory ReadPrivateMemory(pid_t pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    TPrivateMemory memory;
    for (std::string line; std::getline(rollup, line);) {
        const auto value = [&](std::string_view name) {
            return std::strtol(line.c_str() + name.size(), nullptr, 10);
        };
        if (line.starts_with("Anonymous:")) memory.AnonymousKb = value("Anonymous:");
        if (line.starts_with("Private_Dirty:")) memory.PrivateKb = value("Private_Dirty:");
    }
    return memory;
}

long long ReadCpuMicros(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    long long nanos = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long running = 0;
        if (schedstat >> running) nanos += running;
    }
    return nanos / 1000;
}

// The dispatch libraries (libGL, libGLX, libEGL, libOpenGL, libGLdispatch) are small stubs that
// Qt links directly; the costly part is a driver behind them, which only a GL context loads.
constexpr std::array kGlDriverMarkers{"_mesa",    "_nvidia", "/dri/",  "_dri.so",
                                      "libglapi", "libgbm",  "libLLVM"};
constexpr std::array kGlStubMarkers{"libGL.",     "libGLX.",        "libEGL.",
                                    "libOpenGL.", "libGLdispatch.", "libGLES"};

template <std::size_t N>
bool Contains(std::string_view path, const std::array<const char*, N>& markers) {
    for (const char* marker : markers)
        if (path.find(marker) != std::string_view::npos) return true;
    return false;
}

struct TLibraries {
    std::size_t Count = 0;
    std::string GlDrivers;
    std::string GlStubs;
};

std::string JoinedOrDash(const std::set<std::string>& names) {
    std::string joined;
    for (const auto& name : names) joined += (joined.empty() ? "" : ",") + name;
    return joined.empty() ? "-" : joined;
}

TLibraries ScanLibraries(pid_t pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> shared;
    std::set<std::string> drivers;
    std::set<std::string> stubs;
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash == std::string::npos || line.find(".so", slash) == std::string::npos) continue;
        const std::string path = line.substr(slash);
        const std::string name = path.substr(path.rfind('/') + 1);
        shared.insert(path);
        if (Contains(path, kGlDriverMarkers))
            drivers.insert(name);
        else if (Contains(path, kGlStubMarkers))
            stubs.insert(name);
    }
    return {shared.size(), JoinedOrDash(drivers), JoinedOrDash(stubs)};
}

void EndProgram(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + Milliseconds(2000);
    while (Clock::now() < deadline) {
        if (HasExited(pid)) return;
        std::this_thread::sleep_for(Milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The program's environment: ours, with ZEMTRIX_INPUT_PROBE=1 when a key is typed.
std::vector<char*> ProgramEnvironment(bool ATypesKey) {
    static char probe[] = "ZEMTRIX_INPUT_PROBE=1";
    std::vector<char*> variables;
    for (char** variable = environ; *variable != nullptr; ++variable)
        variables.push_back(*variable);
    if (ATypesKey) variables.push_back(probe);
    variables.push_back(nullptr);
    return variables;
}

// Starts the program; with a probe pipe (both ends close-on-exec) its stdout is the write end.
std::optional<pid_t> Start(const TOptions& options, const std::array<int, 2>& probe) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (probe[1] >= 0) posix_spawn_file_actions_adddup2(&actions, probe[1], STDOUT_FILENO);
    std::vector<char*> environment = ProgramEnvironment(options.TypesKey);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, options.Command[0], &actions, nullptr, options.Command,
                                   environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (probe[1] >= 0) close(probe[1]);
    if (error == 0) return pid;
    std::fprintf(stderr, "wait_for_window: cannot start %s: %s\n", options.Command[0],
                 std::strerror(error));
    return std::nullopt;
}

struct TKeyTimes {
    std::optional<Clock::time_point> Taken;
    std::optional<Clock::time_point> Shown;
};

// After the key: the line reports the text change, then the window draws it.
TKeyTimes WaitForKey(const TWatch& watch, pid_t pid, Window window, int probe,
                     Clock::time_point deadline) {
    TKeyTimes times;
    // Drawings before the text changed (the focus, the caret) are not the digit. The line is
    // looked for first: the program reports the change before it draws it, so a drawing dropped
    // after a look that found nothing came before the change (short of a pre-emption between
    // the two; the caret's next blink would then stand for the digit, half a second late).
    const auto takeLine = [&] {
        if (TakeProbeLine(probe)) return true;
        while (TakeDamageEvent(watch, window)) {
        }
        return false;
    };
    if (!WaitFor(watch, pid, deadline, takeLine, probe)) return times;
    times.Taken = Clock::now();
    if (WaitFor(watch, pid, deadline, [&] { return TakeDamageEvent(watch, window); }))
        times.Shown = Clock::now();
    return times;
}

int Measure(const TOptions& options, TWatch& watch) {
    std::array<int, 2> probe{-1, -1};
    if (options.TypesKey && pipe2(probe.data(), O_CLOEXEC) != 0) return 1;
    const auto start = Clock::now();
    const auto started = Start(options, probe);
    if (!started) return 1;
    const pid_t pid = *started;
    const auto window =
        WaitFor(watch, pid, start + options.Timeout, [&] { return TakeOwnMapEvent(watch, pid); });
    if (!window) {
        std::fprintf(stderr, "wait_for_window: %s mapped no window (it exited or timed out)\n",
                     options.Command[0]);
        EndProgram(pid);
        return 1;
    }
    const auto mapped = Clock::now();
    if (options.TypesKey) TypeKey(watch, *window);
    const long long cpu = ReadCpuMicros(pid);
    const long rss = ReadRssKb(pid);
    const bool painted = WaitFor(watch, pid, start + options.Timeout,
                                 [&] { return TakeDamageEvent(watch, *window); });
    const auto paintedAt = Clock::now();
    TKeyTimes key;
    if (options.TypesKey) key = WaitForKey(watch, pid, *window, probe[0], start + options.Timeout);
    std::this_thread::sleep_until(mapped + options.Settle);
    const long settledRss = ReadRssKb(pid);
    const TPrivateMemory privateMemory = ReadPrivateMemory(pid);
    const TLibraries libraries = ScanLibraries(pid);
    EndProgram(pid);
    if (probe[0] >= 0) close(probe[0]);
    const auto micros = [&](std::optional<Clock::time_point> at) {
        if (!at) return -1LL;
        return static_cast<long long>(
            std::chrono::duration_cast<std::chrono::microseconds>(*at - start).count());
    };
    std::printf("map_us=%lld paint_us=%lld input_us=%lld key_us=%lld cpu_us=%lld rss_kb=%ld "
                "settled_rss_kb=%ld anon_kb=%ld private_kb=%ld libs=%zu gl_driver=%s gl_stubs=%s\n",
                micros(mapped), micros(painted ? std::optional(paintedAt) : std::nullopt),
                micros(key.Taken), micros(key.Shown), cpu, rss, settledRss,
                privateMemory.AnonymousKb, privateMemory.PrivateKb, libraries.Count,
                libraries.GlDrivers.c_str(), libraries.GlStubs.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: wait_for_window [--settle MS] [--timeout MS] [--key 0|1] -- PROGRAM "
                     "[ARGS...]\n");
        return 2;
    }
    auto watch = WatchRootWindow(options->TypesKey);
    if (!watch) {
        std::fprintf(
            stderr, "wait_for_window: cannot open the X display, or it lacks the DAMAGE (or XTEST) "
                    "extension\n");
        return 1;
    }
    const int result = Measure(*options, *watch);
    XCloseDisplay(watch->Connection);
    return result;
}
