#include "text/MessageBoard.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float frame = 0.1f;

std::vector<std::string> textsOf(const MessageBoard& board)
{
    std::vector<std::string> texts;
    for (const Message& message : board.messages)
        texts.push_back(message.text);
    return texts;
}

}

TEST(Message, GrowsSpinningThenHoldsTiltedAndPulses)
{
    Message message;
    message.advance(frame);
    EXPECT_FLOAT_EQ(message.scale, 0);
    EXPECT_FLOAT_EQ(message.alpha, 0);
    EXPECT_FLOAT_EQ(message.angle, 0);
    EXPECT_EQ(message.phase, Grow);

    message.advance(frame);
    EXPECT_NEAR(message.scale, 0.667f, 0.001f);
    EXPECT_NEAR(message.angle, 240, 0.01f);
    EXPECT_EQ(message.phase, Grow);

    message.advance(frame);
    EXPECT_NEAR(message.scale, 1.333f, 0.001f);
    EXPECT_NEAR(message.alpha, 1.333f, 0.001f);
    EXPECT_NEAR(message.angle, 480, 0.01f);
    EXPECT_EQ(message.phase, Hold);
    EXPECT_FLOAT_EQ(message.time, frame);

    message.advance(frame);
    EXPECT_FLOAT_EQ(message.alpha, 1);
    EXPECT_NEAR(message.scale, (std::sin(1.0f) * 0.25f + 2) * 0.5f, 1e-5f);
    EXPECT_NEAR(message.angle, 480, 0.01f) << "the hold keeps the last grow step's angle";
}

TEST(Message, EachPhaseEndsWhenItsTimeIsReachedNotPassed)
{
    Message message;
    message.advance(0.15f);
    EXPECT_EQ(message.phase, Grow);
    message.advance(0.5f);
    EXPECT_EQ(message.phase, Hold) << "0.15 reached: grow ends";
    EXPECT_FLOAT_EQ(message.scale, 1);
    EXPECT_FLOAT_EQ(message.angle, 360);
    message.advance(0.25f);
    EXPECT_EQ(message.phase, Fade);
    message.advance(0.01f);
    EXPECT_EQ(message.phase, Done);
    EXPECT_FLOAT_EQ(message.alpha, 0);
    EXPECT_FLOAT_EQ(message.time, 0.01f);

    float before = message.scale;
    message.advance(frame);
    EXPECT_EQ(message.phase, Done);
    EXPECT_FLOAT_EQ(message.scale, before);
}

TEST(MessageBoard, RemovesAMessageOnTheUpdateThatFinishesItAndNeverDrawsItFaded)
{
    MessageBoard board;
    board.post(1, 2, "%.1f meters!", 12.34);
    ASSERT_EQ(board.messages.size(), 1u);
    const Message& posted = board.messages.front();
    EXPECT_EQ(posted.text, "12.3 meters!");
    EXPECT_FLOAT_EQ(posted.x, 1);
    EXPECT_FLOAT_EQ(posted.y, 2);
    EXPECT_EQ(posted.phase, Grow);
    EXPECT_FLOAT_EQ(posted.time, 0);

    int updates = 0;
    while (!board.messages.empty()) {
        board.update(frame);
        ++updates;
        if (!board.messages.empty() && board.messages.front().phase != Grow) {
            EXPECT_GT(board.messages.front().alpha, 0) << "update " << updates;
        }
        ASSERT_LT(updates, 100);
    }
    // Grow sees 0, 0.1 and 0.2 (3 updates); each later phase starts at one
    // frame: hold sees 0.1 to 0.5 (5), fade 0.1 to 0.3 and goes (3).
    EXPECT_EQ(updates, 11);
}

TEST(MessageBoard, KeepsPostingOrderAcrossRemovals)
{
    MessageBoard board;
    board.post(0, 0, "first");
    board.update(0.3f);
    board.post(0, 0, "second");
    board.post(0, 0, "third %d", 3);
    EXPECT_EQ(textsOf(board), (std::vector<std::string>{"first", "second", "third 3"}));

    board.update(0.5f);
    board.update(0.3f);
    EXPECT_EQ(textsOf(board), (std::vector<std::string>{"first", "second", "third 3"}));
    board.update(0.01f);
    EXPECT_EQ(textsOf(board), (std::vector<std::string>{"second", "third 3"}));
}

TEST(MessageBoard, NullFormatPostsAnEmptyTextThatLivesItsFullTime)
{
    MessageBoard board;
    const char* none = nullptr;
    board.post(3, 4, none);
    ASSERT_EQ(board.messages.size(), 1u);
    EXPECT_EQ(board.messages.front().text, "");

    float lived = 0;
    while (!board.messages.empty()) {
        board.update(0.05f);
        lived += 0.05f;
        ASSERT_LT(lived, 5.0f);
    }
    EXPECT_GE(lived, 0.9f);
    EXPECT_LT(lived, 1.1f);

    board.post(0, 0, "%s", std::string(400, 'z').c_str());
    EXPECT_EQ(board.messages.back().text.size(), 255u);
}
