#include "app/Game.h"

#include "app/Callbacks.h"
#include "app/View.h"
#include "audio/SoundBank.h"
#include "construction/CrawlerList.h"
#include "construction/StartingCrawlers.h"
#include "construction/StrayBallCatcher.h"
#include "graphics/CloudBand.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"
#include "res/ResourceFiles.h"
#include "text/Font.h"
#include "text/MessageBoard.h"

#include <GL/freeglut.h>

int gameState = Title;

namespace {

constexpr int gameMusic = 0;

std::uint32_t clockMs()
{
    return static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME));
}

bool playing()
{
    return gameState != Title && gameState != Instructions;
}

void setFixedDrawingState()
{
    glShadeModel(GL_FLAT);
    glPolygonMode(GL_FRONT, GL_FILL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    // Every sprite is wound counter-clockwise towards the camera.
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    // Less-or-equal, so a later draw at the same depth still shows.
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 1);
}

}

Game& Game::instance()
{
    static Game* game = new Game();
    return *game;
}

Game::Game() : clock_(clockMs())
{
}

void Game::setup()
{
    setFixedDrawingState();
    Stage& stage = Stage::instance();
    stage.loadScreens();
    stage.setBounds(playingField);
    SoundBank::instance().load();
    buildStartingStructure();
    crawlerList.setUp(massList, springList);
    massList.strayBallHandler = &strayBallCatcher;
    addStartingCrawlers(crawlerList);
    CloudBand::instance().load();
    Font::instance().init(res::fontFile, res::fontSize);
    SoundBank::instance().playMusic(gameMusic);
    gameState = Title;
    started_ = true;
    clock_.restart(clockMs()); // loading is no game time
}

void Game::display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    tickClock();
    if (gameState == Title)
        Stage::instance().drawTitle(View::instance().halfExtent());
    else if (gameState == Instructions)
        Stage::instance().drawInstructions(View::instance().halfExtent());
    else
        drawPlay();
    glutSwapBuffers();
    glPopMatrix();
}

void Game::idle()
{
    if (!pacer_.frameDue(playing())) {
        clock_.pause();
        return;
    }
    glutPostRedisplay();
    if (pacer_.timed())
        setFrameTimer(pacer_.nextDelayMs(clockMs()));
}

void Game::wake()
{
    switch (pacer_.wake(playing())) {
    case FramePacer::Wake::Nothing:
        break;
    case FramePacer::Wake::Redraw:
        glutPostRedisplay();
        break;
    case FramePacer::Wake::StartFrames:
        glutPostRedisplay();
        setFrameTimer(pacer_.nextDelayMs(clockMs()));
        break;
    }
}

void Game::windowShown(bool shown)
{
    if (shown == pacer_.visible())
        return;
    pacer_.setVisible(shown);
    clock_.pause();
    wake();
}

// Only play's step uses the frame time: a frame of a screen is a pause, so the
// first frame of play after one does not play the time the screen showed.
void Game::tickClock()
{
    std::uint32_t now = clockMs();
    frameTime_ = clock_.tick(now);
    if (!playing())
        clock_.pause();
}

void Game::drawPlay()
{
    if (started_)
        step();
    View::instance().apply();
    Stage::instance().drawBackground();
    springList.draw();
    massList.draw();
    crawlerList.draw(frameTime_);
    CloudBand::instance().draw();
    Stage::instance().drawScenery();
    MessageBoard::instance().draw();
}

void Game::step()
{
    stepPlay(static_cast<float>(frameTime_));
}

void stepPlay(float frameTime)
{
    // The crawlers move in the structure's slices: stepped by a whole long
    // frame, they would slide across the ground and out of the field in one go.
    StructureSlices slices = sliceFrame(frameTime);
    for (int slice = 0; slice < slices.count; ++slice) {
        stepStructureSlice(massList, springList, slices.sliceTime);
        crawlerList.update(slices.sliceTime);
    }
    // After a stall the camera and the messages go on from where the world
    // stopped too, not by the time the world never saw.
    View::instance().update(slices.simulatedTime());
    MessageBoard::instance().update(slices.simulatedTime());
}
