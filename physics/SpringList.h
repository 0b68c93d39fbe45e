#pragma once

#include <cstddef>
#include <vector>

class Mass;
class Spring;

// Every spring between the balls, built or preview, in the order they were
// added, which is the order of every pass and of every search. The list owns
// its springs: remove destroys one. What is still in it when the program ends
// is left alone.
class SpringList {
public:
    SpringList() = default;
    SpringList(const SpringList&) = delete;
    SpringList& operator=(const SpringList&) = delete;

    void loadSprite();
    // Gives the spring the list's sprite, so loadSprite must come first.
    void add(Spring* spring);
    // Destroys the spring; a spring that is not in the list changes nothing.
    void remove(Spring* spring);
    void draw();

    void applyForces(float dt);
    // Refreshes every spring's cached geometry to where its balls are now.
    void measureAll();

    // Whether an active spring joins the two balls, either way round.
    bool joined(const Mass* a, const Mass* b) const;
    // The first active, non-rejected spring with the ball at either end, or null.
    Spring* findAttached(const Mass* mass) const;
    // Writes into out, in spring order, the balls that active springs join to
    // the ball, at most max of them, and returns how many it wrote.
    unsigned neighbours(const Mass* mass, Mass** out, unsigned max) const;

    std::size_t size() const { return elements_.size(); }
    Spring* at(std::size_t position) const { return elements_[position]; }

    unsigned sprite = 0;

private:
    std::vector<Spring*> elements_;
};

extern SpringList springList;
