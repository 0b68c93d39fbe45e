#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace std::chrono_literals;

// The game's square view as seen at 800x800 whatever the window's size: 0xRRGGBB pixels, top row first.
using Picture = std::vector<std::uint32_t>;
constexpr int pictureSide = 800;
// In meters: screens fill what the starting camera sees, play's backdrop the field.
struct Area { double left, right, bottom, top; };
struct Camera { double x, y, distance; };
constexpr Camera startingCamera{0, 5, 5};
constexpr Area startingView{-5, 5, 0, 10}, field{-8, 8, 0, 30};
inline const std::string titlePicture = "res/images/titlescreen.tga", backdropPicture = "res/images/background.tga",
                         instructionsPicture = "res/images/instructions.tga";
constexpr auto reactionLimit = 5s;
constexpr auto lastLanding = 5s; // the last crawler to fall, from 115 m, lands 4.9 s into play

// At the starting camera a meter is 80 pixels, and the view's top is 10 m up.
constexpr int pictureX(double x) { return static_cast<int>((x + 5) * 80); }
constexpr int pictureY(double y) { return static_cast<int>((10 - y) * 80); }
inline bool dark(std::uint32_t pixel) { return (pixel & 0xc0c0c0) == 0; } // under 64 in every colour
inline bool orange(std::uint32_t p) // a crawler's body
{
    return (p >> 16 & 0xff) > 225 && (p >> 8 & 0xff) > 110 && (p >> 8 & 0xff) < 215 && (p & 0xff) < 90;
}
// Where the pixels of the kind are in the rectangle from (left, top).
std::vector<std::pair<int, int>> find(const Picture& shown, int left, int top, int width, int height,
                                      bool (*kind)(std::uint32_t));

// A TGA picture over the area as the camera shows it, at pixel centres; white if unreadable, as a bare sprite.
Picture seen(const std::string& tgaFile, Area area, Camera camera);
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = reactionLimit);

// Plays the real game as a player; with a window it must run on, then exit with 0 when closed, sanitizers silent.
class GameTest : public ::testing::Test {
protected:
    static constexpr int side = pictureSide, centre = side / 2;
    struct Point { double x, y; }; // in meters
    enum class Asked { Maximised, FullScreen, Minimised, Restored, Closed };

    // In the folder, where the game reads ./res; true once its window shows.
    bool start(const std::filesystem::path& folder = std::filesystem::current_path());
    void TearDown() override;
    int exitStatus(); // -1 while the game runs or when a signal ended it
    std::string errors() const;
    long residentKilobytes() const;
    double cpuSeconds() const;

    struct Rectangle { int x, y, width, height; }; // in screen pixels
    Rectangle screen() const;
    bool whollyOnScreen() const;
    std::pair<int, int> windowSize() const;
    bool resizesTo(int width, int height) const;
    bool windowManagerRuns() const;
    void askWindowManager(Asked what) const; // as a player's clicks on the frame, or a pager, ask it
    // The view as drawn in the largest centred square of the window, and whether all beside it is black.
    Picture grab() const;
    bool marginsAreBlack() const;

    void movePointer(int x, int y) const; // in the view's pixels, maybe outside it
    void button(unsigned button, bool down) const;
    void click(unsigned which = 1) const { button(which, true); button(which, false); }
    void key(const std::string& keyName) const; // "w", "Escape"...: pressed and let go
    // Differs from the picture in fewer pixels than play does from its backdrop.
    bool shows(const Picture& expected, std::chrono::milliseconds limit = reactionLimit) const;
    // Play's backdrop from the camera, fitting better than from half a metre off across or in depth.
    bool showsCamera(Camera camera, std::chrono::milliseconds limit = reactionLimit) const;
    // A landed crawler picked up where it is drawn and dropped above joined balls a and b: a ball, springs to both.
    ::testing::AssertionResult buildsABall(Point drop, Point a, Point b) const;

    unsigned long window = 0;
    // How long the game may take to show what it was asked: software GL draws a large window slowly.
    std::chrono::milliseconds patience = reactionLimit;

private:
    int pid_ = -1, status_ = 0;
    std::string errorFile_;
};
