#include "IconPicture.h"

#include "Landscape.h"
#include "Shapes.h"
#include "Silhouettes.h"
#include "SpritePictures.h"

namespace {

constexpr int size = 256;
constexpr float margin = 8;
constexpr float cornerRadius = 44;
constexpr float groundY = 212;
constexpr float pixelsPerMetre = 40;
// Bolder than to scale, so the tower still reads at the smallest menu sizes.
constexpr float ballRadius = 11;

// The shape every game starts from, with one ball built on top.
void paintTower(Canvas& canvas)
{
    constexpr float balls[5][2] = {
        {28, groundY - ballRadius}, {116, groundY - ballRadius}, {50, 142}, {94, 142}, {72, 78}};
    constexpr int springs[8][2] = {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {0, 3}, {1, 2}, {2, 4}, {3, 4}};
    for (const auto& spring : springs)
        paintStructureSpring(canvas, balls[spring[0]][0], balls[spring[0]][1], balls[spring[1]][0],
                             balls[spring[1]][1], ballRadius);
    for (const auto& ball : balls)
        paintStructureBall(canvas, ball[0], ball[1], ballRadius);
}

}

Canvas makeIconPicture()
{
    Canvas canvas(size, size, skyColour(0).withAlpha(0));
    paintSky(canvas, 0, 0.6f);
    paintHills(canvas, groundY, pixelsPerMetre);
    paintGrass(canvas, groundY);
    paintTower(canvas);
    paintCrawler(canvas, 170, 140, 60);
    DistanceField square = roundedBox(margin, margin, size - margin, size - margin, cornerRadius);
    canvas.scaleAlpha([square](float x, float y) { return edgeCoverage(square(x, y)); });
    return canvas;
}
