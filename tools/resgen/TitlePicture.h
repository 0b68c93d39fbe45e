#pragma once

#include "Canvas.h"

class TextPainter;

// The first thing a player sees: the game's name over a little tower of balls
// and springs with crawlers on and around it.
Canvas makeTitlePicture(const TextPainter& text);
