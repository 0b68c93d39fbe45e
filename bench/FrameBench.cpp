// What a full frame of play costs on this machine's GL, against two floors
// measured in the same run and window:
// - game: Game::display over the fullest world (step and drawing), with the
//   selector ring on a crawler and a message on the board;
// - same drawing: the very sprites of one such frame, in the same order with
//   the same textures, colours, blending and transforms, replayed with no game
//   logic at all;
// - bare: a clear, one window-sized textured quad and the swap.
// Each kind's CPU time a frame (the process's, the GL driver's threads included)
// is the floor the energy benchmark holds the paced game's play against.
// It also tells the peak resident memory of the bare window (created, shown
// and swapped once, before the game is set up) and of the whole run.
// Run it under the X server to be measured (xvfb-run for Mesa's software GL).
//   vorlund_frame_bench [frames per phase]
#include "app/Game.h"
#include "app/View.h"
#include "bench/FullestWorld.h"
#include "construction/CrawlerList.h"
#include "graphics/CloudBand.h"
#include "graphics/SpritePass.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/SpringStrip.h"
#include "text/MessageBoard.h"

#include <GL/freeglut.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int windowSide = 800;
constexpr int defaultFrames = 600;
constexpr int turns = 10;
constexpr float ringSizePerRadius = 5;

// One sprite as the game draws it: colour, place, turn, size.
struct Sprite {
    unsigned texture;
    float red, green, blue, alpha;
    float x, y, angle, width, height;
};

void drawSprites(const std::vector<Sprite>& sprites)
{
    beginSpritePass();
    for (const Sprite& sprite : sprites) {
        glColor4f(sprite.red, sprite.green, sprite.blue, sprite.alpha);
        glPushMatrix();
        glTranslatef(sprite.x, sprite.y, 0);
        glRotatef(sprite.angle, 0, 0, 1);
        glScalef(sprite.width, sprite.height, 1);
        drawSpriteQuad(sprite.texture);
        glPopMatrix();
    }
    endSpritePass();
}

// The springs, balls and crawlers (with the ring) the game's next frame draws.
struct RecordedFrame {
    std::vector<Sprite> springs;
    std::vector<Sprite> balls;
    std::vector<Sprite> crawlers;
};

RecordedFrame recordFrame()
{
    RecordedFrame frame;
    for (std::size_t i = 0; i < springList.size(); ++i) {
        Spring& spring = *springList.at(i);
        spring.measure();
        SpringStrip strip = stripOf(spring);
        frame.springs.push_back(
            {spring.sprite, 0, 0, 0, 1, strip.centreX, strip.centreY, strip.angle, strip.width, strip.length});
    }
    for (std::size_t i = 0; i < massList.size(); ++i) {
        const Mass& ball = *massList.at(i);
        frame.balls.push_back({ball.sprite, 0, 0, 0, 1, ball.x, ball.y, 0, 2 * ball.radius, 2 * ball.radius});
    }
    for (std::size_t i = 0; i < crawlerList.size(); ++i) {
        const Crawler& crawler = *crawlerList.at(i);
        float size = 2 * crawler.radius * crawler.scale;
        frame.crawlers.push_back({crawler.sprite, 1, 1, 1, crawler.alpha, crawler.x, crawler.y, 0,
                                  size / crawler.wobble, size * crawler.wobble});
    }
    const Crawler& hovered = *crawlerList.hoveredCrawler;
    float ring = ringSizePerRadius * hovered.radius;
    frame.crawlers.push_back({crawlerList.selectorSprite, 1, 1, 1, 1, hovered.x, hovered.y, 0, ring, ring});
    return frame;
}

void replay(const RecordedFrame& frame)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    View::instance().apply();
    Stage::instance().drawBackground();
    drawSprites(frame.springs);
    drawSprites(frame.balls);
    drawSprites(frame.crawlers);
    CloudBand::instance().draw();
    Stage::instance().drawScenery();
    MessageBoard::instance().draw();
    glutSwapBuffers();
    glPopMatrix();
}

