#include "tests/physics/TestStructure.h"

void emptyLists(MassList& masses, SpringList& springs)
{
    while (springs.size() > 0)
        springs.remove(springs.at(0));
    while (masses.size() > 0)
        masses.remove(masses.at(0));
}
