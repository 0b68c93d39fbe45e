#include "physics/SpringList.h"

#include "graphics/Texture.h"
#include "res/ResourceFiles.h"

#include <algorithm>

SpringList springList;

namespace {

bool isEndOf(const Spring& spring, const Mass* mass)
{
    return spring.massA == mass || spring.massB == mass;
}

}

void SpringList::loadSprite()
{
    sprite = loadTexture(res::springImage);
}

Spring* SpringList::addAtRest(Mass* a, Mass* b)
{
    auto* spring = new Spring();
    spring->attach(a, b);
    spring->restLength = spring->measure();
    add(spring);
    return spring;
}

void SpringList::applyForces(float dt)
{
    for (Spring* spring : elements_)
        spring->update(dt);
}

void SpringList::measureAll()
{
    for (Spring* spring : elements_)
        if (spring->active && !spring->rejected)
            spring->measure();
}

bool SpringList::joined(const Mass* a, const Mass* b) const
{
    // Previews are inactive, so a ball is not joined by the spring the player
    // is only showing.
    return std::any_of(elements_.begin(), elements_.end(), [a, b](const Spring* spring) {
        return spring->active && (spring->massA == a || spring->massA == b) &&
               (spring->massB == a || spring->massB == b);
    });
}

Spring* SpringList::findAttached(const Mass* mass) const
{
    auto found = std::find_if(elements_.begin(), elements_.end(), [mass](const Spring* spring) {
        return spring->active && !spring->rejected && isEndOf(*spring, mass);
    });
    return found == elements_.end() ? nullptr : *found;
}

unsigned SpringList::neighbours(const Mass* mass, Mass** out, unsigned max) const
{
    unsigned count = 0;
    for (const Spring* spring : elements_) {
        // Checked before writing, so a max of 0 writes nothing.
        if (count >= max)
            break;
        if (!spring->active)
            continue;
        if (spring->massA == mass)
            out[count++] = spring->massB;
        else if (spring->massB == mass)
            out[count++] = spring->massA;
    }
    return count;
}
