#pragma once

class Mass;

// Takes over a ball that strays past a side of the field and so leaves the
// structure. The physics knows nothing of what becomes of it: the scene set-up
// installs a handler that turns it back into a free crawler.
class StrayBallHandler {
public:
    virtual ~StrayBallHandler() = default;

    // Called once the ball's springs are gone and it is out of the list, just
    // before it is destroyed: the ball may be read, not kept.
    virtual void takeStrayBall(const Mass& ball) = 0;
};
