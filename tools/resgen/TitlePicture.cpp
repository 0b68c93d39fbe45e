#include "TitlePicture.h"

#include "ScreenLayout.h"
#include "Silhouettes.h"
#include "SpritePictures.h"

namespace {

constexpr int nameSize = 190;
constexpr float nameWidth = 880;
constexpr float nameBaseline = 290;
constexpr int sloganSize = 46;
constexpr float sloganBaseline = 380;

constexpr float ballRadius = 24;
constexpr float crawlerRadius = 27;

struct Point {
    float x, y;
};
// A small braced tower standing on the grass, drawn the way play shows one.
constexpr Point towerBalls[] = {
    {432, 944}, {596, 944}, {404, 806}, {574, 798}, {452, 668}, {610, 672}, {530, 552},
};
struct Joint {
    int a, b;
};
constexpr Joint towerSprings[] = {
    {0, 1}, {0, 2}, {1, 3}, {0, 3}, {2, 3}, {2, 4}, {3, 4}, {3, 5}, {4, 5}, {4, 6}, {5, 6},
};
// Crawlers on top of the tower, on its way up, on the ground and still falling.
constexpr Point crawlers[] = {
    {530, 504}, {606, 730}, {300, 940}, {770, 930}, {790, 500}, {250, 560},
};

void paintTower(Canvas& canvas)
{
    for (const Joint& spring : towerSprings) {
        const Point& a = towerBalls[spring.a];
        const Point& b = towerBalls[spring.b];
        paintStructureSpring(canvas, a.x, a.y, b.x, b.y, ballRadius);
    }
    for (const Point& ball : towerBalls)
        paintStructureBall(canvas, ball.x, ball.y, ballRadius);
}

}

Canvas makeTitlePicture(const TextPainter& text)
{
    Canvas canvas = makeScreenLandscape();
    paintTower(canvas);
    for (const Point& crawler : crawlers)
        paintCrawler(canvas, crawler.x, crawler.y, crawlerRadius);
    drawHeading(canvas, text, "Vorlund!", fittingSize(text, "Vorlund!", nameSize, nameWidth), nameBaseline);
    text.drawCentred(canvas, "build a tower above the clouds", {sloganSize, ink, 4, paper}, screenSize / 2.0f,
                     sloganBaseline);
    drawPrompt(canvas, text, "click to start");
    return canvas;
}
