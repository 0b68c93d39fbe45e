#pragma once

#include "graphics/SpritePass.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// The structure's containers: pointers to heap objects in the order they were
// added, which is the order every pass walks them and the order that breaks
// ties. The list owns what it holds: remove destroys. What is still in it when
// the program ends is left alone. Every element draws with the list's sprite.
template <typename T>
class OwningList {
public:
    OwningList() = default;
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;

    // Gives the element the list's sprite, so the sprite must be made first.
    void add(T* element)
    {
        element->sprite = sprite;
        elements_.push_back(element);
    }

    // Destroys the element; one that is not in the list changes nothing. Later
    // elements move up one place, in unchanged order.
    void remove(T* element) { takeOut(element); }

    // Takes the element out of the list as remove does, handing it to the
    // caller instead of destroying it; null for one that is not in the list.
    std::unique_ptr<T> takeOut(T* element)
    {
        auto found = std::find(elements_.begin(), elements_.end(), element);
        if (found == elements_.end())
            return nullptr;
        std::unique_ptr<T> taken(*found);
        elements_.erase(found);
        return taken;
    }

    void draw() const
    {
        beginSpritePass();
        for (T* element : elements_)
            element->draw();
        endSpritePass();
    }

    std::size_t size() const { return elements_.size(); }
    T* at(std::size_t position) const { return elements_[position]; }

    unsigned sprite = 0; // the texture of every element's sprite quad

protected:
    std::vector<T*> elements_;
};
