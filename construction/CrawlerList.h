#pragma once

#include "construction/Crawler.h"
#include "physics/OwningList.h"

class Mass;
class MassList;
class SpringList;

// Every free ball, in the order they came. The list steps them, removes those
// that are done, draws them with the spinning selector ring around the one
// under the pointer, and finds the one nearest to the pointer. Its inherited
// sprite is every crawler's.
class CrawlerList : public OwningList<Crawler> {
public:
    // Links the crawlers to the structure they walk on and loads the sprites' textures.
    void setUp(MassList& masses, SpringList& springs);

    // Destroys the crawler, first letting go of it if it is hovered.
    void remove(Crawler* crawler);
    // Steps every crawler once, removing each one that is done as it goes.
    void update(float dt);
    // Draws the crawlers and, around the hovered one, the ring, turned on by
    // the frame's time.
    void draw(double frameTime);

    // The nearest crawler that can be picked up (active), however far; of two
    // at the same distance the earlier. Null when there is none.
    Crawler* nearestTo(float x, float y) const;
    // Sends every crawler walking to or from the ball off its way; the one in
    // the player's hand stays there.
    void releaseFromMass(const Mass* mass);

    unsigned selectorSprite = 0; // the ring's texture
    float selectorAngle = 0; // degrees, only ever turning clockwise
    Crawler* hoveredCrawler = nullptr;
};

extern CrawlerList crawlerList;
