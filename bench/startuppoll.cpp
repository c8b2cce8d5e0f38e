// quarnix-startup-poll PROGRAM [ARG...]
//
// Starts PROGRAM on the X server named by DISPLAY and asks that server every 2 ms
// whether a new top-level window has become viewable; prints the milliseconds from
// the start to the first answer that shows one, then ends the program. A window
// manager would reparent top-level windows, so the server should run without one,
// as bench/startup.sh runs it.

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr long pollNanoseconds = 2'000'000;
constexpr double timeoutMilliseconds = 20'000;

double millisecondsSince(const timespec& start)
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - start.tv_sec) * 1e3 + double(now.tv_nsec - start.tv_nsec) / 1e6;
}

void pause(long nanoseconds)
{
    const timespec span {0, nanoseconds};
    nanosleep(&span, nullptr);
}

// A server busy with the last program's goodbye now and then turns a new client
// away; the timing has not started yet, so asking again costs nothing.
xcb_connection_t* connectToServer()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        if (!xcb_connection_has_error(connection))
            return connection;
        xcb_disconnect(connection);
        pause(10'000'000);
    }
    return nullptr;
}

// The viewable children of the root window, the requests sent before the first
// answer is read so one poll costs about one round trip.
std::set<xcb_window_t> viewableTopLevels(xcb_connection_t* connection, xcb_window_t root)
{
    std::set<xcb_window_t> viewable;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (!tree)
        return viewable;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int count = xcb_query_tree_children_length(tree);
    std::vector<xcb_get_window_attributes_cookie_t> cookies;
    for (int k = 0; k < count; ++k)
        cookies.push_back(xcb_get_window_attributes(connection, children[k]));
    for (int k = 0; k < count; ++k) {
        xcb_get_window_attributes_reply_t* attributes
            = xcb_get_window_attributes_reply(connection, cookies[k], nullptr);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            viewable.insert(children[k]);
        std::free(attributes);
    }
    std::free(tree);
    return viewable;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: quarnix-startup-poll PROGRAM [ARG...]\n");
        return 2;
    }
    xcb_connection_t* connection = connectToServer();
    if (!connection) {
        std::fprintf(stderr, "quarnix-startup-poll: cannot reach the X server\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::set<xcb_window_t> before = viewableTopLevels(connection, root);

    timespec start {};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1;
    bool ended = false;
    while (mapped < 0 && !ended && millisecondsSince(start) < timeoutMilliseconds) {
        for (const xcb_window_t window : viewableTopLevels(connection, root)) {
            if (!before.count(window))
                mapped = millisecondsSince(start);
        }
        ended = mapped < 0 && waitpid(child, nullptr, WNOHANG) == child;
        if (mapped < 0 && !ended)
            pause(pollNanoseconds);
    }
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    xcb_disconnect(connection);
    if (mapped < 0) {
        std::fprintf(stderr, "quarnix-startup-poll: %s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", mapped);
    return 0;
}
