#pragma once

#include "app/FrameClock.h"
#include "app/FramePacer.h"

// What the window shows: the two screens before play, then the game for good.
enum GameState : int { Title = 0, Instructions = 1, Play = 2 };

// Moves only forwards, on a button press; any value past Instructions is play.
extern int gameState;

// One step of play over a frame of that many seconds, in the structure's
// slices: in each, the structure moves first, then the crawlers on it. Then the
// camera follows and the messages age by the time simulated, which a stall
// caps as it caps the slices.
void stepPlay(float frameTime);

// Owns the frame: the clock, what each frame shows, the order of the simulation
// step and of the drawing, and the starting world.
class Game {
public:
    static Game& instance();

    void setup();
    // How frames are paced from now on (at first, at the usual 60 a second).
    void pace(const FramePacer& pacer) { pacer_ = pacer; }
    void display();
    // The frame timer fired (in the uncapped build, the toolkit is idle).
    void idle();
    // Input or a resize that may change the picture.
    void wake();
    // The window was minimised, unmapped or covered, or shown again.
    void windowShown(bool shown);
    void step();

    double frameTime() const { return frameTime_; }

private:
    Game();
    void tickClock();
    void drawPlay();

    FrameClock clock_;
    FramePacer pacer_ = FramePacer::paced(FramePacer::usualRefreshRate);
    double frameTime_ = 0;
    bool started_ = false;
};
