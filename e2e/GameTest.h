#pragma once

#include "app/View.h"
#include "e2e/GameProcess.h"
#include "e2e/Picture.h"
#include "e2e/XConnection.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

using namespace std::chrono_literals;

// How long the game may take to show what a test waits for; sanitizer builds
// draw a frame in a fraction of that.
constexpr auto reactionLimit = 5s;

// The game's own pictures, in the source folder the tests run from.
inline const std::string titlePicture = "res/images/titlescreen.tga";
inline const std::string instructionsPicture = "res/images/instructions.tga";
inline const std::string backdropPicture = "res/images/background.tga";

// Polls the condition until it holds or the time is up; true if it held.
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = reactionLimit);

// A report of AddressSanitizer, UndefinedBehaviorSanitizer or LeakSanitizer.
bool hasSanitizerReport(const std::string& errors);

// Each test starts the real game and plays it through the X server as a player
// does: the pointer, its buttons and the keyboard in, only what the window shows
// out. The game must still run when the test ends; it is then ended, and a
// sanitizer's report in its error output fails the test.
class GameTest : public ::testing::Test {
protected:
    static constexpr int side = View::windowSize;
    static constexpr int centre = side / 2;

    // In the source folder by default, where the game's own res/ is. True once
    // its window is on the display.
    bool start(const std::filesystem::path& folder = std::filesystem::current_path());
    void TearDown() override;

    Picture grab() const { return x.grab(window); }
    void click(unsigned button = 1);
    // Taps each letter's key with the pointer in the window, where the keyboard
    // goes, and syncs after each: the toolkit takes a release that it reads with
    // the key down again for auto-repeat, and drops that press.
    void type(const std::string& letters);
    // Returns once the game has handled every event sent so far: the window's
    // size is nudged, and the game, holding its size, puts it back only when it
    // comes to that event, after all the earlier ones.
    bool sync();
    bool showsScreen(const Picture& screen) const;
    bool showsField(const Picture& field) const;
    // Play shows the backdrop from this camera, fitting it better than from a
    // camera half a metre off along any axis.
    bool showsCamera(Camera camera, std::chrono::milliseconds limit = reactionLimit) const;

    // One connection for the whole program: the X server resets itself when its
    // last client leaves and refuses connections meanwhile, so games started
    // one after another would find it closed.
    static XConnection x;
    std::unique_ptr<GameProcess> process;
    WindowId window = 0;
};
