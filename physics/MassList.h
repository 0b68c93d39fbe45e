#pragma once

#include "physics/Mass.h"
#include "physics/OwningList.h"

// Every ball of the structure.
class MassList : public OwningList<Mass> {
public:
    void loadSprite();

    void clearForces();
    // Moves every ball, grounds those that reach the ground and sets topHeight.
    void advance(float dt);
    // The two active balls nearest to the point, however far; none (null) for
    // either when there are not two. Of two at the same distance the earlier wins.
    void nearestTwo(float px, float py, Mass*& nearest, Mass*& second) const;

    // The highest ball centre after the last advance; 0 for no balls.
    float topHeight = 0;
};

extern MassList massList;
