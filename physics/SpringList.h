#pragma once

#include "physics/OwningList.h"
#include "physics/Spring.h"

class Mass;

// Every spring between the balls, built or preview.
class SpringList : public OwningList<Spring> {
public:
    void loadSprite();
    // A new spring from a to b, at rest at the length between them now.
    Spring* addAtRest(Mass* a, Mass* b);

    void applyForces(float dt);
    // Refreshes the cached geometry of every spring that pushes (active and not
    // rejected) to where its balls are now.
    void measureAll();

    // Whether an active spring joins the two balls, either way round.
    bool joined(const Mass* a, const Mass* b) const;
    // The first active, non-rejected spring with the ball at either end, or null.
    Spring* findAttached(const Mass* mass) const;
    // Writes into out, in spring order, the balls that active springs join to
    // the ball, at most max of them, and returns how many it wrote.
    unsigned neighbours(const Mass* mass, Mass** out, unsigned max) const;

};

extern SpringList springList;
