#include "e2e/GameTest.h"

#include "graphics/TgaImage.h"
#include "tests/support/TempDir.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto poll = 20ms; // between looks
constexpr auto startAndExitLimit = 20s; // start-up and the leak check at exit are slow under sanitizers
constexpr double cameraStep = 0.5;
// A screen differs this much from its picture in under 1% of the window, play from its backdrop in 4%.
constexpr int noticeable = 24;
constexpr double tolerance = 0.12;

// One for all tests (the server resets when its last client goes), in step with it, quiet about windows gone.
Display* display()
{
    static Display* opened = (XSetErrorHandler([](Display*, XErrorEvent*) { return 0; }), XOpenDisplay(nullptr));
    return opened != nullptr ? (XSynchronize(opened, True), opened) : nullptr;
}

Window root() { return DefaultRootWindow(display()); }
Atom atom(const char* name) { return XInternAtom(display(), name, False); }

// Found by its title: the root's child on a bare display, deeper inside its frame under a window manager.
Window namedGameWindow(Window parent)
{
    Window top = 0, up = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    if (XQueryTree(display(), parent, &top, &up, &children, &count) == 0)
        return 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(display(), children[i], &name) != 0 && std::string("Vorlund!") == name)
            found = children[i];
        XFree(name);
        if (found == 0)
            found = namedGameWindow(children[i]);
    }
    XFree(children);
    return found;
}

// The window's inside in its own pixels, nothing once it is gone.
std::pair<int, int> sizeOf(Window window)
{
    XWindowAttributes at{};
    XGetWindowAttributes(display(), window, &at);
    return {at.width, at.height};
}

// The largest centred square of the window, where the game draws its view.
struct Square { int left, top, side; };
Square squareOf(Window window)
{
    auto [width, height] = sizeOf(window);
    int side = std::min(width, height);
    return {(width - side) / 2, (height - side) / 2, side};
}

// Where the picture's pixel (centre) lies in the square's pixels.
int inSquare(int pictureCoordinate, int squareSide)
{
    return static_cast<int>(std::floor((pictureCoordinate + 0.5) * squareSide / pictureSide));
}

// A message about the game's window: to the window manager on the root, as EWMH has pagers and frames send them.
void sendMessage(Window window, const char* message, std::array<long, 3> data, Window to = root())
{
    XEvent event{};
    event.xclient = {ClientMessage, 0, True, display(), window, atom(message), 32, {}};
    std::copy(data.begin(), data.end(), event.xclient.data.l);
    XSendEvent(display(), to, False, to == window ? NoEventMask : SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
}

double differingShare(const Picture& a, const Picture& b)
{
    auto differs = [](std::uint32_t p, std::uint32_t q, int shift) {
        return std::abs(static_cast<int>(p >> shift & 0xff) - static_cast<int>(q >> shift & 0xff)) > noticeable;
    };
    double differing = 0;
    for (std::size_t i = 0; i < a.size() && a.size() == b.size(); ++i)
        differing += differs(a[i], b[i], 0) || differs(a[i], b[i], 8) || differs(a[i], b[i], 16);
    return a.empty() || a.size() != b.size() ? 1 : differing / static_cast<double>(a.size());
}

// The middles of small squares where crawlers crowd, most first: a crawler there is still near when the press is read.
std::vector<std::pair<int, int>> crowdedPlaces(const Picture& shown, int left, int top, int width, int height)
{
    constexpr int cell = 16;
    std::map<std::pair<int, int>, int> crowds;
    for (auto [x, y] : find(shown, left, top, width, height, orange))
        ++crowds[{x / cell * cell + cell / 2, y / cell * cell + cell / 2}];
    std::vector<std::pair<int, int>> places;
    for (const auto& crowd : crowds)
        places.push_back(crowd.first);
    std::stable_sort(places.begin(), places.end(), [&](auto p, auto q) { return crowds[p] > crowds[q]; });
    return places;
}

}

