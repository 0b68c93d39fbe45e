#pragma once

#include "Canvas.h"

class TextPainter;

// How to play, in a few short lines, each beside a small picture of the move.
Canvas makeInstructionsPicture(const TextPainter& text);
