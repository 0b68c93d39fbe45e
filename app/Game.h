#pragma once

#include <cstdint>

// What the window shows: the two screens before play, then the game for good.
enum GameState : int { Title = 0, Instructions = 1, Play = 2 };

// Moves only forwards, on a button press; any value past Instructions is play.
extern int gameState;

// Seconds between two readings of the toolkit's millisecond clock, right across
// a wrap of its 32-bit counter.
double elapsedSeconds(std::uint32_t nowMs, std::uint32_t lastMs);

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
    void display();
    void idle();
    void step();

    double frameTime() const { return frameTime_; }

private:
    Game();
    void tickClock();
    void drawPlay();

    std::uint32_t lastTimeMs_;
    double frameTime_ = 0;
    bool started_ = false;
};
