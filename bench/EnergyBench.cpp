// How much of a core the real game uses, and how many frames it draws, per
// second of wall time: on the title screen, in play in the fullest world, and
// minimised. It starts the game (by default the fullest-world game built beside
// it) on the X display it runs under, with the swap counter preloaded to count
// frames, reads the game's CPU time from /proc, and plays it through XTEST.
// Minimised means iconified by openbox, started here when it is installed and
// no window manager runs; without one the window is unmapped.
//   xvfb-run -a -s "-screen 0 1024x1024x24" vorlund_energy_bench [seconds per phase] [game]
// Run it from the folder that holds res/.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int defaultSeconds = 10;
constexpr auto startLimit = 20s;
constexpr auto settle = 3s; // after start-up, a screen change or minimising, before measuring
constexpr auto poll = 50ms;
constexpr unsigned leftButton = 1;
const char* const swapLog = "/tmp/vorlund-energy-frames.txt";

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    for (auto deadline = Clock::now() + limit; !condition(); std::this_thread::sleep_for(poll))
        if (Clock::now() > deadline)
            return false;
    return true;
}

pid_t spawn(const std::function<void()>& inChild)
{
    pid_t pid = fork();
    if (pid == 0) {
        inChild();
        _exit(127);
    }
    return pid;
}

// The process's user and system time so far, in seconds, all its threads.
double cpuSeconds(pid_t pid)
{
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14)
            user = std::stoull(field);
        if (number == 15)
            system = std::stoull(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long framesSoFar()
{
    std::ifstream log(swapLog);
    long lines = 0;
    for (std::string line; std::getline(log, line);)
        ++lines;
    return lines;
}

Window findByName(Display* display, Window under, const std::string& name)
{
    char* found = nullptr;
    if (XFetchName(display, under, &found) != 0 && found != nullptr && name == found) {
        XFree(found);
        return under;
    }
    XFree(found);
    Window root = 0, parent = 0, *children = nullptr, result = 0;
    unsigned count = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count) == 0)
        return 0;
    for (unsigned i = 0; i < count && result == 0; ++i)
        result = findByName(display, children[i], name);
    XFree(children);
    return result;
}

bool windowManagerRuns(Display* display)
{
    return XGetSelectionOwner(display, XInternAtom(display, "WM_S0", False)) != None;
}

struct Figures {
    double corePercent;
    double framesPerSecond;
};

Figures measure(pid_t game, std::chrono::seconds span)
{
    double cpuBefore = cpuSeconds(game);
    long framesBefore = framesSoFar();
    auto start = Clock::now();
    std::this_thread::sleep_for(span);
    double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return {100 * (cpuSeconds(game) - cpuBefore) / wall, (framesSoFar() - framesBefore) / wall};
}

// The CPU time a frame is what vorlund_frame_bench's floor is given in.
void report(const char* what, Figures figures)
{
    std::printf("%-16s %6.1f %% of a core  %6.1f frames/s", what, figures.corePercent, figures.framesPerSecond);
    if (figures.framesPerSecond > 0)
        std::printf("  CPU %6.2f ms a frame", 10 * figures.corePercent / figures.framesPerSecond);
    std::printf("\n");
    std::fflush(stdout);
}

class Bench {
public:
    Bench(Display* display, std::string game) : display_(display), game_(std::move(game)) {}

    ~Bench()
    {
        for (pid_t pid : {gamePid_, openboxPid_})
            if (pid > 0 && kill(pid, SIGTERM) == 0)
                waitpid(pid, nullptr, 0);
    }

    bool start()
    {
        if (!windowManagerRuns(display_)) {
            openboxPid_ = spawn([] { execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr)); });
            eventually([this] { return windowManagerRuns(display_); }, 5s);
        }
        std::remove(swapLog);
        gamePid_ = spawn([this] {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("VORLUND_SWAP_LOG", swapLog, 1);
            setenv("LD_PRELOAD", VORLUND_SWAP_COUNTER, 1);
            execl(game_.c_str(), "vorlund", static_cast<char*>(nullptr));
        });
        return eventually([this] { return (window_ = findByName(display_, DefaultRootWindow(display_), "Vorlund!")) &&
                                          framesSoFar() > 0; },
                          startLimit);
    }

    bool managed() const { return windowManagerRuns(display_); }

    void click()
    {
        XWindowAttributes at{};
        XGetWindowAttributes(display_, window_, &at);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), at.width / 2, at.height / 2, &x, &y,
                              &child);
        XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
        XTestFakeButtonEvent(display_, leftButton, True, CurrentTime);
        XTestFakeButtonEvent(display_, leftButton, False, CurrentTime);
        XSync(display_, False);
        std::this_thread::sleep_for(500ms);
    }

    void minimise()
    {
        if (managed())
            XIconifyWindow(display_, window_, DefaultScreen(display_));
        else
            XUnmapWindow(display_, window_);
        XSync(display_, False);
    }

    void restore()
    {
        XMapRaised(display_, window_);
        XSync(display_, False);
    }

    pid_t game() const { return gamePid_; }

private:
    Display* display_;
    std::string game_;
    pid_t gamePid_ = -1;
    pid_t openboxPid_ = -1;
    Window window_ = 0;
};

}

int main(int argc, char** argv)
{
    auto span = std::chrono::seconds(argc > 1 ? std::atoi(argv[1]) : defaultSeconds);
    std::string game = argc > 2 ? argv[2] : VORLUND_FULLEST_GAME;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display: run it under xvfb-run\n");
        return 1;
    }
    Bench bench(display, game);
    if (!bench.start()) {
        std::fprintf(stderr, "%s did not show its window\n", game.c_str());
        return 1;
    }
    std::printf("%s, %lld s a phase, %s\n", game.c_str(), static_cast<long long>(span.count()),
                bench.managed() ? "under openbox" : "no window manager");
    std::this_thread::sleep_for(settle);
    report("title screen", measure(bench.game(), span));
    bench.click();
    bench.click();
    std::this_thread::sleep_for(settle);
    report("play", measure(bench.game(), span));
    bench.minimise();
    std::this_thread::sleep_for(settle);
    report("minimised", measure(bench.game(), span));
    bench.restore();
    std::this_thread::sleep_for(settle);
    report("restored, play", measure(bench.game(), span));
    XCloseDisplay(display);
    return 0;
}