// The camera's field of view is 90 degrees: it sees `distance` to each side.
Picture seen(const std::string& tgaFile, Area area, Camera camera)
{
    TgaImage image; // RGBA, top row first
    bool textured = image.load(tgaFile.c_str());
    auto level = [&](int texel, int channel) { return static_cast<std::uint32_t>(image.pixels[4 * texel + channel]); };
    Picture picture(pictureSide * pictureSide);
    double metersPerPixel = 2 * camera.distance / pictureSide, width = area.right - area.left;
    for (int pixel = 0; pixel < pictureSide * pictureSide; ++pixel) {
        double u = (camera.x - camera.distance - area.left + (pixel % pictureSide + 0.5) * metersPerPixel) / width;
        double v = (area.top - camera.y - camera.distance + (pixel / pictureSide + 0.5) * metersPerPixel) /
                   (area.top - area.bottom);
        int texel = static_cast<int>(v * image.height) * image.width + static_cast<int>(u * image.width);
        if (u >= 0 && u < 1 && v >= 0 && v < 1)
            picture[pixel] = textured ? level(texel, 0) << 16 | level(texel, 1) << 8 | level(texel, 2) : 0xffffff;
    }
    return picture;
}

std::vector<std::pair<int, int>> find(const Picture& shown, int left, int top, int width, int height,
                                      bool (*kind)(std::uint32_t))
{
    std::vector<std::pair<int, int>> found;
    for (int y = std::max(top, 0); y < std::min(top + height, pictureSide) && !shown.empty(); ++y)
        for (int x = std::max(left, 0); x < std::min(left + width, pictureSide); ++x)
            if (kind(shown[y * pictureSide + x]))
                found.emplace_back(x, y);
    return found;
}


bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    for (auto deadline = std::chrono::steady_clock::now() + limit; !condition(); std::this_thread::sleep_for(poll))
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    return true;
}

