#include "physics/StartingStructure.h"

#include "physics/Mass.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"

#include <array>
#include <cstddef>

namespace {

struct Place {
    float x;
    float y;
};

constexpr std::array<Place, 4> ballPlaces{{{-2, 3}, {-1, 5}, {1, 5}, {2, 3}}};

struct Link {
    std::size_t from;
    std::size_t to;
};

// The four sides, then the two diagonals that keep the shape from folding.
constexpr std::array<Link, 6> links{{{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}, {1, 3}}};

}

void addStartingStructure(MassList& masses, SpringList& springs)
{
    std::array<Mass*, ballPlaces.size()> balls{};
    for (std::size_t i = 0; i < ballPlaces.size(); ++i)
        balls[i] = masses.addBallAt(ballPlaces[i].x, ballPlaces[i].y);
    for (const Link& link : links)
        springs.addAtRest(balls[link.from], balls[link.to]);
}

void buildStartingStructure()
{
    massList.loadSprite();
    springList.loadSprite();
    addStartingStructure(massList, springList);
}
