#pragma once

#include "Canvas.h"

class TextPainter;

// The backdrop stretched over the whole 16 m by 30 m playing field: the ground
// along its bottom edge, the sky deepening upwards, and a faint height scale up
// both sides so every metre climbed shows.
Canvas makeBackdropPicture(const TextPainter& text);