bool GameTest::start(const std::filesystem::path& folder)
{
    errorFile_ = tempPath("game.stderr");
    if ((pid_ = fork()) == 0) {
        // The test program runs no other thread, so the child may still set its environment.
        setenv("LSAN_OPTIONS", "suppressions=" VORLUND_LEAK_SUPPRESSIONS ":print_suppressions=0", 1);
        int errorFd = open(errorFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (chdir(folder.c_str()) == 0 && dup2(errorFd, STDERR_FILENO) >= 0)
            execl(VORLUND_BINARY, "vorlund", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Mapped (readable), so that it takes input.
    auto ready = [this] {
        return !display() || exitStatus() != -1 || ((window = namedGameWindow(root())) && grab().size());
    };
    return eventually(ready, startAndExitLimit) && exitStatus() == -1 && window != 0;
}

void GameTest::TearDown()
{
    // Let go of what random play left down: held in the server, it would make the next test's click a release.
    for (unsigned held = 1; held <= 3; ++held)
        button(held, false);
    if (window != 0) {
        EXPECT_EQ(exitStatus(), -1) << "the game ended before the test did";
        askWindowManager(Asked::Closed);
        EXPECT_TRUE(eventually([this] { return exitStatus() == 0; }, startAndExitLimit)) << errors();
        for (const char* report : {"ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"})
            EXPECT_EQ(errors().find(report), std::string::npos) << errors();
    }
    if (exitStatus() == -1 && pid_ > 0 && kill(pid_, SIGKILL) == 0)
        waitpid(pid_, &status_, 0);
}

int GameTest::exitStatus()
{
    if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) != 0)
        pid_ = -1;
    return pid_ < 0 && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

std::string GameTest::errors() const
{
    std::ifstream text(errorFile_);
    return {std::istreambuf_iterator<char>(text), {}};
}

long GameTest::residentKilobytes() const
{
    long pages = 0, residentPages = -1;
    std::ifstream("/proc/" + std::to_string(pid_) + "/statm") >> pages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE) / 1024;
}

double GameTest::cpuSeconds() const
{
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string skipped; // to user and system time, in clock ticks (the game's name has no space)
    long user = 0, system = 0;
    for (int field = 1; field < 14; ++field)
        stat >> skipped;
    stat >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

GameTest::Rectangle GameTest::screen() const
{
    return {0, 0, DisplayWidth(display(), DefaultScreen(display())), DisplayHeight(display(), DefaultScreen(display()))};
}

std::pair<int, int> GameTest::windowSize() const { return sizeOf(window); }

bool GameTest::whollyOnScreen() const
{
    auto [width, height] = sizeOf(window);
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(display(), window, root(), 0, 0, &x, &y, &child);
    Rectangle all = screen();
    return x >= all.x && y >= all.y && x + width <= all.x + all.width && y + height <= all.y + all.height;
}

bool GameTest::resizesTo(int width, int height) const
{
    XResizeWindow(display(), window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    return eventually([&] { return sizeOf(window) == std::pair{width, height}; });
}

bool GameTest::windowManagerRuns() const // it owns the screen's manager selection
{
    return XGetSelectionOwner(display(), atom("WM_S0")) != None;
}

// As wmctrl and xdotool ask; without a window manager a close goes to the window, as from a frame's close button.
void GameTest::askWindowManager(Asked what) const
{
    constexpr long add = 1, fromPager = 2;
    if (what == Asked::Maximised)
        sendMessage(window, "_NET_WM_STATE", {add, static_cast<long>(atom("_NET_WM_STATE_MAXIMIZED_VERT")),
                                              static_cast<long>(atom("_NET_WM_STATE_MAXIMIZED_HORZ"))});
    else if (what == Asked::FullScreen)
        sendMessage(window, "_NET_WM_STATE", {add, static_cast<long>(atom("_NET_WM_STATE_FULLSCREEN")), 0});
    else if (what == Asked::Minimised)
        XIconifyWindow(display(), window, DefaultScreen(display()));
    else if (what == Asked::Restored)
        sendMessage(window, "_NET_ACTIVE_WINDOW", {fromPager, CurrentTime, 0});
    else if (windowManagerRuns())
        sendMessage(window, "_NET_CLOSE_WINDOW", {CurrentTime, fromPager, 0});
    else
        sendMessage(window, "WM_PROTOCOLS", {static_cast<long>(atom("WM_DELETE_WINDOW")), CurrentTime, 0}, window);
}

Picture GameTest::grab() const
{
    Square square = squareOf(window);
    XImage* image = square.side > 0 ? XGetImage(display(), window, square.left, square.top, square.side, square.side,
                                                AllPlanes, ZPixmap)
                                    : nullptr;
    Picture picture;
    for (int pixel = 0; image != nullptr && pixel < side * side; ++pixel)
        picture.push_back(static_cast<std::uint32_t>(
            XGetPixel(image, inSquare(pixel % side, square.side), inSquare(pixel / side, square.side))));
    if (image != nullptr)
        XDestroyImage(image);
    return picture;
}

bool GameTest::marginsAreBlack() const
{
    Square square = squareOf(window);
    auto [width, height] = sizeOf(window);
    XImage* image = XGetImage(display(), window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    bool black = image != nullptr;
    for (int y = 0; black && y < height; ++y)
        for (int x = 0; black && x < width; ++x)
            black = (x >= square.left && x < square.left + square.side && y >= square.top &&
                     y < square.top + square.side) || (XGetPixel(image, x, y) & 0xffffff) == 0;
    if (image != nullptr)
        XDestroyImage(image);
    return black;
}

void GameTest::movePointer(int x, int y) const
{
    Square square = squareOf(window);
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display(), window, root(), square.left + inSquare(x, square.side),
                          square.top + inSquare(y, square.side), &rootX, &rootY, &child);
    XTestFakeMotionEvent(display(), DefaultScreen(display()), rootX, rootY, CurrentTime);
}

void GameTest::button(unsigned which, bool down) const { XTestFakeButtonEvent(display(), which, down, CurrentTime); }

// Sent, not pressed through XTEST: a release read once the key is down again is auto-repeat to the toolkit.
void GameTest::key(const std::string& keyName) const
{
    XEvent event{};
    event.xkey = {KeyPress, 0, True, display(), window, root(), None, CurrentTime, 1, 1, 1, 1, 0,
                  XKeysymToKeycode(display(), XStringToKeysym(keyName.c_str())), True};
    XSendEvent(display(), window, True, KeyPressMask, &event);
    event.xkey.type = KeyRelease;
    XSendEvent(display(), window, True, KeyReleaseMask, &event);
}

bool GameTest::shows(const Picture& expected, std::chrono::milliseconds limit) const
{
    return eventually([&] { return differingShare(grab(), expected) < tolerance; }, limit);
}

bool GameTest::showsCamera(Camera camera, std::chrono::milliseconds limit) const
{
    std::vector<Picture> views{seen(backdropPicture, field, camera)}; // then from each camera near it
    for (double step : {-cameraStep, cameraStep})
        for (Camera near : {Camera{camera.x + step, camera.y, camera.distance},
                            Camera{camera.x, camera.y, camera.distance + step}})
            views.push_back(seen(backdropPicture, field, near));
    return eventually([&] {
        Picture shown = grab();
        double fit = differingShare(shown, views[0]);
        auto fitsWorse = [&](const Picture& near) { return differingShare(shown, near) > fit; };
        return fit < tolerance && std::all_of(views.begin() + 1, views.end(), fitsWorse);
    }, limit);
}

::testing::AssertionResult GameTest::buildsABall(Point drop, Point a, Point b) const
{
    // A ball fills the box about its centre; a spring, a quarter of the box about its middle.
    constexpr int near = 6, box = 2 * near, attempts = 5, dragSteps = 8;
    constexpr std::size_t filled = 3 * near * near;
    const int dropX = pictureX(drop.x), dropY = pictureY(drop.y);
    auto darkAbout = [](const Picture& shown, Point p, std::size_t least) {
        return find(shown, pictureX(p.x) - near, pictureY(p.y) - near, box, box, dark).size() >= least;
    };
    bool built = false, springs = false;
    auto look = [&] {
        Picture shown = grab();
        built = built || darkAbout(shown, drop, filled);
        springs = springs || (darkAbout(shown, {(drop.x + a.x) / 2, (drop.y + a.y) / 2}, filled / 4) &&
                              darkAbout(shown, {(drop.x + b.x) / 2, (drop.y + b.y) / 2}, filled / 4));
        return built && springs;
    };
    // Some tries, or more while time allows: a slow game's crawlers move on between its pictures.
    auto deadline = std::chrono::steady_clock::now() + patience;
    for (int attempt = 0; !built && (attempt < attempts || std::chrono::steady_clock::now() < deadline); ++attempt) {
        std::vector<std::pair<int, int>> crowded; // where crawlers climb, away from the scrolling edges
        auto climbing = [&] { return !(crowded = crowdedPlaces(grab(), pictureX(-2.5), pictureY(2.5), 400, 200)).empty(); };
        if (!eventually(climbing, patience))
            return ::testing::AssertionFailure() << "no crawler climbing";
        auto [x, y] = crowded[attempt % crowded.size()]; // another if the last was not picked
        movePointer(x, y);
        button(1, true);
        for (int step = 1; step <= dragSteps; ++step)
            movePointer(x + (dropX - x) * step / dragSteps, y + (dropY - y) * step / dragSteps);
        button(1, false);
        // A ball shown late: another crawler dropped onto it would make a second one there.
        eventually([&] { return look() || built; }, patience);
    }
    eventually(look, patience); // a slow game's picture may lag behind
    return built && springs ? ::testing::AssertionSuccess()
                            : ::testing::AssertionFailure() << "new ball " << built << ", springs " << springs;
}
