#include "text/MessageBoard.h"

#include <gtest/gtest.h>

#include <tuple>

// Each advance draws from the time the phase had reached before it, and a
// phase ends on the first advance whose time has reached its length. A
// holding message pulses to (sin 10t / 4 + 2) / 2, t seconds into its hold.
TEST(Message, GrowsSpinningThenPulsesStillTiltedThenShrinksAway)
{
    // Advances: the time, then the phase, scale, opacity and angle after it.
    using Timeline = std::vector<std::tuple<float, MessagePhase, float, float, float>>;
    // By frames, the grow overshoots, and the message keeps that angle.
    const Timeline byFrames = {{0.1f, Grow, 0, 0, 0}, {0.1f, Grow, 0.6667f, 0.6667f, 240},
                               {0.1f, Hold, 1.3333f, 1.3333f, 480}, {0.1f, Hold, 1.1052f, 1, 480}};
    const Timeline onTheBoundaries = {{0.15f, Grow, 0, 0, 0}, {0.5f, Hold, 1, 1, 360}, {0.25f, Fade, 0.8801f, 1, 360},
                                      {0.01f, Done, 0, 0, 360}, {0.1f, Done, 0, 0, 360}};
    for (const Timeline& timeline : {byFrames, onTheBoundaries}) {
        Message message;
        for (const auto& [dt, phase, scale, alpha, angle] : timeline) {
            message.advance(dt);
            EXPECT_EQ(message.phase, phase);
            EXPECT_NEAR(message.scale, scale, 1e-3f);
            EXPECT_NEAR(message.alpha, alpha, 1e-3f);
            EXPECT_NEAR(message.angle, angle, 1e-2f);
        }
    }
}

// The first message grows, holds and fades through three updates; the fourth
// removes it alone, the others keeping their order. A text is cut at 255
// characters, and a null one is empty.
TEST(MessageBoard, KeepsMessagesInPostingOrderUntilTheUpdateThatFinishesEach)
{
    MessageBoard board;
    const char* none = nullptr;
    board.post(1, 2, "%.1f meters!", 12.34);
    board.update(0.3f);
    board.post(0, 0, "%s!", std::string(300, 'x').c_str());
    board.post(0, 0, none);
    board.update(0.5f);
    board.update(0.3f);
    ASSERT_EQ(board.messages.size(), 3u);
    EXPECT_EQ(std::tie(board.messages[0].text, board.messages[0].x, board.messages[0].y),
              std::make_tuple(std::string("12.3 meters!"), 1.0f, 2.0f));
    board.update(0.01f);
    ASSERT_EQ(board.messages.size(), 2u);
    EXPECT_EQ(board.messages[0].text + board.messages[1].text, std::string(255, 'x'));
}
