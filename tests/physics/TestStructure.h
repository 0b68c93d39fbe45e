#pragma once

#include "physics/MassList.h"
#include "physics/SpringList.h"

// A structure of one test's own, on the game's playing field. Unlike the game's lists, which live until the program
// ends, it destroys what is left in it when the test is over, so the leak checker sees no stray balls or springs.
struct TestStructure {
    TestStructure();
    TestStructure(const TestStructure&) = delete;
    TestStructure& operator=(const TestStructure&) = delete;
    ~TestStructure();

    Mass* addBall(float x, float y) { return masses.addBallAt(x, y); }
    Spring* addSpring(Mass* a, Mass* b) { return springs.addAtRest(a, b); }
    // Frames of the given length as the game steps the structure.
    void runFrames(float frameTime, int frames);

    MassList masses;
    SpringList springs;
};

// Removes (and so destroys) everything in the two lists.
void emptyLists(MassList& masses, SpringList& springs);
