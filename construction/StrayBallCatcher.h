#pragma once

#include "physics/StrayBallHandler.h"

// Turns a ball that leaves the structure back into a crawler at the same
// place, with the same mass and speed, falling; the crawlers walking to or
// from it fall too, and the player's preview lets go of it.
class StrayBallCatcher : public StrayBallHandler {
public:
    void takeStrayBall(const Mass& ball) override;
};

extern StrayBallCatcher strayBallCatcher;
