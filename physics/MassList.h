#pragma once

#include <cstddef>
#include <vector>

class Mass;

// Every ball of the structure, in the order they were added, which is the order
// every pass walks them and the order that breaks ties. The list owns its balls:
// remove destroys one. What is still in it when the program ends is left alone.
class MassList {
public:
    MassList() = default;
    MassList(const MassList&) = delete;
    MassList& operator=(const MassList&) = delete;

    void loadSprite();
    // Gives the ball the list's sprite, so loadSprite must come first.
    void add(Mass* mass);
    // Destroys the ball; a ball that is not in the list changes nothing.
    void remove(Mass* mass);
    void draw();

    void clearForces();
    // Moves every ball, grounds those that reach the ground and sets topHeight.
    void advance(float dt);
    // The two active balls nearest to the point, however far; none (null) for
    // either when there are not two. Of two at the same distance the earlier wins.
    void nearestTwo(float px, float py, Mass*& nearest, Mass*& second) const;

    std::size_t size() const { return elements_.size(); }
    Mass* at(std::size_t position) const { return elements_[position]; }

    unsigned sprite = 0;
    // The highest ball centre after the last advance; 0 for no balls.
    float topHeight = 0;

private:
    std::vector<Mass*> elements_;
};

extern MassList massList;
