#include "tests/physics/TestStructure.h"

#include "graphics/Stage.h"
#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StructureStep.h"

TestStructure::TestStructure()
{
    Stage::instance().setBounds(playingField);
}

TestStructure::~TestStructure()
{
    emptyLists(masses, springs);
}

Mass* TestStructure::addBall(float x, float y)
{
    Mass* ball = new Mass();
    ball->setX(x);
    ball->setY(y);
    masses.add(ball);
    return ball;
}

Spring* TestStructure::addSpring(Mass* a, Mass* b)
{
    Spring* spring = new Spring();
    spring->attach(a, b);
    spring->restLength = spring->measure();
    springs.add(spring);
    return spring;
}

void TestStructure::runFrames(float frameTime, int frames)
{
    for (int frame = 0; frame < frames; ++frame)
        stepStructure(masses, springs, frameTime);
}

void emptyLists(MassList& masses, SpringList& springs)
{
    while (springs.size() > 0)
        springs.remove(springs.at(0));
    while (masses.size() > 0)
        masses.remove(masses.at(0));
}
