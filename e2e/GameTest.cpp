#include "e2e/GameTest.h"

#include "graphics/TgaImage.h"
#include "tests/support/TempDir.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int windowSide = View::windowSize;
constexpr auto poll = 20ms; // between looks
constexpr auto startAndExitLimit = 20s; // start-up and the leak check at exit are slow under sanitizers
constexpr double cameraStep = 0.5;
// A screen differs this much from its picture in under 1% of the window, play from
// its backdrop in 4% (the structure, crawlers), the title from play in 26%.
constexpr int noticeable = 24;
constexpr double tolerance = 0.12;

// One for all tests (the server resets when its last client goes), in step with it, quiet about windows gone.
Display* display()
{
    static Display* opened = (XSetErrorHandler([](Display*, XErrorEvent*) { return 0; }), XOpenDisplay(nullptr));
    return opened != nullptr ? (XSynchronize(opened, True), opened) : nullptr;
}

// The test display has no window manager: the game's window is the root's child.
Window gameWindow()
{
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    XQueryTree(display(), DefaultRootWindow(display()), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
        char* name = nullptr;
        if (XFetchName(display(), children[i], &name) != 0 && std::string("Vorlund!") == name)
            found = children[i];
        XFree(name);
    }
    XFree(children);
    return found;
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

}

// The camera's field of view is 90 degrees: it sees `distance` to each side.
Picture seen(const std::string& tgaFile, Area area, Camera camera)
{
    TgaImage image; // RGBA, top row first
    bool textured = image.load(tgaFile.c_str());
    auto level = [&](int texel, int channel) { return static_cast<std::uint32_t>(image.pixels[4 * texel + channel]); };
    Picture picture(windowSide * windowSide);
    double metersPerPixel = 2 * camera.distance / windowSide, width = area.right - area.left;
    for (int pixel = 0; pixel < windowSide * windowSide; ++pixel) {
        double u = (camera.x - camera.distance - area.left + (pixel % windowSide + 0.5) * metersPerPixel) / width;
        double v = (area.top - camera.y - camera.distance + (pixel / windowSide + 0.5) * metersPerPixel) /
                   (area.top - area.bottom);
        int texel = static_cast<int>(v * image.height) * image.width + static_cast<int>(u * image.width);
        if (u >= 0 && u < 1 && v >= 0 && v < 1)
            picture[pixel] = textured ? level(texel, 0) << 16 | level(texel, 1) << 8 | level(texel, 2) : 0xffffff;
    }
    return picture;
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
    auto ready = [this] { return !display() || exitStatus() != -1 || ((window = gameWindow()) && grab().size()); };
    return eventually(ready, startAndExitLimit) && exitStatus() == -1 && window != 0;
}

void GameTest::TearDown()
{
    // Let go of whatever button random play left down: held in the X server, it
    // would turn the next test's first click into a lone release.
    for (unsigned held = 1; held <= 3; ++held)
        button(held, false);
    if (window != 0) {
        EXPECT_EQ(exitStatus(), -1) << "the game ended before the test did";
        XEvent close{}; // as a window manager's close button asks
        Atom protocols = XInternAtom(display(), "WM_PROTOCOLS", False);
        close.xclient = {ClientMessage, 0, True, display(), window, protocols, 32, {}};
        close.xclient.data.l[0] = static_cast<long>(XInternAtom(display(), "WM_DELETE_WINDOW", False));
        XSendEvent(display(), window, False, NoEventMask, &close);
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
    std::ostringstream text;
    text << std::ifstream(errorFile_).rdbuf();
    return text.str();
}

long GameTest::residentKilobytes() const
{
    long pages = 0, residentPages = -1;
    std::ifstream("/proc/" + std::to_string(pid_) + "/statm") >> pages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE) / 1024;
}

bool GameTest::keepsItsSizeWhenResizedTo(int width, int height) const
{
    XResizeWindow(display(), window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XWindowAttributes at{};
    auto back = [&] { return XGetWindowAttributes(display(), window, &at) && at.width == side && at.height == side; };
    return eventually(back);
}

Picture GameTest::grab() const
{
    Picture picture;
    XImage* image = XGetImage(display(), window, 0, 0, side, side, AllPlanes, ZPixmap);
    for (int pixel = 0; image != nullptr && pixel < side * side; ++pixel)
        picture.push_back(static_cast<std::uint32_t>(XGetPixel(image, pixel % side, pixel / side)));
    if (image != nullptr)
        XDestroyImage(image);
    return picture;
}

void GameTest::movePointer(int x, int y) const
{
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display(), window, DefaultRootWindow(display()), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display(), DefaultScreen(display()), rootX, rootY, CurrentTime);
}

void GameTest::button(unsigned which, bool down) const { XTestFakeButtonEvent(display(), which, down, CurrentTime); }

void GameTest::key(const std::string& keyName) const
{
    KeyCode code = XKeysymToKeycode(display(), XStringToKeysym(keyName.c_str()));
    XTestFakeKeyEvent(display(), code, True, CurrentTime);
    XTestFakeKeyEvent(display(), code, False, CurrentTime);
    // The toolkit takes a release that it reads with the key down again for auto-repeat, and drops the next press;
    // so the game must have read this key, as it has once it has put back a nudged size, before the next comes.
    keepsItsSizeWhenResizedTo(side - 1, side);
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
