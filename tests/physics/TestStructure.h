#pragma once

#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"

// Removes (and so destroys) everything in the two lists.
void emptyLists(MassList& masses, SpringList& springs);

// A test's own structure on the playing field, destroyed with the test so the leak checker sees no stray balls.
struct TestStructure {
    TestStructure() { Stage::instance().setBounds(playingField); }
    TestStructure(const TestStructure&) = delete;
    TestStructure& operator=(const TestStructure&) = delete;
    ~TestStructure() { emptyLists(masses, springs); }

    Mass* addBall(float x, float y) { return masses.addBallAt(x, y); }
    Spring* addSpring(Mass* a, Mass* b) { return springs.addAtRest(a, b); }

    MassList masses;
    SpringList springs;
};
