// Starts a program and reports, as "<milliseconds> <VmRSS kB> <CPU milliseconds>", the
// time from launch to the first map of a top-level window on $DISPLAY, the program's
// resident memory one second later and the processor time all its threads had used
// when the window mapped (steadier than the wall time on a busy machine); then ends
// the program.
//
// With a reparenting window manager the program's own window is mapped inside the
// manager's frame, and that map is reported to the window itself, not to the root; the
// frame's map is reported to the root. So every window created on the root is watched
// for its own map too, and the first map of either kind ends the wait.
// Override-redirect windows (menus, tooltips, drag icons) do not count.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Nanoseconds on the processor, summed over the threads: the first field of schedstat.
double ProcessorMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (folder == nullptr) {
        return -1;
    }
    double nanoseconds = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) {
            nanoseconds += onCpu;
        }
    }
    closedir(folder);
    return nanoseconds / 1e6;
}

bool Exited(pid_t pid, int* status) {
    return waitpid(pid, status, WNOHANG) == pid;
}

void Finish(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (!Exited(pid, &status)) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "launch_to_map: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so the selection is in force before the program starts.
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("launch_to_map: fork");
        return 2;
    }
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        std::perror("launch_to_map: exec");
        _exit(127);
    }

    const int fd = xcb_get_file_descriptor(x);
    const auto deadline = start + std::chrono::seconds(30);
    Clock::time_point mapped{};
    double processorMs = 0;
    bool found = false;
    while (!found) {
        int status = 0;
        if (Exited(pid, &status)) {
            std::fprintf(stderr, "launch_to_map: %s ended before it mapped a window\n", argv[1]);
            return 1;
        }
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (event == nullptr) {
            if (xcb_connection_has_error(x)) {
                std::fprintf(stderr, "launch_to_map: lost the display\n");
                Finish(pid);
                return 2;
            }
            if (Clock::now() > deadline) {
                std::fprintf(stderr, "launch_to_map: no window mapped within 30 s\n");
                Finish(pid);
                return 1;
            }
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1, 100);
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* create = reinterpret_cast<const xcb_create_notify_event_t*>(event);
            if (create->parent == root && !create->override_redirect) {
                const uint32_t own = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(x, create->window, XCB_CW_EVENT_MASK, &own);
                xcb_flush(x);
            }
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                mapped = Clock::now();
                processorMs = ProcessorMilliseconds(pid);
                found = true;
            }
        }
        free(event);
    }

    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = ResidentKilobytes(pid);
    Finish(pid);
    xcb_disconnect(x);
    const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
    std::printf("%.1f %ld %.1f\n", ms, rss, processorMs);
    return 0;
}
