#pragma once

#include "e2e/Picture.h"

#include <string>
#include <utility>

struct _XDisplay;
using WindowId = unsigned long;

// A connection to the X display the tests run under. It finds windows by name,
// reads what they show, and plays a player's pointer and keyboard through the
// XTEST extension, so the game gets the very events a player's devices make.
// Positions are in a window's pixels and may lie outside it.
class XConnection {
public:
    XConnection();
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool connected() const { return display_ != nullptr; }
    // A mapped window of that name anywhere under the root; 0 when there is none.
    WindowId find(const std::string& name, WindowId under = 0) const;
    std::pair<int, int> size(WindowId window) const;
    void resize(WindowId window, int width, int height);
    // Empty when the window cannot be read.
    Picture grab(WindowId window) const;

    void movePointer(WindowId window, int x, int y);
    void button(unsigned button, bool down);
    // An X key name: "w", "space", "Escape"...
    void key(const std::string& keyName, bool down);

private:
    _XDisplay* display_;
};