// The title picture over the whole window, and nothing else.
void bareFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0, 0, -1);
    glEnable(GL_TEXTURE_2D);
    glScalef(2, 2, 1);
    drawSpriteQuad(Stage::instance().titleTexture);
    glDisable(GL_TEXTURE_2D);
    glutSwapBuffers();
    glPopMatrix();
}

struct Timing {
    double mean;
    double p99;
    double cpuPerFrame;
};

// User and system time of the whole process so far, in seconds.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval time) { return static_cast<double>(time.tv_sec) + 1e-6 * static_cast<double>(time.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Frame times of one kind of frame, gathered in turns with the others so that
// whatever else the machine does weighs on all of them alike.
class FrameTimes {
public:
    explicit FrameTimes(std::function<void()> frame) : frame_(std::move(frame)) {}

    void run(int frames)
    {
        double cpuBefore = cpuSeconds();
        for (int i = 0; i < frames; ++i) {
            auto start = std::chrono::steady_clock::now();
            frame_();
            glFinish();
            seconds_.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            glutMainLoopEvent();
        }
        cpu_ += cpuSeconds() - cpuBefore;
    }

    Timing timing()
    {
        double total = 0;
        for (double s : seconds_)
            total += s;
        std::sort(seconds_.begin(), seconds_.end());
        return {total / seconds_.size(), seconds_[static_cast<std::size_t>(0.99 * (seconds_.size() - 1))],
                cpu_ / seconds_.size()};
    }

private:
    std::function<void()> frame_;
    std::vector<double> seconds_;
    double cpu_ = 0;
};

void report(const char* what, Timing timing, Timing floor)
{
    std::printf("%-14s mean %6.2f ms (%5.1f frames/s)  p99 %6.2f ms   mean %.3f times the same-drawing floor's"
                "   CPU %6.2f ms a frame\n",
                what, 1e3 * timing.mean, 1 / timing.mean, 1e3 * timing.p99, timing.mean / floor.mean,
                1e3 * timing.cpuPerFrame);
}

void drawNothing()
{
}

// The most memory the process has held resident so far, in megabytes.
double peakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    return 0;
}

}

int main(int argc, char** argv)
{
    int frames = argc > 1 ? std::atoi(argv[1]) : defaultFrames;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowSide, windowSide);
    glutCreateWindow("Vorlund! frame bench");
    glutDisplayFunc(drawNothing);
    glutSwapBuffers();
    glutMainLoopEvent();
    double bareWindow = peakResidentMegabytes();
    Game::instance().setup();
    View::instance().reshape(windowSide, windowSide);
    clearWorld();
    buildFullestWorld(true);
    crawlerList.hoveredCrawler = crawlerList.at(0);
    gameState = Play;
    for (int i = 0; i < 60; ++i) // the falling crawlers on their way, every shader compiled
        Game::instance().display();

    RecordedFrame recorded = recordFrame();
    FrameTimes gameFrames([] { Game::instance().display(); });
    FrameTimes sameDrawingFrames([&recorded] { replay(recorded); });
    FrameTimes bareFrames(bareFrame);
    for (int turn = 0; turn < turns; ++turn) {
        for (FrameTimes* kind : {&gameFrames, &sameDrawingFrames, &bareFrames})
            kind->run(frames / turns);
    }
    Timing game = gameFrames.timing();
    Timing sameDrawing = sameDrawingFrames.timing();
    Timing bare = bareFrames.timing();
    std::printf("%d frames each, %zu balls, %zu springs, %zu crawlers\n", frames, massList.size(), springList.size(),
                crawlerList.size());
    report("game", game, sameDrawing);
    report("same drawing", sameDrawing, sameDrawing);
    report("bare", bare, sameDrawing);
    std::printf("peak resident memory: bare window %.0f MB, the whole run %.0f MB\n", bareWindow,
                peakResidentMegabytes());
    return 0;
}
