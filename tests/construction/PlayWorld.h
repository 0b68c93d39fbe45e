#pragma once

#include "audio/SoundBank.h"
#include "construction/CrawlerList.h"
#include "construction/HoverAndPreview.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"

#include <gtest/gtest.h>

#include <vector>

// The game's own lists and placement, wired as play wires them (without
// sprites), empty at the start of each test and emptied again after it, with
// the sound bank loaded and rand seeded the same every time.
class PlayWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

public:
    static Mass* addBall(float x, float y) { return massList.addBallAt(x, y); }
    static Spring* join(Mass* a, Mass* b) { return springList.addAtRest(a, b); }
    // Two balls added in this order, joined by a spring.
    static void addJoinedBalls(float ax, float ay, float bx, float by)
    {
        Mass* first = addBall(ax, ay);
        join(first, addBall(bx, by));
    }
    static Crawler* addCrawler(float x, float y, CrawlerState state = Falling);
    // The sounds playing now, by channel (each sound plays on its own index).
    static std::vector<int> soundsPlaying();

    // The player's hand as the toolkit reports it: window pixels (a motion
    // with a button held or not), and presses and releases of a button.
    static void moveToPixel(int x, int y);
    // To where the world point shows through the camera as it now is.
    static void moveTo(float x, float y);
    static void press(int button = 0);
    static void release(int button = 0);
};

// Empties the game's lists and lets go of whatever the player held.
void clearPlay();
