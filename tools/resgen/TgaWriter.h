#pragma once

#include "Canvas.h"

#include <string>

// Whether the picture keeps its alpha (32 bits) or is stored opaque (24 bits).
enum class TgaAlpha { Keep, Opaque };

// Saves the canvas as a run-length coded true-colour TGA (type 10), top row
// first, with no image ID and no colour map. Throws when the file can't be written.
void writeTga(const Canvas& canvas, TgaAlpha alpha, const std::string& fileName);
