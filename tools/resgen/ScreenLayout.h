#pragma once

#include "Canvas.h"
#include "TextPainter.h"

// What the title and instructions screens share: their size, the landscape
// behind them and the style of their writing.

// The window is 800 pixels square; a little more detail than it shows keeps
// the letters crisp.
constexpr int screenSize = 1024;
constexpr float screenGroundY = screenSize - 64;

constexpr Colour ink = hexColour(0x2b1d3a);
constexpr Colour gold = hexColour(0xffb42e);
constexpr Colour paper = hexColour(0xffffff);

// A square picture of the landscape with a few clouds, as a screen's backdrop.
Canvas makeScreenLandscape();

// Writes a big heading in gold letters with a dark rim and a soft shadow.
void drawHeading(Canvas& canvas, const TextPainter& text, const std::string& line, int pixelSize, float baselineY);

// Writes the "click to go on" line at the foot of a screen.
void drawPrompt(Canvas& canvas, const TextPainter& text, const std::string& line);

// The largest pixel size, up to the given one, at which the line fits the width.
int fittingSize(const TextPainter& text, const std::string& line, int largestSize, float width);
