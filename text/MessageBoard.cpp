#include "text/MessageBoard.h"

#include "text/TextFormat.h"

MessageBoard& MessageBoard::instance()
{
    static MessageBoard* board = new MessageBoard();
    return *board;
}

void MessageBoard::post(float x, float y, const char* format, ...)
{
    Message message;
    std::va_list args;
    va_start(args, format);
    message.text = formatText(format, args);
    va_end(args);
    message.x = x;
    message.y = y;
    messages.push_back(message);
}

void MessageBoard::update(float dt)
{
    for (auto it = messages.begin(); it != messages.end();) {
        it->advance(dt);
        if (it->phase == Done)
            it = messages.erase(it);
        else
            ++it;
    }
}

void MessageBoard::draw() const
{
    for (const Message& message : messages)
        message.draw();
}
