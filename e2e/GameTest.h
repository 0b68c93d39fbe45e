#pragma once

#include "app/View.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace std::chrono_literals;

// What the 800x800 window shows, or should: 0xRRGGBB pixels, top row first.
using Picture = std::vector<std::uint32_t>;
// In meters: screens fill what the starting camera sees, play's backdrop the field.
struct Area { double left, right, bottom, top; };
struct Camera { double x, y, distance; };
constexpr Camera startingCamera{0, 5, 5};
constexpr Area startingView{-5, 5, 0, 10}, field{-8, 8, 0, 30};
inline const std::string titlePicture = "res/images/titlescreen.tga", backdropPicture = "res/images/background.tga",
                         instructionsPicture = "res/images/instructions.tga";
constexpr auto reactionLimit = 5s;

// A TGA picture over the area as the camera shows it, at pixel centres; white if unreadable, as a bare sprite.
Picture seen(const std::string& tgaFile, Area area, Camera camera);
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = reactionLimit);

// Each test plays the real game on the X display as a player: input goes in through XTEST, only what the window
// shows comes out. A game with a window must run on, then exit with 0 when closed, free of sanitizer reports.
class GameTest : public ::testing::Test {
protected:
    static constexpr int side = View::windowSize, centre = side / 2;

    // In the folder, where the game reads ./res; true once its window shows.
    bool start(const std::filesystem::path& folder = std::filesystem::current_path());
    void TearDown() override;
    int exitStatus(); // -1 while the game runs or when a signal ended it
    std::string errors() const;
    long residentKilobytes() const;

    bool keepsItsSizeWhenResizedTo(int width, int height) const;
    Picture grab() const; // empty unless the window is 800x800
    void movePointer(int x, int y) const; // in window pixels, maybe outside it
    void button(unsigned button, bool down) const;
    void click(unsigned which = 1) const { button(which, true); button(which, false); }
    void key(const std::string& keyName) const; // "w", "Escape"...: pressed and let go
    // Differs from the picture in fewer pixels than play does from its backdrop.
    bool shows(const Picture& expected, std::chrono::milliseconds limit = reactionLimit) const;
    // Play's backdrop from the camera, fitting it better than from one half a metre off across or in depth: the
    // sky changes little across, so the structure alone differs more (up or down, clouds drifting by do too).
    bool showsCamera(Camera camera, std::chrono::milliseconds limit = reactionLimit) const;

    unsigned long window = 0;

private:
    int pid_ = -1, status_ = 0;
    std::string errorFile_;
};
