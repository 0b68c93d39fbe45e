#include "e2e/GameTest.h"

#include "tests/support/TempDir.h"

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

namespace {

constexpr const char* windowTitle = "Vorlund!";
constexpr auto pollPeriod = 20ms;
// Start-up loads every picture, sound and the font; slow under sanitizers.
constexpr auto startLimit = 20s;
constexpr auto holdTime = 30ms;
constexpr double cameraStep = 0.5;

}

XConnection GameTest::x;

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(pollPeriod);
    }
    return true;
}

bool hasSanitizerReport(const std::string& errors)
{
    constexpr std::array<const char*, 3> reports{"ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"};
    return std::any_of(reports.begin(), reports.end(),
                       [&](const char* report) { return errors.find(report) != std::string::npos; });
}

bool GameTest::start(const std::filesystem::path& folder)
{
    static int games = 0;
    process = std::make_unique<GameProcess>(folder, tempPath("game-" + std::to_string(++games) + ".stderr"));
    EXPECT_TRUE(x.connected()) << "no X display";
    if (x.connected())
        eventually([this] { return (window = x.find(windowTitle)) != 0 || !process->running(); }, startLimit);
    EXPECT_NE(window, 0u) << "no game window\n" << process->errors();
    return window != 0;
}

void GameTest::TearDown()
{
    if (!process)
        return;
    EXPECT_TRUE(process->running()) << "the game ended before the test did";
    process->terminate();
    EXPECT_FALSE(hasSanitizerReport(process->errors())) << process->errors();
    // Gone before the next test looks for its own game's window.
    if (x.connected())
        eventually([] { return x.find(windowTitle) == 0; });
}

void GameTest::click(unsigned button)
{
    x.movePointer(window, centre, centre);
    x.button(button, true);
    std::this_thread::sleep_for(holdTime);
    x.button(button, false);
}

void GameTest::type(const std::string& letters)
{
    x.movePointer(window, centre, centre);
    for (char letter : letters) {
        x.key(std::string(1, letter), true);
        std::this_thread::sleep_for(holdTime);
        x.key(std::string(1, letter), false);
        sync();
    }
}

bool GameTest::sync()
{
    x.resize(window, side - 1, side);
    return eventually([this] { return x.size(window) == std::pair{side, side}; });
}

bool GameTest::showsScreen(const Picture& screen) const
{
    return eventually([&] { return looksLikeScreen(grab(), screen); });
}

bool GameTest::showsField(const Picture& field) const
{
    return eventually([&] { return looksLikeField(grab(), field); });
}

bool GameTest::showsCamera(Camera camera, std::chrono::milliseconds limit) const
{
    Picture expected = fieldSeenFrom(backdropPicture, camera);
    std::vector<Picture> nearby;
    for (double step : {-cameraStep, cameraStep}) {
        nearby.push_back(fieldSeenFrom(backdropPicture, {camera.x + step, camera.y, camera.distance}));
        nearby.push_back(fieldSeenFrom(backdropPicture, {camera.x, camera.y + step, camera.distance}));
        nearby.push_back(fieldSeenFrom(backdropPicture, {camera.x, camera.y, camera.distance + step}));
    }
    auto fitsBest = [&](const Picture& shown) {
        double fit = differingShare(shown, expected);
        auto fitsWorse = [&](const Picture& other) { return differingShare(shown, other) > fit; };
        return looksLikeField(shown, expected) && std::all_of(nearby.begin(), nearby.end(), fitsWorse);
    };
    return eventually([&] { return fitsBest(grab()); }, limit);
}
