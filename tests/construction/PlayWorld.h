#pragma once

#include "construction/Crawler.h"

#include <gtest/gtest.h>

#include <vector>

class Mass;
class Spring;

// The game's own lists and placement, wired as play wires them (without
// sprites), empty at the start of each test and emptied again after it, with
// the sound bank loaded and rand seeded the same every time.
class PlayWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    static Mass* addBall(float x, float y);
    static Spring* join(Mass* a, Mass* b);
    static Crawler* addCrawler(float x, float y, CrawlerState state = Falling);
    // The sounds playing now, by channel (each sound plays on its own index).
    static std::vector<int> soundsPlaying();
};

// Empties the game's lists and lets go of whatever the player held.
void clearPlay();
