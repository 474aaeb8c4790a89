// SPDX-License-Identifier: MIT
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// Starts a program RUNS times and measures, from outside, the time until its
// window with the given title is mapped and the resident memory once it is
// shown (after a short settling time for the first paint):
//   velmora-startup-probe RUNS TITLE PROGRAM [ARGUMENTS...]
// The title matches when the window's name starts with it (Qt may append the
// application's display name). Prints one line per run and then the medians,
// each as "startup_ms=<ms> rss_kib=<KiB>" (the last line starts "median").

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTimeout = std::chrono::seconds(30);
constexpr auto kSettle = std::chrono::milliseconds(500);

std::string windowName(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, property, type, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (reply == nullptr)
        return {};
    const std::string name(static_cast<const char *>(xcb_get_property_value(reply)),
                           static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return name;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t value = reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

struct Sample {
    double startupMs = 0;
    long rssKib = 0;
};

std::optional<Sample> measure(const std::string &title, char **command)
{
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("velmora-startup-probe: cannot connect to the X display\n", stderr);
        xcb_disconnect(connection);
        return std::nullopt;
    }
    const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8String = atom(connection, "UTF8_STRING");
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execvp(command[0], command);
        std::fprintf(stderr, "velmora-startup-probe: cannot start %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }

    std::optional<Sample> sample;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!sample && Clock::now() - start < kTimeout) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "velmora-startup-probe: %s ended before showing its window\n", command[0]);
            xcb_disconnect(connection);
            return std::nullopt;
        }
        poll(&watch, 1, 20);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !sample) {
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                const Clock::time_point mapped = Clock::now();
                std::string name = windowName(connection, window, netWmName, utf8String);
                if (name.empty())
                    name = windowName(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
                if (name.starts_with(title))
                    sample = Sample{std::chrono::duration<double, std::milli>(mapped - start).count(), 0};
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection) != 0)
            break;
    }
    xcb_disconnect(connection);
    if (sample) {
        std::this_thread::sleep_for(kSettle);
        sample->rssKib = residentKib(pid);
    } else {
        std::fprintf(stderr, "velmora-startup-probe: no window \"%s\" within %lld s\n", title.c_str(),
                     static_cast<long long>(kTimeout.count()));
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return sample;
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const long runs = argc > 3 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (runs <= 0) {
        std::fputs("usage: velmora-startup-probe RUNS TITLE PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    std::vector<double> times;
    std::vector<long> memory;
    for (long i = 0; i < runs; ++i) {
        const std::optional<Sample> sample = measure(argv[2], argv + 3);
        if (!sample)
            return 1;
        times.push_back(sample->startupMs);
        memory.push_back(sample->rssKib);
        std::printf("run startup_ms=%.2f rss_kib=%ld\n", sample->startupMs, sample->rssKib);
    }
    std::printf("median startup_ms=%.2f rss_kib=%ld\n", median(times), median(memory));
    return 0;
}
