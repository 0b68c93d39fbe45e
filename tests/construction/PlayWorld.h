#pragma once

#include "app/Pointer.h"
#include "audio/SoundBank.h"
#include "construction/CrawlerList.h"
#include "construction/HoverAndPreview.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

// Empties the game's lists and lets go of whatever the player held.
void clearPlay();

// The game's lists and placement as play wires them (without sprites), emptied after each test, rand seeded alike.
class PlayWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override { clearPlay(); }

public:
    static Mass* addBall(float x, float y) { return massList.addBallAt(x, y); }
    static Spring* join(Mass* a, Mass* b) { return springList.addAtRest(a, b); }
    static Crawler* addCrawler(float x, float y, CrawlerState state = Falling);
    // The sounds playing now, by channel (each sound plays on its own index).
    static std::vector<int> soundsPlaying();

    // The player's hand as the toolkit reports it: a motion to where the world point shows, presses and releases.
    static void moveTo(float x, float y);
    static void press(int button = GLUT_LEFT_BUTTON) { Pointer::instance().onMouse(button, GLUT_DOWN, 0, 0); }
    static void release(int button = GLUT_LEFT_BUTTON) { Pointer::instance().onMouse(button, GLUT_UP, 0, 0); }
    // A left drag of a new crawler at (fromX, fromY) to (toX, toY), not yet released.
    static Crawler* drag(float fromX, float fromY, float toX, float toY)
    {
        Crawler* crawler = addCrawler(fromX, fromY, Walking);
        moveTo(fromX, fromY);
        press();
        moveTo(toX, toY);
        return crawler;
    }
};
