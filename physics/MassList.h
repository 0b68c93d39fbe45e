#pragma once

#include "physics/Mass.h"
#include "physics/OwningList.h"

class SpringList;
class StrayBallHandler;

// Every ball of the structure.
class MassList : public OwningList<Mass> {
public:
    void loadSprite();
    // A new ball with the defaults at the place, added at the end.
    Mass* addBallAt(float x, float y);

    void clearForces();
    // Moves every ball, grounds those that reach the ground, detaches those
    // whose centre has left the Stage at a side, and sets topHeight.
    void advance(float dt, SpringList& springs);
    // Takes the ball out of the structure with every built spring that holds
    // it, hands it to the strayBallHandler (if any), and destroys it.
    void detach(Mass* ball, SpringList& springs);
    // The two active balls nearest to the point, however far; none (null) for
    // either when there are not two. Of two at the same distance the earlier wins.
    void nearestTwo(float px, float py, Mass*& nearest, Mass*& second) const;

    // The highest ball centre after the last advance; 0 for no balls.
    float topHeight = 0;
    StrayBallHandler* strayBallHandler = nullptr;
};

extern MassList massList;
