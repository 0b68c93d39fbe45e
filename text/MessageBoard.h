#pragma once

#include "text/Message.h"

#include <vector>

// The floating messages of play, oldest first: each is advanced every play
// frame and removed by the update that finishes it, and they are drawn in the
// order they were posted, later ones on top.
class MessageBoard {
public:
    static MessageBoard& instance();

    // Posts the printf-style text at the world position; a null format posts
    // an empty text, which still lives its full time.
    void post(float x, float y, const char* format, ...) __attribute__((format(printf, 4, 5)));
    void update(float dt);
    void draw() const;

    std::vector<Message> messages;
};
