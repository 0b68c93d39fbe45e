#include "construction/CrawlerList.h"

#include "graphics/SpritePass.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Texture.h"
#include "res/ResourceFiles.h"

#include <GL/gl.h>

CrawlerList crawlerList;

namespace {

constexpr float ringSizePerRadius = 5;
constexpr double ringDegreesPerSecond = -540; // clockwise as seen on screen
constexpr double farther = 1e10;

}

void CrawlerList::setUp(MassList& masses, SpringList& springs)
{
    linkedMassList = &masses;
    linkedSpringList = &springs;
    sprite = loadTexture(res::crawlerImage);
    selectorSprite = loadTexture(res::selectorImage);
}

void CrawlerList::remove(Crawler* crawler)
{
    if (hoveredCrawler == crawler)
        hoveredCrawler = nullptr;
    OwningList::remove(crawler);
}

void CrawlerList::update(float dt)
{
    std::size_t position = 0;
    while (position < elements_.size()) {
        Crawler* crawler = elements_[position];
        crawler->update(dt);
        if (crawler->state == Gone)
            remove(crawler); // the next one moves into this place
        else
            ++position;
    }
}

void CrawlerList::draw(double frameTime)
{
    beginSpritePass();
    for (Crawler* crawler : elements_)
        crawler->draw();
    if (hoveredCrawler != nullptr) {
        // Also around a crawler being carried, even while it is hidden.
        float size = ringSizePerRadius * hoveredCrawler->radius;
        glColor4f(1, 1, 1, 1);
        glPushMatrix();
        glTranslatef(hoveredCrawler->x, hoveredCrawler->y, 0);
        glScalef(size, size, 1);
        selectorAngle += static_cast<float>(frameTime * ringDegreesPerSecond);
        glRotatef(selectorAngle, 0, 0, 1);
        drawSpriteQuad(selectorSprite);
        glPopMatrix();
    }
    endSpritePass();
}

Crawler* CrawlerList::nearestTo(float x, float y) const
{
    // Squared distances in double precision, so that of two crawlers at the
    // same distance the earlier one keeps its place.
    double best = farther;
    Crawler* nearest = nullptr;
    for (Crawler* crawler : elements_) {
        if (!crawler->active)
            continue;
        double dx = static_cast<double>(x) - crawler->x;
        double dy = static_cast<double>(y) - crawler->y;
        double distance = dx * dx + dy * dy;
        if (distance < best) {
            best = distance;
            nearest = crawler;
        }
    }
    return nearest;
}

void CrawlerList::releaseFromMass(const Mass* mass)
{
    for (Crawler* crawler : elements_) {
        if (crawler->target != mass && crawler->previous != mass)
            continue;
        crawler->target = nullptr;
        crawler->previous = nullptr;
        crawler->progress = 0;
        if (crawler->state != Held)
            crawler->state = Falling;
    }
}
