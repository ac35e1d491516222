// Starts a program and measures it from outside, for the start-up benchmark:
//
//   tazune-bench-map-timer PROGRAM [ARG...]
//
// prints "map_ms M cpu_ms C pss_kb P": the milliseconds from just before the program is executed
// until the X server maps its first top-level window, the processor time the program's threads
// had used by then, and its proportional set size three seconds after that. The processor time
// hardly depends on what else the machine runs, unlike the time to the map. The map is seen as the
// server's MapNotify event on the root window, which the server sends while it carries out the map,
// so the figure does not depend on a polling interval; what is left is the wake-up of this process,
// well under a millisecond on an idle core. Without a window manager a top-level window is a child
// of the root window.

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int SettleSeconds = 3;
constexpr int ExitWaitSteps = 50; // of 100 ms
constexpr int ChildCheckMs = 100;
// Woken before the program's threads, so that the processor time is read as close to the map as
// the scheduler allows; the program itself runs at the usual priority.
constexpr int OwnNiceness = -10;

double nowMs()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

long pssKilobytes(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = -1;
    while (rollup >> key) {
        if (key == "Pss:") {
            rollup >> value;
            return value;
        }
        rollup.ignore(1 << 20, '\n');
    }
    return -1;
}

// The processor time of all the program's threads so far, from the scheduler's nanosecond counts.
double cpuMilliseconds(pid_t pid)
{
    double total = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double runNanoseconds = 0;
        if (stat >> runNanoseconds)
            total += runNanoseconds / 1e6;
    }
    return total;
}

void endChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int step = 0; step < ExitWaitSteps; ++step) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(100 * 1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The time of the first map of a top-level window, or -1 when the program or the display ends
// first.
double waitForFirstMap(xcb_connection_t* connection, xcb_window_t root, pid_t pid)
{
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const double seen = nowMs();
            const bool firstMap =
                (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                reinterpret_cast<xcb_map_notify_event_t*>(event)->event == root &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (firstMap)
                return seen;
        }
        if (xcb_connection_has_error(connection) || waitpid(pid, nullptr, WNOHANG) == pid)
            return -1;
        poll(&display, 1, ChildCheckMs);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: tazune-bench-map-timer PROGRAM [ARG...]\n", stderr);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fputs("tazune-bench-map-timer: cannot open the display\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    // The server must have taken the mask before the program starts, or an early map is missed.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection, xcb_change_window_attributes_checked(
                                          connection, root, XCB_CW_EVENT_MASK, &mask)),
        &std::free);
    if (error) {
        std::fputs("tazune-bench-map-timer: cannot watch the root window\n", stderr);
        return 1;
    }

    // Not allowed without privileges; the figures are then only less exact.
    setpriority(PRIO_PROCESS, 0, OwnNiceness);
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 1;
    }
    if (pid == 0) {
        setpriority(PRIO_PROCESS, 0, 0);
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }

    const double mapped = waitForFirstMap(connection, root, pid);
    const double cpu = cpuMilliseconds(pid);
    if (mapped < 0) {
        std::fputs("tazune-bench-map-timer: the program mapped no window\n", stderr);
        endChild(pid);
        return 1;
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
        std::fputs("tazune-bench-map-timer: the program ended after mapping its window\n", stderr);
        return 1;
    }
    sleep(SettleSeconds);
    const long pss = pssKilobytes(pid);
    endChild(pid);
    xcb_disconnect(connection);
    std::printf("map_ms %.3f cpu_ms %.3f pss_kb %ld\n", mapped - start, cpu, pss);
    return pss < 0 ? 1 : 0;
}
