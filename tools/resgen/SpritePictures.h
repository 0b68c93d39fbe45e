#pragma once

#include "Canvas.h"

// The small pictures the game stretches over its simulated objects. Each one
// fills its square (or strip) edge to edge where the object's size says it
// should, and leaves a transparent border so repeating texture edges never
// bleed in from the opposite side.

// The structure's ball. The game multiplies it by black, so its alpha is what
// counts: a clean disc as wide as the picture.
Canvas makeBallPicture();

// The strip every spring is drawn with, along its height and as wide as a ball.
// Only its alpha shows, and its height is stretched anywhere from about one to
// fourteen times its width, so its outline varies across it and only smoothly
// along it: a sinew, full at the ends where it grips the balls, slimmer between.
Canvas makeSpringPicture();

// The crawler, drawn in its own colours: a round, wide-eyed little creature.
// Its wobble draws it on average 1.2 times taller and 1/1.2 as wide as its
// ball, so the picture is that much flatter than round: it fills the width of
// the square and looks round midway between its squashes and stretches.
Canvas makeCrawlerPicture();

// The ring that turns around the crawler under the pointer, 2.5 crawler
// diameters across; its dashes make the turning visible.
Canvas makeSelectorPicture();

// Paints a crawler of the given radius centred on (x, y), its height the
// given ratio of its width.
void paintCrawler(Canvas& canvas, float x, float y, float radius, float heightRatio = 1);
