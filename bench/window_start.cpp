#include "window_start.h"

#include "resident_memory.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A window can be gone by the time its title is asked for; that is no reason to stop.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

double MillisecondsBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Runs the command in a child whose output goes nowhere; the parent gets its pid.
pid_t Start(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// The run time of all the process's threads, from the first field of each schedstat (ns).
double CpuMilliseconds(pid_t pid)
{
    double nanoseconds = 0;
    std::error_code error;
    for (const auto& thread : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(thread.path() / "schedstat");
        double runTime = 0;
        if (schedstat >> runTime)
            nanoseconds += runTime;
    }
    return nanoseconds / 1e6;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

WindowStartProbe::WindowStartProbe()
    : m_display(XOpenDisplay(nullptr))
{
    if (!m_display)
        return;
    XSetErrorHandler(IgnoreXErrors);
    m_netWmName = XInternAtom(m_display, "_NET_WM_NAME", False);
    m_utf8String = XInternAtom(m_display, "UTF8_STRING", False);
    // Top-level windows are children of the root: their maps are reported to it.
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    XSync(m_display, False);
}

WindowStartProbe::~WindowStartProbe()
{
    if (m_display)
        XCloseDisplay(m_display);
}

std::optional<StartFigures> WindowStartProbe::measure(const std::vector<std::string>& command,
                                                      const std::string& wanted, std::chrono::milliseconds settle,
                                                      std::chrono::milliseconds timeout)
{
    XSync(m_display, True); // drop what earlier runs left in the queue

    const auto started = std::chrono::steady_clock::now(); // CLOCK_MONOTONIC
    const pid_t pid = Start(command);
    if (pid < 0)
        return std::nullopt;
    const bool mapped = waitForMap(wanted, started + timeout);
    const auto shown = std::chrono::steady_clock::now();
    const double cpu = mapped ? CpuMilliseconds(pid) : 0;

    std::optional<long> resident;
    if (mapped) {
        std::this_thread::sleep_for(settle);
        resident = ResidentKiB(std::to_string(pid));
    }
    Stop(pid);
    if (!resident)
        return std::nullopt;
    return StartFigures{MillisecondsBetween(started, shown), cpu, *resident};
}

bool WindowStartProbe::waitForMap(const std::string& wanted, std::chrono::steady_clock::time_point deadline)
{
    pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
    while (true) {
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && title(event.xmap.window) == wanted)
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&connection, 1, static_cast<int>(left.count())) <= 0)
            return false;
    }
}

// _NET_WM_NAME in UTF-8 as Qt sets it, or else the older WM_NAME.
std::string WindowStartProbe::title(Window window) const
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(m_display, window, m_netWmName, 0, 1024, False, m_utf8String, &type, &format, &count, &after,
                           &data)
            == Success
        && data) {
        if (type == m_utf8String)
            text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        if (!text.empty())
            return text;
    }
    char* name = nullptr;
    if (XFetchName(m_display, window, &name) && name) {
        text = name;
        XFree(name);
    }
    return text;
}
