// The contact book's start as a user meets it: from the exec of Zubo_37 to its main window drawn on
// the X server with the first person shown, on 10,000 and 100,000 persons (half in each data
// folder), and on empty data folders, which leave only the start's fixed cost; side by side with
// the floor, a Qt Widgets program that only shows a window (bare_window) plus reading the same
// person files raw in this process. Needs an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/benchmarks/start_bench
//
// The moment is seen from outside, as any X client sees it: the program's first top-level window is
// mapped, and then the middle row of its pixels on the screen differs from what the screen showed
// there before the program started, that is, the program has drawn the window. The row is read
// from the X server every half millisecond. Each run starts the program afresh and ends it then.
#include "bench_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QRect>
#include <QSize>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

class XServer {
public:
    XServer()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_root = screen->root;
        m_screen = QSize(screen->width_in_pixels, screen->height_in_pixels);
        if (screen->root_depth != 24 && screen->root_depth != 32)
            return; // rows are compared as 4 bytes a pixel
        // Every window mapped on the root.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_c);
        m_ok = true;
    }
    ~XServer()
    {
        if (m_c)
            xcb_disconnect(m_c);
    }
    bool ok() const { return m_ok; }

    // Starts the program and waits until its window is drawn: the seconds from the exec, or a
    // negative number when it did not show a window within half a minute.
    double timeToDrawnWindow(const QByteArray& program)
    {
        discardEvents();
        const std::string before = rowOf(m_root, 0, 0, m_screen.width(), m_screen.height());
        const Clock::time_point start = Clock::now();
        const Clock::time_point deadline = start + std::chrono::seconds(30);
        char* argv[] = {const_cast<char*>(program.constData()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
            return -1;
        double seconds = -1;
        xcb_window_t window = 0;
        while (!window) {
            const auto event = nextEvent(deadline);
            if (!event)
                break;
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->event == m_root && !map->override_redirect)
                window = map->window;
        }
        if (const QRect place = window ? geometry(window) : QRect(); place.isValid()) {
            const int y = place.height() / 2;
            const int screenY = place.y() + y;
            // The screen's row there before the start, clipped to the screen.
            const int left = std::max(place.x(), 0);
            const int right = std::min(place.x() + place.width(), m_screen.width());
            const std::string was =
                before.substr(std::size_t(screenY * m_screen.width() + left) * 4, std::size_t(right - left) * 4);
            while (Clock::now() < deadline) {
                if (rowOf(window, left - place.x(), y, right - left, 1) != was) {
                    seconds = std::chrono::duration<double>(Clock::now() - start).count();
                    break;
                }
                usleep(500);
            }
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        return seconds;
    }

private:
    struct Free {
        void operator()(xcb_generic_event_t* e) const { std::free(e); }
    };
    using Event = std::unique_ptr<xcb_generic_event_t, Free>;

    // Pixels of a window (the root: the screen), 4 bytes each.
    std::string rowOf(xcb_window_t window, int x, int y, int width, int height)
    {
        const auto cookie = xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(x), int16_t(y),
                                          uint16_t(width), uint16_t(height), ~0u);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(m_c, cookie, nullptr);
        if (!reply)
            return std::string();
        std::string pixels(reinterpret_cast<const char*>(xcb_get_image_data(reply)),
                           std::size_t(xcb_get_image_data_length(reply)));
        std::free(reply);
        return pixels;
    }

    // A top-level window's place on the screen (no window manager moves it).
    QRect geometry(xcb_window_t window)
    {
        xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr);
        if (!reply)
            return QRect();
        const QRect place(reply->x, reply->y, reply->width, reply->height);
        std::free(reply);
        return place;
    }

    Event nextEvent(Clock::time_point deadline)
    {
        for (;;) {
            if (xcb_generic_event_t* e = xcb_poll_for_event(m_c))
                return Event(e);
            if (xcb_connection_has_error(m_c))
                return nullptr;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return nullptr;
            pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }

    void discardEvents()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_c))
            std::free(e);
    }

    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = 0;
    QSize m_screen;
    bool m_ok = false;
};

XServer& xserver()
{
    static XServer x;
    return x;
}

// The contact book takes its own folder as the program folder, so each folder gets its own copy.
struct Persons {
    explicit Persons(int perFolder)
        : folder(perFolder)
    {
        const QString target = folder.programDir + QStringLiteral("Zubo_37");
        QFile::copy(QStringLiteral(ZUBO37_PATH), target);
        program = QFile::encodeName(target);
    }
    GeneratedProgramFolder folder;
    QByteArray program;
};

// No persons at all: the start's fixed cost.
const Persons& persons(int count)
{
    if (count == 0) {
        static const Persons empty(0);
        return empty;
    }
    return personsOf<Persons>(count);
}

void measureWindow(benchmark::State& state, const QByteArray& program)
{
    if (!xserver().ok()) {
        state.SkipWithError("no X server (run it under xvfb-run)");
        return;
    }
    for (auto _ : state) {
        const double seconds = xserver().timeToDrawnWindow(program);
        if (seconds < 0) {
            state.SkipWithError("the program showed no window");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BareWindow(benchmark::State& state)
{
    measureWindow(state, QByteArrayLiteral(BARE_WINDOW_PATH));
}

void RawRead(benchmark::State& state, int count)
{
    const Persons& p = persons(count);
    for (auto _ : state)
        benchmark::DoNotOptimize(p.folder.raw.read());
}

void Zubo37(benchmark::State& state, int count)
{
    measureWindow(state, persons(count).program);
}

void registerBenchmarks()
{
    benchmark::RegisterBenchmark("BareWindow", BareWindow)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(3);
    for (const int count : {0, 10000, 100000}) {
        const std::string suffix = '/' + std::to_string(count);
        const int runs = count == 100000 ? 1 : 3;
        benchmark::RegisterBenchmark(("RawRead" + suffix).c_str(), RawRead, count)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(runs);
        benchmark::RegisterBenchmark(("Zubo37" + suffix).c_str(), Zubo37, count)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(runs);
    }
}

void printTable(const Medians& m)
{
    const auto time = [&](const std::string& name) {
        const auto it = m.find(name);
        return it == m.end() ? -1.0 : it->second;
    };
    const double bare = time("BareWindow");
    std::printf("\nMedians and ratios (from the exec to the window drawn)\n");
    std::printf("%-10s %12s %12s %14s %12s %20s\n", "persons", "bare window", "raw read", "floor (sum)", "Zubo_37",
                "ratio (goal <= 1.3x)");
    for (const int count : {0, 10000, 100000}) {
        const std::string suffix = '/' + std::to_string(count);
        const double raw = time("RawRead" + suffix);
        const double zubo = time("Zubo37" + suffix);
        const double floor = bare + raw;
        std::printf("%-10d %9.1f ms %9.1f ms %11.1f ms %9.1f ms %19.2fx\n", count, bare, raw, floor, zubo,
                    floor > 0 ? zubo / floor : 0.0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    persons(0); // written before anything is timed
    persons(10000);
    persons(100000);
    registerBenchmarks();
    printTable(runBenchmarks(argc, argv));
    return 0;
}
