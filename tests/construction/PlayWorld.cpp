#include "tests/construction/PlayWorld.h"

#include "app/Game.h"
#include "app/View.h"
#include "construction/Random.h"
#include "construction/StrayBallCatcher.h"
#include "graphics/Stage.h"
#include "tests/physics/TestStructure.h"
#include "text/MessageBoard.h"

#include <SDL2/SDL_mixer.h>
#include <cmath>
#include <cstdlib>

void PlayWorld::SetUpTestSuite()
{
    setenv("SDL_AUDIODRIVER", "dummy", 1); // a device that mixes in silence
    SoundBank::instance().load();
}

void PlayWorld::SetUp()
{
    Stage::instance().setBounds(playingField);
    View::instance() = View();
    Pointer::instance() = Pointer();
    gameState = Play;
    linkedMassList = &massList;
    linkedSpringList = &springList;
    massList.strayBallHandler = &strayBallCatcher;
    randomInt(1); // past the seeding from the clock
    std::srand(1);
}

void clearPlay()
{
    heldCrawler = nullptr;
    previewA = previewB = nullptr;
    while (crawlerList.size() > 0)
        crawlerList.remove(crawlerList.at(0));
    emptyLists(massList, springList);
    massList.topHeight = 0;
    MessageBoard::instance().messages.clear();
    Mix_HaltChannel(-1);
}

Crawler* PlayWorld::addCrawler(float x, float y, CrawlerState state)
{
    auto* crawler = new Crawler();
    crawler->setX(x);
    crawler->setY(y);
    crawler->state = state;
    crawlerList.add(crawler);
    return crawler;
}

std::vector<int> PlayWorld::soundsPlaying()
{
    std::vector<int> channels;
    for (int channel = 0; channel < soundCount; ++channel)
        if (Mix_Playing(channel))
            channels.push_back(channel);
    return channels;
}

void PlayWorld::moveTo(float x, float y)
{
    const View& view = View::instance();
    double pixelsPerMeter = 400 / view.halfExtent();
    int pixelX = static_cast<int>(std::lround((x + view.offsetX()) * pixelsPerMeter + 400));
    int pixelY = static_cast<int>(std::lround(400 - (y + view.offsetY()) * pixelsPerMeter));
    Pointer& pointer = Pointer::instance();
    if (pointer.buttons[GLUT_LEFT_BUTTON] == GLUT_DOWN || pointer.buttons[GLUT_RIGHT_BUTTON] == GLUT_DOWN)
        pointer.onMotion(pixelX, pixelY);
    else
        pointer.onPassiveMotion(pixelX, pixelY);
}
