#include "tests/physics/TestStructure.h"

#include "graphics/Stage.h"
#include "physics/StructureStep.h"

TestStructure::TestStructure()
{
    Stage::instance().setBounds(playingField);
}

TestStructure::~TestStructure()
{
    emptyLists(masses, springs);
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
