// Play as the player sees it: the scene, the zoom keys and the edge scroll.
#include "e2e/GameTest.h"

#include <string>
#include <thread>

namespace {

// A falling structure changes several percent of the window from one moment to
// the next; the screens before play do not change a single pixel.
constexpr double movement = 0.01;

class Play : public GameTest {
protected:
    void SetUp() override
    {
        Picture field = fieldSeenFrom(backdropPicture, startingCamera);
        ASSERT_TRUE(start());
        ASSERT_TRUE(showsScreen(screenPicture(titlePicture)));
        click();
        click();
        ASSERT_TRUE(showsField(field));
    }
};

}

TEST_F(Play, TheSceneMovesByItself)
{
    Picture first = grab();
    EXPECT_TRUE(eventually([&] { return differingShare(first, grab()) > movement; }, 1s));
}

TEST_F(Play, ZoomKeysShowMoreOrLessOfTheFieldWithinTheirLimits)
{
    struct Step {
        std::string keys;
        Camera camera;
    };
    // Out to 10 m the field is narrower than the view and sits in its middle;
    // out it stops at 15 m, where the whole field shows. In, it stops at 1 m, so
    // 16 steps out from there are 9 m, where the black beyond the field tells
    // the distance to half a metre.
    const Step steps[] = {
        {std::string(10, 'w'), {0, 10, 10}},
        {std::string(14, 'w'), {0, 15, 15}},
        {std::string(30, 's') + std::string(16, 'w'), {0, 15, 9}},
    };
    for (const Step& step : steps) {
        type(step.keys);
        EXPECT_TRUE(showsCamera(step.camera)) << step.keys;
    }
}

TEST_F(Play, PointerAtTheLeftEdgeScrollsToTheEdgeOfTheFieldAndNoFurther)
{
    x.movePointer(window, 0, centre);
    const Camera atTheEdge{-3, 5, 5};
    EXPECT_TRUE(showsCamera(atTheEdge));
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(showsCamera(atTheEdge, 0ms));
}
