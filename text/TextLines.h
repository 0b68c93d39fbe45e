#pragma once

#include <string>
#include <vector>

// Splits a text at every newline. What follows the last newline is one more
// line even when empty, so "a\n" is two lines and "" is one empty line.
std::vector<std::string> splitLines(const std::string& text);

// The bytes of a line that the font has a glyph for (codes 0 to 127); the
// others are dropped and neither draw nor move the pen.
std::string glyphCodes(const std::string& line);
